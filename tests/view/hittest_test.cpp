#include "view/boardgeometry.h"

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

BoardView boardAt(int originX, int originY, int width, int height)
{
    BoardView view;
    view.originX = originX;
    view.originY = originY;
    view.width = width;
    view.height = height;
    layoutBoard(view);
    return view;
}

Position onePieceAt(int index, int hole)
{
    Position pieces{};
    pieces[index] = {static_cast<uint16_t>(hole), 0x10};
    return pieces;
}

} // namespace

TEST(HitTestPiece, EllipseBoundaryHitsAndOnePixelBeyondMisses)
{
    const BoardView view = boardAt(20, 14, 480, 551);
    const Position pieces = onePieceAt(7, 60);
    const int x = 20 + view.holeScreen[60].x, y = 14 + view.holeScreen[60].y;
    const int a = view.pieceRadiusX, b = view.pieceRadiusY;
    ASSERT_NE(a, b);
    for (const auto& [dx, dy] : {std::pair{a, 0}, {-a, 0}, {0, b}, {0, -b}}) {
        EXPECT_EQ(hitTestPiece(view, pieces, x + dx, y + dy).piece, 7) << dx << "," << dy;
    }
    for (const auto& [dx, dy] : {std::pair{a + 1, 0}, {0, b + 1}, {a, 1}, {1, b}}) {
        const PieceHit hit = hitTestPiece(view, pieces, x + dx, y + dy);
        EXPECT_EQ(hit.piece, NoPiece) << dx << "," << dy;
        EXPECT_FALSE(hit.outside);
    }
}

TEST(HitTestPiece, BoardAreaEdgesAreOutside)
{
    const BoardView view = boardAt(20, 14, 480, 551);
    Position pieces{};
    const PieceHit inside = hitTestPiece(view, pieces, 21, 15);
    EXPECT_FALSE(inside.outside);
    EXPECT_EQ(inside.piece, NoPiece);
    for (const auto& [x, y] : {std::pair{20, 200}, {200, 14}, {500, 200}, {200, 565}, {-5, -5}})
        EXPECT_TRUE(hitTestPiece(view, pieces, x, y).outside) << x << "," << y;
}

TEST(HitTestPiece, PointAtTheAreaEdgeIsOutsideEvenOverAPiece)
{
    // A board so small that a piece covers the area's corner.
    const BoardView view = boardAt(0, 0, 4, 4);
    Position pieces{};
    pieces[0] = {60, 0x1};
    EXPECT_EQ(hitTestPiece(view, pieces, 2, 2).piece, 0);
    EXPECT_TRUE(hitTestPiece(view, pieces, 0, 2).outside);
    EXPECT_TRUE(hitTestPiece(view, pieces, 2, 0).outside);
}

TEST(HitTestPiece, SkipsPiecesOutOfPlayAndPrefersTheLowerIndex)
{
    const BoardView view = boardAt(0, 0, 480, 551);
    Position pieces{};
    pieces[3] = {60, 0};     // being dragged
    pieces[12] = {60, 0x10}; // same hole, as in a record being edited
    pieces[20] = {60, 0x100};
    const ScreenPoint c = view.holeScreen[60];
    EXPECT_EQ(hitTestPiece(view, pieces, c.x, c.y).piece, 12);
}

TEST(HitTestHole, FindsEveryHoleAtItsCentre)
{
    const BoardView view = boardAt(30, 40, 700, 650);
    for (int h = 0; h < HoleCount; ++h) {
        const ScreenPoint c = view.holeScreen[h];
        EXPECT_EQ(hitTestHole(view, 30 + c.x, 40 + c.y), h);
    }
    EXPECT_EQ(hitTestHole(view, 30 + 2, 40 + 2), ListEnd);
}

TEST(HitTestHole, LowerIndexWinsWhereEllipsesOverlap)
{
    BoardView view = boardAt(0, 0, 480, 551);
    const ScreenPoint c60 = view.holeScreen[60], c61 = view.holeScreen[61];
    // Ellipses wide enough to reach the neighbour's centre, as in a tiny window.
    view.holeRadiusX = c61.x - c60.x;
    view.holeRadiusY = view.holeRadiusX;
    EXPECT_EQ(hitTestHole(view, c61.x, c61.y), 60);
    view.holeRadiusX = view.holeRadiusY = 3000;
    EXPECT_EQ(hitTestHole(view, c61.x, c61.y), 0);
}

TEST(HitTestHole, LargeBoardsNeedMoreThanSixteenBits)
{
    const BoardView view = boardAt(0, 0, 1000, 1000);
    ASSERT_EQ(view.holeRadiusX, 22);
    ASSERT_EQ(view.holeRadiusY, 22);
    const ScreenPoint c = view.holeScreen[120];
    EXPECT_EQ(hitTestHole(view, c.x + 22, c.y), 120);
    EXPECT_EQ(hitTestHole(view, c.x, c.y - 22), 120);
    EXPECT_EQ(hitTestHole(view, c.x + 22, c.y + 1), ListEnd);
}

TEST(HitTestHole, FarAwayPointsDoNotWrapAround)
{
    const BoardView view = boardAt(0, 0, 1000, 1000);
    for (const auto& [x, y] : {std::pair{2000000000, 500}, {-2000000000, -2000000000}, {500, 65536 + 500}})
        EXPECT_EQ(hitTestHole(view, x, y), ListEnd) << x << "," << y;
    Position pieces{};
    pieces[0] = {60, 0x1};
    EXPECT_TRUE(hitTestPiece(view, pieces, -2147483647, 500).outside);
}
