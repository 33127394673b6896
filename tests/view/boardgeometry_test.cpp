#include "model/board.h"
#include "model/gamestate.h"
#include "view/boardgeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavolux;

namespace {

const double Pi = std::acos(-1.0);

struct ModelPoint {
    double x, y;
};

ModelPoint modelPoint(int hole)
{
    const PolarPoint p = holePolar()[hole];
    return {p.radius * std::cos(p.angle), p.radius * std::sin(p.angle)};
}

BoardView laidOut(int width, int height, int steps)
{
    BoardView view;
    view.width = width;
    view.height = height;
    setViewSteps(view, steps);
    return view;
}

} // namespace

TEST(HolePolar, TipsLieOnTheUnitCircleAtTheirAngles)
{
    const struct {
        int hole;
        double degrees;
    } tips[] = {{0, 90}, {10, 150}, {22, 30}, {98, -150}, {110, -30}, {120, -90}};
    for (const auto& tip : tips) {
        const PolarPoint p = holePolar()[tip.hole];
        EXPECT_NEAR(p.radius, 1.0, 1e-12) << "hole " << tip.hole;
        EXPECT_NEAR(p.angle, tip.degrees * Pi / 180, 1e-12) << "hole " << tip.hole;
    }
    EXPECT_NEAR(holePolar()[60].radius, 0.0, 1e-12);
    EXPECT_TRUE(std::isfinite(holePolar()[60].angle));
}

// Every neighbour link of the board joins holes one pitch apart, in the
// direction the link is named for: the model frame and the board's
// topology describe the same star.
TEST(HolePolar, NeighboursAreOnePitchApartInTheirDirection)
{
    const double pitch = 2.0 / (8.0 * std::sqrt(3.0));
    for (int h = 0; h < HoleCount; ++h) {
        for (int d = 0; d < DirectionCount; ++d) {
            const int n = neighbour(h, d);
            if (n == NoHole)
                continue;
            const ModelPoint a = modelPoint(h), b = modelPoint(n);
            EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), pitch, 1e-9) << h << " -> " << n;
            EXPECT_NEAR((b.x - a.x) / pitch, std::cos(d * Pi / 3), 1e-9) << h << " -> " << n << " direction " << d;
            EXPECT_NEAR((b.y - a.y) / pitch, std::sin(d * Pi / 3), 1e-9) << h << " -> " << n << " direction " << d;
        }
    }
}

TEST(LayoutBoard, TopCentreAndBottomHolesAtRotationZero)
{
    for (const auto& [w, h] : {std::pair{480, 551}, {961, 700}, {333, 1001}}) {
        const BoardView view = laidOut(w, h, 0);
        const int cx = w / 2, cy = h / 2, reach = static_cast<int>(0.45 * h);
        EXPECT_EQ(view.holeScreen[0], (ScreenPoint{cx, cy - reach})) << w << "x" << h;
        EXPECT_EQ(view.holeScreen[120], (ScreenPoint{cx, cy + reach})) << w << "x" << h;
        EXPECT_EQ(view.holeScreen[60], (ScreenPoint{cx, cy})) << w << "x" << h;
    }
}

TEST(LayoutBoard, ScalesAreIndependentAndTruncateTowardZero)
{
    // 800 x 580 client: board 480 x 551, sx = 216, sy = 247.95.
    const BoardView view = laidOut(480, 551, 0);
    EXPECT_EQ(view.tipRadiusX, 15);
    EXPECT_EQ(view.tipRadiusY, 17);
    EXPECT_EQ(view.holeRadiusX, 10);
    EXPECT_EQ(view.holeRadiusY, 12);
    EXPECT_EQ(view.pieceRadiusX, 8);
    EXPECT_EQ(view.pieceRadiusY, 9);
    // Hole 10 at (-sqrt(3)/2, 0.5): x = 240 + trunc(-187.06) = 53 (toward
    // zero, not down), y = 275 - trunc(123.975) = 152.
    EXPECT_EQ(view.holeScreen[10], (ScreenPoint{53, 152}));
    EXPECT_EQ(view.holeScreen[22], (ScreenPoint{427, 152}));
}

