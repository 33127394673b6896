#pragma once
// One animated 60-degree turn of the board: the angles the star passes
// through and the clock that spaces them. The smooth setting shows 40
// frames and the flickery one 20, both in about half a second, so a turn
// takes the same time on every machine; a machine too slow for the pace
// still shows every frame, as fast as it can.

#include <chrono>

namespace tavolux {

using TurnClock = std::chrono::steady_clock;

// How long one view step takes when the machine keeps up.
constexpr std::chrono::milliseconds TurnStepDuration{500};

// Frames of one step: 40 for the smooth setting (0), 20 for the flickery (1).
int rotationFrameCount(int animationSpeed);

// The angle drawn in frame 1..frames of a step that starts at `startAngle`;
// the last frame is one view step (pi/3) away, lower when clockwise.
double turnFrameAngle(double startAngle, int frame, int frames, bool clockwise);

// When each frame of a step is due: frame i no earlier than i - 1 slots
// after the start, and the step's end no earlier than all its slots.
class TurnTimetable {
public:
    TurnTimetable(TurnClock::time_point start, int frames, TurnClock::duration total = TurnStepDuration);
    TurnClock::time_point frameDue(int frame) const;
    TurnClock::time_point end() const { return start_ + total_; }

private:
    TurnClock::time_point start_;
    int frames_;
    TurnClock::duration total_;
};

} // namespace tavolux
