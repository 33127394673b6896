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
    QTimer::singleShot(0, this, [this, ticket] { tryResume(ticket); });
}

bool TurnScheduler::userIsBusy() const
{
    return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr
           || (busyElsewhere_ && busyElsewhere_());
}

void TurnScheduler::tryResume(unsigned ticket)
{
    if (userIsBusy()) {
        QTimer::singleShot(RetryInterval, this, [this, ticket] { tryResume(ticket); });
        return;
    }
    game_.resumeTurns(ticket);
}

} // namespace tavolux
