// Turning the board: frame counts and angles of one step, the turn that
// paces them and reports its steps, and how many steps, which way, bring a
// player to his view.

#include "model/gamestate.h"
#include "model/gameevents.h"
#include "view/boardgeometry.h"
#include "view/boardrotation.h"
#include "view/boardrotator.h"
#include "view/windowcanvas.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

// A board turn on a clock that only moves when the turn waits, or when a
// frame takes time; every view drawn is noted.
struct HandTurn {
    WindowCanvas canvas;
    GameState state;
    BoardView view;
    BoardTurn turn;
    TurnClock::time_point now{};
    TurnClock::duration frameCost{};
    std::vector<TurnClock::time_point> shownAt;
    std::vector<double> angles;
    std::vector<int> steps;
    int finished = 0;

    HandTurn()
    {
        WindowScene scene;
        scene.state = &state;
        canvas.setScene(scene);
        view.width = 600;
        view.height = 560;
        turn.clock().driveByHand([this] { return now; });
        QObject::connect(&turn, &BoardTurn::stepDone, [this](int rotation) { steps.push_back(rotation); });
        QObject::connect(&turn, &BoardTurn::finished, [this] { ++finished; });
    }

    // Runs the turn until it ends, or until `untilShown` views are drawn.
    void run(std::size_t untilShown = SIZE_MAX)
    {
        while (turn.running() && angles.size() < untilShown) {
            now = std::max(now, turn.clock().due());
            turn.clock().fire();
            shownAt.push_back(now);
            angles.push_back(view.rotation);
            now += frameCost;
        }
    }
};

TEST(BoardTurnTest, FramesAreSpreadEvenlyOverHalfASecondAndEachStepIsReported)
{
    for (int speed : {0, 1}) {
        const int frames = rotationFrameCount(speed);
        HandTurn t;
        t.state.boardRotation = 4;
        const GameState before = t.state;
        t.turn.start(t.canvas, t.view, 4, 2, false, speed);
        EXPECT_TRUE(t.angles.empty()) << "nothing drawn inside start";
        t.run();
        // Each step: its frames, then the view settled at the step's end.
        ASSERT_EQ(t.angles.size(), std::size_t(2 * (frames + 1)));
        EXPECT_EQ(t.shownAt.front(), TurnClock::time_point{});
        EXPECT_EQ(t.shownAt[1] - t.shownAt[0], TurnClock::duration(TurnStepDuration) / frames);
        EXPECT_EQ(t.shownAt[frames] - TurnClock::time_point{}, TurnStepDuration) << frames << " frames";
        EXPECT_EQ(t.shownAt.back() - TurnClock::time_point{}, 2 * TurnStepDuration);
        EXPECT_NEAR(t.angles[frames - 1], 5 * ViewStep, 1e-12);
        EXPECT_NEAR(t.angles[frames + 1], 5 * ViewStep + ViewStep / frames, 1e-12);
        EXPECT_EQ(t.steps, (std::vector<int>{5, 0})) << "counter-clockwise from view 4";
        EXPECT_EQ(t.finished, 1);
        EXPECT_EQ(t.turn.rotation(), 0);
        EXPECT_EQ(t.view.rotation, 0) << "settled exactly on the new view";
        EXPECT_EQ(t.state.boardRotation, before.boardRotation) << "the game is not the turn's";
    }
}

TEST(BoardTurnTest, ASlowMachineShowsEveryFrameWithoutWaiting)
{
    HandTurn t;
    t.frameCost = 30ms; // slower than the 12.5 ms a frame may take
    t.turn.start(t.canvas, t.view, 1, 1, true, 0);
    t.run();
    ASSERT_EQ(t.angles.size(), 41u);
    EXPECT_EQ(t.shownAt.back() - TurnClock::time_point{}, 40 * 30ms);
    for (std::size_t i = 1; i < 40; ++i)
        EXPECT_LT(t.angles[i], t.angles[i - 1]);
    EXPECT_NEAR(t.angles[39], 0, 1e-12);
    EXPECT_EQ(t.steps, std::vector<int>{0});
}

// Stopped halfway through its second step, the board settles on the view
// the first step reached, and neither signal comes; no steps end at once.
TEST(BoardTurnTest, StopSettlesOnTheViewReachedAndNoStepsEndAtOnce)
{
    HandTurn t;
    t.turn.start(t.canvas, t.view, 0, 3, true, 1);
    t.run(21 + 10);
    ASSERT_EQ(t.steps, std::vector<int>{5});
    EXPECT_NE(t.view.rotation, 5 * ViewStep);
    t.turn.stop();
    EXPECT_FALSE(t.turn.running());
    EXPECT_FALSE(t.turn.clock().pending());
    EXPECT_EQ(t.turn.rotation(), 5);
    EXPECT_NEAR(t.view.rotation, 5 * ViewStep, 1e-12);
    EXPECT_EQ(t.steps.size(), 1u);
    EXPECT_EQ(t.finished, 0);

    t.turn.start(t.canvas, t.view, 2, 0, true, 0);
    t.run();
    EXPECT_EQ(t.finished, 1);
    EXPECT_EQ(t.steps.size(), 1u);
    EXPECT_EQ(t.turn.rotation(), 2);
}

// On the window's own timers: one step takes about half a second and ends
// with the view turned.
TEST(BoardTurnTest, OnTheTimersAStepTakesHalfASecond)
{
    WindowCanvas canvas;
    BoardView view;
    view.width = 400;
    view.height = 380;
    BoardTurn turn;
    QSignalSpy steps(&turn, &BoardTurn::stepDone), finished(&turn, &BoardTurn::finished);
    QElapsedTimer clock;
    clock.start();
    turn.start(canvas, view, 3, 1, false, 1);
    EXPECT_LT(clock.elapsed(), 100) << "start returns at once";
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_GE(clock.elapsed(), TurnStepDuration.count());
    ASSERT_EQ(steps.count(), 1);
    EXPECT_EQ(steps.at(0).at(0).toInt(), 4);
    EXPECT_NEAR(view.rotation, 4 * ViewStep, 1e-12);
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
