#include "view/boardrotation.h"

#include "view/boardgeometry.h"

#include <thread>

namespace tavolux {

int rotationFrameCount(int animationSpeed)
{
    return animationSpeed == 1 ? 20 : 40;
}

double turnFrameAngle(double startAngle, int frame, int frames, bool clockwise)
{
    const double delta = ViewStep / frames;
    return clockwise ? startAngle - frame * delta : startAngle + frame * delta;
}

TurnTimetable::TurnTimetable(TurnClock::time_point start, int frames, TurnClock::duration total)
    : start_(start), frames_(frames > 0 ? frames : 1), total_(total)
{
}

TurnClock::time_point TurnTimetable::frameDue(int frame) const
{
    return start_ + total_ * (frame - 1) / frames_;
}

void playRotationStep(double startAngle, bool clockwise, int frames, const RotationStepHooks& hooks)
{
    const TurnTimetable timetable(hooks.now ? hooks.now() : TurnClock::now(), frames);
    const auto waitUntil = [&hooks](TurnClock::time_point t) {
        if (hooks.waitUntil)
            hooks.waitUntil(t);
        else
            std::this_thread::sleep_until(t);
    };
    for (int frame = 1; frame <= frames; ++frame) {
        waitUntil(timetable.frameDue(frame));
        hooks.showFrame(turnFrameAngle(startAngle, frame, frames, clockwise));
    }
    waitUntil(timetable.end());
}

} // namespace tavolux
