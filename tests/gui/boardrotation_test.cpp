// Turning the board: frame counts and angles of one step, the clock that
// paces them, and how many steps, which way, bring a player to his view.

#include "model/gamestate.h"
#include "model/gameevents.h"
#include "view/boardgeometry.h"
#include "view/boardrotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tavolux;
using namespace std::chrono_literals;

namespace {

TEST(TurnFramesTest, SmoothShowsFortyFramesFlickeryTwenty)
{
    EXPECT_EQ(rotationFrameCount(0), 40);
    EXPECT_EQ(rotationFrameCount(1), 20);
}

TEST(TurnFramesTest, AnglesWalkOneViewStepEitherWay)
{
    const double start = 2 * ViewStep;
    EXPECT_NEAR(turnFrameAngle(start, 40, 40, true), ViewStep, 1e-12);
    EXPECT_NEAR(turnFrameAngle(start, 20, 20, false), 3 * ViewStep, 1e-12);
    EXPECT_NEAR(turnFrameAngle(start, 1, 40, true), start - ViewStep / 40, 1e-12);
    EXPECT_NEAR(turnFrameAngle(0, 20, 40, true), -ViewStep / 2, 1e-12);
}

// A clock that only moves when the step waits, or when a frame takes time.
struct FakeClock {
    TurnClock::time_point now{};
    TurnClock::duration frameCost{};
    std::vector<TurnClock::time_point> shownAt;
    std::vector<double> angles;

    RotationStepHooks hooks()
    {
        RotationStepHooks h;
        h.now = [this] { return now; };
        h.waitUntil = [this](TurnClock::time_point t) { now = std::max(now, t); };
        h.showFrame = [this](double angle) {
            shownAt.push_back(now);
            angles.push_back(angle);
            now += frameCost;
        };
        return h;
    }
};

TEST(TurnPaceTest, FramesAreSpreadEvenlyOverHalfASecond)
{
    for (int frames : {40, 20}) {
        FakeClock clock;
        playRotationStep(0, false, frames, clock.hooks());
        ASSERT_EQ(clock.shownAt.size(), std::size_t(frames));
        EXPECT_EQ(clock.shownAt.front(), TurnClock::time_point{});
        EXPECT_EQ(clock.shownAt[1] - clock.shownAt[0], TurnClock::duration(TurnStepDuration) / frames);
        EXPECT_EQ(clock.now - TurnClock::time_point{}, TurnStepDuration) << frames << " frames";
        EXPECT_NEAR(clock.angles.back(), ViewStep, 1e-12);
    }
}

TEST(TurnPaceTest, ASlowMachineShowsEveryFrameWithoutWaiting)
{
    FakeClock clock;
    clock.frameCost = 30ms; // slower than the 12.5 ms a frame may take
    playRotationStep(ViewStep, true, 40, clock.hooks());
    ASSERT_EQ(clock.angles.size(), 40u);
    EXPECT_EQ(clock.now - TurnClock::time_point{}, 40 * 30ms);
    for (std::size_t i = 1; i < clock.angles.size(); ++i)
        EXPECT_LT(clock.angles[i], clock.angles[i - 1]);
    EXPECT_NEAR(clock.angles.back(), 0, 1e-12);
}

// The steps that turn the board from `boardRotation` to the view player
// `player` prefers, as the turn cycle plans them; checks where they end.
std::vector<bool> reposition(int player, int preferredView, int boardRotation)
{
    GameState state;
    state.slots[player].preferredView = preferredView;
    const int target = targetRotation(state, player);
    const RotationPlan plan = planRotation(boardRotation, target);
    int rotation = boardRotation;
    for (int i = 0; i < plan.steps; ++i)
        rotation = stepRotation(rotation, plan.clockwise);
    EXPECT_EQ(rotation, target);
    return std::vector<bool>(plan.steps, plan.clockwise);
}

TEST(RepositionTest, TakesTheShorterWayAndThreeStepsCounterClockwise)
{
    using Steps = std::vector<bool>;
    const bool cw = true, ccw = false;
    EXPECT_EQ(reposition(1, 0, 0), (Steps{ccw, ccw})) << "player 2, Bottom, from 0 to 2";
    EXPECT_EQ(reposition(0, 3, 5), (Steps{ccw, ccw})) << "player 1, Lower-Right, from 5 to 1";
    EXPECT_EQ(reposition(2, 1, 4), (Steps{ccw, ccw, ccw})) << "player 3, Top, from 4 to 1";
    EXPECT_EQ(reposition(0, 2, 0), (Steps{cw})) << "player 1, Lower-Left, from 0 to 5";
    EXPECT_EQ(reposition(0, 0, 0), Steps{}) << "already there";
    for (int from = 0; from < 6; ++from)
        for (int view = 0; view < 6; ++view)
            EXPECT_LE(reposition(2, view, from).size(), 3u);
}

TEST(RepositionTest, OneStepWrapsAroundTheSixViews)
{
    EXPECT_EQ(stepRotation(0, true), 5);
    EXPECT_EQ(stepRotation(5, false), 0);
}

} // namespace
