#pragma once
// When the game takes its next step: from the event loop, once the window
// is free for it. A step waits while a menu, a question or a dialog is open,
// a piece is being dragged or an earlier position is reviewed, and goes on
// once that ends, so the window repaints and its menus answer between any
// two steps of the turn cycle.

#include "model/gameevents.h"

#include <QObject>

#include <functional>

namespace tavolux {

class Game;

class TurnScheduler : public QObject, public TurnPace {
    Q_OBJECT
public:
    // `busyElsewhere` tells whether the user is in the middle of something
    // in the window itself (e.g. a drag); steps wait for it too.
    TurnScheduler(Game& game, std::function<bool()> busyElsewhere, QObject* parent);

    void stepDue() override;

    // Called when a step has to wait for a menu, a dialog or a drag.
    std::function<void()> held;
    // Called after a step that left none due: the cycle waits for a
    // person, a computer thinks, or the game is over.
    std::function<void()> rested;

    // How long a step waits before it looks again whether the way is clear.
    static constexpr int RetryInterval = 30;

    // A menu, a question or a dialog is open, or the user is busy in the
    // window: nothing of the game happens meanwhile.
    bool userIsBusy() const;

private:
    void tryGoOn(bool retry);

    Game& game_;
    std::function<bool()> busyElsewhere_;
    bool queued_ = false;
};

} // namespace tavolux
