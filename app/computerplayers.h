#pragma once
// The computer seats in the window: every choice, of every strength, is made
// on a worker thread while the window goes on, and its move reaches the
// game from the window's event loop. Each choice has its own stop signal,
// cleared when it starts; a choice withdrawn is stopped and its move
// dropped, and the next choice first waits for the last worker to end, so
// two never share the search.

#include "ai/computerplayer.h"
#include "model/player.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

namespace tavolux {

class ComputerPlayers : public QObject, public Player {
    Q_OBJECT
public:
    explicit ComputerPlayers(QObject* parent = nullptr);
    ~ComputerPlayers() override;

    void takeTurn(const GameState& position, MoveAnswer answer) override;
    void withdraw() override;
    // A choice is being made.
    bool thinking() const { return current_ != nullptr; }

private:
    struct Choice {
        std::atomic<bool> stop{false};
    };
    void deliver(const std::shared_ptr<Choice>& choice, const ChosenMove& move);
    void endWorker();

    // Made at the first choice: its searches' tables are large, and a window
    // that starts up needs none of them.
    std::unique_ptr<ComputerPlayer> computer_;
    std::thread worker_;
    std::shared_ptr<Choice> current_;
    MoveAnswer answer_;
};

} // namespace tavolux
