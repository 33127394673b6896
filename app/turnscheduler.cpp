#include "app/turnscheduler.h"

#include "model/game.h"

#include <QApplication>
#include <QTimer>

namespace tavolux {

TurnScheduler::TurnScheduler(Game& game, std::function<bool()> busyElsewhere, QObject* parent)
    : QObject(parent), game_(game), busyElsewhere_(std::move(busyElsewhere))
{
}

void TurnScheduler::queue(unsigned ticket)
{
    QTimer::singleShot(0, this, [this, ticket] { tryResume(ticket, false); });
}

bool TurnScheduler::userIsBusy() const
{
    return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr
           || (busyElsewhere_ && busyElsewhere_());
}

void TurnScheduler::settle()
{
    QTimer::singleShot(0, this, [this] {
        if (!game_.computersPlaying() && rested)
            rested();
    });
}

void TurnScheduler::tryResume(unsigned ticket, bool retry)
{
    // A pass queued inside a computer's turn (by a New Game given while it
    // thought) waits until that turn has unwound.
    if (game_.computerTurnUnderWay()) {
        QTimer::singleShot(RetryInterval, this, [this, ticket, retry] { tryResume(ticket, retry); });
        return;
    }
    if (userIsBusy()) {
        if (!retry && held)
            held();
        QTimer::singleShot(RetryInterval, this, [this, ticket] { tryResume(ticket, true); });
        return;
    }
    game_.resumeTurns(ticket);
    if (!game_.computersPlaying() && rested)
        rested();
}

} // namespace tavolux
