#pragma once
// Runs the turn cycle's queued passes from the event loop, so that between
// two computer turns the window repaints and its menus, the exit question
// and New Game get through. A pass waits while a menu, a question or a
// dialog is open, or a piece is being dragged, and goes on once it closes.

#include <QObject>

#include <functional>

namespace tavolux {

class Game;

class TurnScheduler : public QObject {
    Q_OBJECT
public:
    // `busyElsewhere` tells whether the user is in the middle of something
    // in the window itself (e.g. a drag); passes wait for it too.
    TurnScheduler(Game& game, std::function<bool()> busyElsewhere, QObject* parent);

    // Queues Game::resumeTurns(ticket) for the event loop.
    void queue(unsigned ticket);
    // A computer's turn ended without a move (its game was replaced): once
    // the event loop is back and no computer plays, the cycle rests.
    void settle();

    // Called when a pass has to wait for a menu, a dialog or a drag.
    std::function<void()> held;
    // Called after a pass that left no other queued: the cycle waits for a
    // person, or the game is over.
    std::function<void()> rested;

    // How long a pass waits before it looks again whether the way is clear.
    static constexpr int RetryInterval = 30;

private:
    void tryResume(unsigned ticket, bool retry);
    bool userIsBusy() const;

    Game& game_;
    std::function<bool()> busyElsewhere_;
};

} // namespace tavolux
