#include "app/turnscheduler.h"

#include "model/game.h"

#include <QApplication>
#include <QTimer>

namespace tavolux {

TurnScheduler::TurnScheduler(Game& game, std::function<bool()> busyElsewhere, QObject* parent)
    : QObject(parent), game_(game), busyElsewhere_(std::move(busyElsewhere))
{
}

void TurnScheduler::stepDue()
{
    if (queued_)
        return;
    queued_ = true;
    QTimer::singleShot(0, this, [this] { tryGoOn(false); });
}

bool TurnScheduler::userIsBusy() const
{
    return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr
           || (busyElsewhere_ && busyElsewhere_());
}

void TurnScheduler::tryGoOn(bool retry)
{
    if (userIsBusy()) {
        if (!retry && held)
            held();
        QTimer::singleShot(RetryInterval, this, [this] { tryGoOn(true); });
        return;
    }
    queued_ = false;
    game_.goOn();
    if (!queued_ && !game_.computersPlaying() && !game_.askingPlayOn() && rested)
        rested();
}

} // namespace tavolux
