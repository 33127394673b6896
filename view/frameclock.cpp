#include "view/frameclock.h"

namespace tavolux {

FrameClock::FrameClock(std::function<void()> tick) : tick_(std::move(tick))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { timerFired(); });
}

void FrameClock::callAt(Clock::time_point due)
{
    due_ = due;
    pending_ = true;
    if (byHand_)
        return;
    // Whole milliseconds, rounded up: the timer never comes early.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - now());
    timer_.start(std::max(wait, std::chrono::milliseconds::zero()));
}

void FrameClock::cancel()
{
    pending_ = false;
    timer_.stop();
}

void FrameClock::driveByHand(Now now)
{
    now_ = std::move(now);
    byHand_ = true;
    timer_.stop();
}

void FrameClock::fire()
{
    if (!pending_)
        return;
    cancel();
    tick_();
}

// A timer that wakes a little before its time waits for the rest.
void FrameClock::timerFired()
{
    if (pending_ && now() < due_)
        callAt(due_);
    else
        fire();
}

} // namespace tavolux