TEST(LayoutBoard, SecondPlayersHomeIsAtTheBottomInViewTwo)
{
    const BoardView view = laidOut(600, 600, 2);
    const int homeHoles[] = {10, 11, 12, 13, 23, 24, 25, 35, 36, 46};
    // The inner row of a point lies 0.625 from the centre, row 12 only 0.5.
    const int lowestOther = view.holeScreen[60].y + static_cast<int>(0.5625 * 0.45 * 600);
    for (int h : homeHoles)
        EXPECT_GT(view.holeScreen[h].y, lowestOther) << "hole " << h;
    // Its tip takes the place of the bottom tip of the unturned board.
    const BoardView plain = laidOut(600, 600, 0);
    EXPECT_NEAR(view.holeScreen[10].x, plain.holeScreen[120].x, 1);
    EXPECT_NEAR(view.holeScreen[10].y, plain.holeScreen[120].y, 1);
}

TEST(LayoutBoard, EachPlayersHomeComesToTheBottomInItsHomeView)
{
    GameState state = initialGameState();
    for (int p = 0; p < DesignSeatCount; ++p) {
        state.slots[p].preferredView = 0; // "Bottom"
        const BoardView view = laidOut(500, 500, targetRotation(state, p));
        for (uint16_t hole : StartHoles[p])
            EXPECT_GT(view.holeScreen[hole].y, 250 + static_cast<int>(0.5625 * 0.45 * 500)) << "player " << p << " hole " << hole;
    }
}

TEST(LayoutBoard, MarkersSitBeyondTheTipsAndPointTheRightWay)
{
    const BoardView view = laidOut(1000, 1000, 0);
    for (int k = 0; k < 6; ++k) {
        const double angle = (30 + 60 * k) * Pi / 180;
        const TipMarker& m = view.tipMarkers[k];
        auto distance = [](ScreenPoint p) { return std::hypot(p.x - 500.0, p.y - 500.0); };
        // Corner 0 is the arrow's point: nearest the centre for the inward
        // arrows (even k), farthest for the outward ones.
        if (k % 2 == 0) {
            EXPECT_LT(distance(m[0]), distance(m[2])) << k;
            EXPECT_NEAR(distance(m[0]), 1.07 * 450, 2) << k;
        } else {
            EXPECT_GT(distance(m[0]), distance(m[2])) << k;
            EXPECT_NEAR(distance(m[0]), 1.1 * 450, 2) << k;
        }
        EXPECT_NEAR(m[0].x, 500 + std::cos(angle) * distance(m[0]), 1.5) << k;
        EXPECT_NEAR(m[0].y, 500 - std::sin(angle) * distance(m[0]), 1.5) << k;
        // The two wings lie on either side of the marker's axis.
        EXPECT_GT(std::hypot(m[1].x - m[3].x, m[1].y - m[3].y), 40) << k;
    }
}

TEST(LayoutBoard, TurningByOneStepMovesEveryHoleSixtyDegrees)
{
    const BoardView plain = laidOut(900, 900, 0);
    const BoardView turned = laidOut(900, 900, 1);
    // A counter-clockwise step takes the upper-right tip (22) to the top.
    EXPECT_NEAR(turned.holeScreen[22].x, plain.holeScreen[0].x, 1);
    EXPECT_NEAR(turned.holeScreen[22].y, plain.holeScreen[0].y, 1);
    BoardView full = laidOut(900, 900, 6);
    for (int h = 0; h < HoleCount; ++h) {
        EXPECT_NEAR(full.holeScreen[h].x, plain.holeScreen[h].x, 1) << h;
        EXPECT_NEAR(full.holeScreen[h].y, plain.holeScreen[h].y, 1) << h;
    }
}

