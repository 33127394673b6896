#include "model/board.h"
#include "view/arrowsteps.h"
#include "view/boardgeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace tavolux;

namespace {

const double Pi = std::acos(-1.0);
constexpr Arrow Arrows[] = {Arrow::Right, Arrow::Up, Arrow::Left, Arrow::Down};

PlanePoint polarPoint(double distance, double degrees)
{
    return {distance * std::cos(degrees * Pi / 180), distance * std::sin(degrees * Pi / 180)};
}

// The neighbour of a hole in the model direction that a board turned by
// `steps` view steps shows at `screenDegrees`, or NoHole.
int neighbourShownAt(int hole, int steps, int screenDegrees)
{
    const int d = ((screenDegrees / 60 - steps) % 6 + 6) % 6;
    return neighbour(hole, d);
}

// The nearer of two holes at equal distance and angle: the lower number.
int lowerOf(int a, int b)
{
    if (a == NoHole)
        return b;
    if (b == NoHole)
        return a;
    return std::min(a, b);
}

} // namespace

// The order of the rules: the nearest point first, then the smaller angle,
// then the lower index; distances within 1 % and angles within 1 degree
// count as equal, and the cone reaches 60 degrees either side.
TEST(ArrowSteps, NearestThenStraightestThenLowestWithTolerances)
{
    const PlanePoint origin{0, 0};
    {
        const std::vector<PlanePoint> points{origin, polarPoint(2, 0), polarPoint(1.2, 40)};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Right), 2) << "nearer beats straighter";
    }
    {
        const std::vector<PlanePoint> points{origin, polarPoint(1, 20), polarPoint(1.009, 5)};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Right), 2) << "within 1 %: the straighter";
    }
    {
        const std::vector<PlanePoint> points{origin, polarPoint(1, 20), polarPoint(1.02, 5)};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Right), 1) << "2 % farther: the nearer";
    }
    {
        const std::vector<PlanePoint> points{origin, polarPoint(1, 100.8), polarPoint(1, 80)};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Up), 1) << "within 1 degree: the lower index";
    }
    {
        const std::vector<PlanePoint> points{origin, polarPoint(1, 102), polarPoint(1, 80)};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Up), 2) << "2 degrees off: the straighter";
    }
    {
        const std::vector<PlanePoint> points{origin, polarPoint(1, 180 + 60.5), polarPoint(0.5, 180 - 62),
                                             polarPoint(0.1, 0)};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Left), 1) << "60.5 degrees is inside, 62 outside";
        EXPECT_EQ(pointInDirection(points, 3, Arrow::Left), 0);
    }
    {
        const std::vector<PlanePoint> points{origin, polarPoint(1, 61.5), polarPoint(1, 200), origin};
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Right), NoHole) << "nothing in the cone";
        EXPECT_EQ(pointInDirection(points, 0, Arrow::Down), NoHole) << "a point on the same spot is no step";
        EXPECT_EQ(pointInDirection(points, 4, Arrow::Down), NoHole) << "no such point";
        EXPECT_EQ(pointInDirection(points, -1, Arrow::Down), NoHole);
    }
}

// At every view step Right and Left lead to the neighbour shown straight
// that way, and Up and Down to the lower-numbered of the two neighbours
// shown 30 degrees either side.
TEST(ArrowSteps, NeighboursFollowTheBoardsTurn)
{
    for (int steps = 0; steps < 6; ++steps) {
        const double rotation = steps * ViewStep;
        for (int h = 0; h < HoleCount; ++h) {
            if (const int n = neighbourShownAt(h, steps, 0); n != NoHole) {
                EXPECT_EQ(holeInDirection(h, Arrow::Right, rotation), n) << "hole " << h << " steps " << steps;
            }
            if (const int n = neighbourShownAt(h, steps, 180); n != NoHole) {
                EXPECT_EQ(holeInDirection(h, Arrow::Left, rotation), n) << "hole " << h << " steps " << steps;
            }
            if (const int n = lowerOf(neighbourShownAt(h, steps, 60), neighbourShownAt(h, steps, 120)); n != NoHole) {
                EXPECT_EQ(holeInDirection(h, Arrow::Up, rotation), n) << "hole " << h << " steps " << steps;
            }
            if (const int n = lowerOf(neighbourShownAt(h, steps, 240), neighbourShownAt(h, steps, 300)); n != NoHole) {
                EXPECT_EQ(holeInDirection(h, Arrow::Down, rotation), n) << "hole " << h << " steps " << steps;
            }
        }
    }
    // Half a step on (a board caught in its turn), Up has a neighbour
    // straight above: the north-east one of the unturned board.
    EXPECT_EQ(holeInDirection(60, Arrow::Up, ViewStep / 2), neighbour(60, NorthEast));
}

TEST(ArrowSteps, TheStarsEdges)
{
    EXPECT_EQ(holeInDirection(0, Arrow::Up, 0), NoHole) << "nothing above the top tip";
    EXPECT_EQ(holeInDirection(0, Arrow::Right, 0), neighbour(0, SouthEast)) << "the cone's edge at 60 degrees";
    EXPECT_EQ(holeInDirection(120, Arrow::Down, 0), NoHole);
    EXPECT_EQ(holeInDirection(120, Arrow::Up, 3 * ViewStep), NoHole) << "turned half round, 120 is the top tip";
}

// Whatever the window's proportions, each arrow moves the ring that way on
// screen, and at every view step the arrows reach every hole of the star.
TEST(ArrowSteps, ArrowsMoveThatWayOnScreenAndReachEveryHole)
{
    for (int steps = 0; steps < 6; ++steps) {
        BoardView wide;
        wide.width = 1200;
        wide.height = 300;
        setViewSteps(wide, steps);
        std::vector<bool> reached(HoleCount, false);
        std::vector<int> open{0};
        reached[0] = true;
        while (!open.empty()) {
            const int h = open.back();
            open.pop_back();
            for (Arrow arrow : Arrows) {
                const int to = holeInDirection(h, arrow, wide.rotation);
                if (to == NoHole)
                    continue;
                const int dx = wide.holeScreen[to].x - wide.holeScreen[h].x;
                const int dy = wide.holeScreen[to].y - wide.holeScreen[h].y;
                const int along = arrow == Arrow::Right ? dx : arrow == Arrow::Left ? -dx : arrow == Arrow::Up ? -dy : dy;
                EXPECT_GT(along, 0) << "hole " << h << " to " << to << " steps " << steps;
                if (!reached[to]) {
                    reached[to] = true;
                    open.push_back(to);
                }
            }
        }
        EXPECT_EQ(std::count(reached.begin(), reached.end(), true), HoleCount) << "steps " << steps;
    }
}
