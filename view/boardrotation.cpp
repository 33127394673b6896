#include "view/boardrotation.h"

#include "view/boardgeometry.h"

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

} // namespace tavolux
