#pragma once
// The clock of the board's animations: calls its owner back at a time on
// the steady clock, never before it, from a precise single-shot timer of the
// window's thread, so that an animation runs between the window's events
// instead of holding them up. A test or a measurement can take the timer's
// place: on a clock of its own, it calls fire() itself at the times due()
// tells.

#include <QTimer>

#include <chrono>
#include <functional>

namespace tavolux {

class FrameClock {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    explicit FrameClock(std::function<void()> tick);

    Clock::time_point now() const { return now_ ? now_() : Clock::now(); }

    // The tick comes at `due` (at once when that has passed), in place of
    // any tick still waiting.
    void callAt(Clock::time_point due);
    void cancel();
    bool pending() const { return pending_; }
    Clock::time_point due() const { return due_; }

    // From now on the time is read from `now` and no timer runs: the
    // caller brings every tick with fire().
    void driveByHand(Now now);
    // The waiting tick, now; nothing when none waits.
    void fire();

private:
    void timerFired();

    std::function<void()> tick_;
    Now now_;
    bool byHand_ = false;
    bool pending_ = false;
    Clock::time_point due_{};
    QTimer timer_;
};

} // namespace tavolux
