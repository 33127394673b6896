#pragma once
// The pace of a computer's move shown on the board. A hop passes through a
// fixed number of positions on the straight line between two holes (1500
// for the smooth setting, 750 for the flickery one); the clock decides which
// of them is on the screen at each display frame, so a hop takes the same
// time on every machine. The flickery setting shows half as many frames in
// that time. After every hop the piece rests on the hole it reached.

#include "view/boardgeometry.h"

#include <chrono>

namespace tavolux {

using GlideClock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds HopDuration{300};
constexpr std::chrono::milliseconds HolePause{100};

// Positions per hop: 1500 for the smooth setting (0), 750 for the flickery (1)
// and, for a value no game holds, the smooth count.
int glidePositionCount(int animationSpeed);
// Time between two shown frames: about 60 a second when smooth, 30 when flickery.
GlideClock::duration glideFrameInterval(int animationSpeed);

// The position (0..positions - 1) due `elapsed` into a hop, or `positions`
// once the hop's time is up.
int glidePositionAt(GlideClock::duration elapsed, int positions);

// Where the piece's centre is at position f of a hop from `from` to `to`:
// from + trunc((to - from) / positions * f) on each axis.
ScreenPoint glidePoint(ScreenPoint from, ScreenPoint to, int f, int positions);

} // namespace tavolux
