#pragma once
// Lets the window live while an Expert computer thinks: its search runs on
// a worker thread while the event loop goes on, so the window paints, the
// referee's eyes follow the pointer and the menus and the Exit question
// answer; mouse input aimed at the board or the referee is thrown away
// meanwhile, as during any computer turn. The other strengths choose at
// once, on the window's thread, as they always have.
//
// A choice is given up, and comes back abandoned, when the program quits
// meanwhile, when the game is replaced (New Game, Load) or when another
// choice starts inside it; the turn cycle also drops a choice that outlived
// a new or loaded game. Each choice has its own stop signal, so a choice
// given up never stops the next one.

#include "ai/computerplayer.h"
#include "model/movechooser.h"

#include <atomic>
#include <memory>
#include <thread>

class QWidget;

namespace tavolux {

class BackgroundChooser : public MoveChooser {
public:
    explicit BackgroundChooser(ComputerPlayer& computer);
    ~BackgroundChooser() override;
    BackgroundChooser(const BackgroundChooser&) = delete;
    BackgroundChooser& operator=(const BackgroundChooser&) = delete;

    // The board whose mouse input is thrown away while a computer thinks.
    void setBoard(QWidget* board) { board_ = board; }

    ChosenMove chooseMove(const GameState& state) override;
    // A choice is being made on the worker thread.
    bool thinking() const { return worker_.joinable(); }
    // Gives up the choice being made, if any, and waits for the worker.
    void stop();
    void giveUp() override { stop(); }

private:
    struct Outcome;
    ComputerPlayer& computer_;
    QWidget* board_ = nullptr;
    std::thread worker_;
    std::shared_ptr<Outcome> current_; // of the choice the worker makes
};

} // namespace tavolux
