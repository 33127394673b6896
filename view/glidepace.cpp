#include "view/glidepace.h"

namespace tavolux {

int glidePositionCount(int animationSpeed)
{
    return animationSpeed == 1 ? 750 : 1500;
}

GlideClock::duration glideFrameInterval(int animationSpeed)
{
    using std::chrono::microseconds;
    // Rounded up, so that the frame due after 9 (or 18) intervals falls just
    // after the end of the hop, where the hop ends. Rounded down, 9 x 33333 us
    // falls 3 us before the end: a wait that woke on time would show one
    // frame more and make the hop 333 ms long.
    return animationSpeed == 1 ? microseconds(33334) : microseconds(16667);
}

int glidePositionAt(GlideClock::duration elapsed, int positions)
{
    if (elapsed < GlideClock::duration::zero())
        return 0;
    if (elapsed >= HopDuration)
        return positions;
    const double part = std::chrono::duration<double>(elapsed) / std::chrono::duration<double>(HopDuration);
    return static_cast<int>(part * positions);
}

ScreenPoint glidePoint(ScreenPoint from, ScreenPoint to, int f, int positions)
{
    const double dx = static_cast<double>(to.x - from.x) / positions * f;
    const double dy = static_cast<double>(to.y - from.y) / positions * f;
    return {from.x + static_cast<int>(dx), from.y + static_cast<int>(dy)};
}

} // namespace tavolux
