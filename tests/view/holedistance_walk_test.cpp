// The step distances of the board, computed a second way: by walking from
// hole to hole, each step chosen by the bearing of the target in the model
// frame. The walk and the breadth-first table must agree on every pair.

#include "model/board.h"
#include "view/boardgeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavolux;

namespace {

double bearing(double dx, double dy)
{
    const double r = std::sqrt(dx * dx + dy * dy);
    if (dx >= 0)
        return std::asin(dy / r);
    return dy >= 0 ? std::acos(dx / r) : -std::acos(dx / r);
}

// The direction of the next step toward a target at bearing b from hole c.
int stepDirection(int c, double b)
{
    auto has = [c](int d) { return neighbour(c, d) != NoHole; };
    if (-0.5235987 < b && b < 0.5235987)
        return has(East) ? East : (b > 0 ? NorthEast : SouthEast);
    if (0.5235987 < b && b < 1.5707963)
        return has(NorthEast) ? NorthEast : (b > 1.0471975 ? NorthWest : East);
    if (1.5707963 < b && b < 2.6179939)
        return has(NorthWest) ? NorthWest : (b < 2.0943951 ? NorthEast : West);
    if (-1.5707963 < b && b < -0.5235987)
        return has(SouthEast) ? SouthEast : (b < -1.0471976 ? SouthWest : East);
    if (-2.6179939 < b && b < -1.5707963)
        return has(SouthWest) ? SouthWest : (b > -2.0943951 ? SouthEast : West);
    return has(West) ? West : (0 < b && b < 3.1415927 ? NorthWest : SouthWest);
}

int walk(int a, int b)
{
    const auto& polar = holePolar();
    auto x = [&](int h) { return polar[h].radius * std::cos(polar[h].angle); };
    auto y = [&](int h) { return polar[h].radius * std::sin(polar[h].angle); };
    int c = a, steps = 0;
    while (c != b && steps <= 32) {
        c = neighbour(c, stepDirection(c, bearing(x(b) - x(c), y(b) - y(c))));
        ++steps;
        if (c == NoHole)
            return -1;
    }
    return steps;
}

} // namespace

TEST(HoleDistance, DirectionGuidedWalkAgreesWithTheTable)
{
    for (int a = 0; a < HoleCount; ++a)
        for (int b = 0; b < HoleCount; ++b)
            ASSERT_EQ(walk(a, b), HoleDistance[a][b]) << a << " -> " << b;
}

TEST(HoleDistance, TipToTipIsSixteenAndTheTableIsSymmetric)
{
    EXPECT_EQ(HoleDistance[0][120], 16);
    for (int a = 0; a < HoleCount; ++a) {
        EXPECT_EQ(HoleDistance[a][a], 0);
        for (int b = 0; b < HoleCount; ++b)
            ASSERT_EQ(HoleDistance[a][b], HoleDistance[b][a]);
    }
}
