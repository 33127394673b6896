#include "model/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace tavolux;

namespace {

struct TableRow {
    int hole;
    std::array<int, 6> neighbour;
    std::array<int, 6> jump;
    int zoneFlags;
};

// Rows checked by hand against a drawing of the board.
const TableRow KnownRows[] = {
    {0, {-1, -1, -1, -1, 1, 2}, {-1, -1, -1, -1, 3, 5}, 0x1001},
    {10, {11, -1, -1, -1, -1, 23}, {12, -1, -1, -1, -1, 35}, 0x10},
    {14, {15, 6, -1, 13, 26, 27}, {16, 3, -1, 12, 37, 39}, 0x101001},
    {18, {19, -1, 9, 17, 30, 31}, {20, -1, 5, 16, 41, 43}, 0x1001001},
    {22, {-1, -1, -1, 21, 34, -1}, {-1, -1, -1, 20, 45, -1}, 0x100},
    {56, {57, 47, 46, -1, 65, 66}, {58, 37, 35, -1, 75, 77}, 0x11000010},
    {60, {61, 51, 50, 59, 69, 70}, {62, 41, 39, 58, 79, 81}, 0},
    {64, {-1, 55, 54, 63, 73, 74}, {-1, 45, 43, 62, 83, 85}, 0x1001010},
    {89, {90, 78, 77, 88, 101, 102}, {91, 68, 66, 87, -1, 111}, 0x1100},
    {94, {95, 83, 82, 93, 106, 107}, {96, 73, 71, 92, 114, -1}, 0x1010},
    {98, {99, 86, -1, -1, -1, -1}, {100, 75, -1, -1, -1, -1}, 0x1100},
    {102, {103, 90, 89, 101, -1, 111}, {104, 79, 77, 100, -1, 115}, 0x11000001},
    {106, {107, 94, 93, 105, 114, -1}, {108, 83, 81, 104, 117, -1}, 0x10100001},
    {110, {-1, -1, 97, 109, -1, -1}, {-1, -1, 85, 108, -1, -1}, 0x1010},
    {120, {-1, 119, 118, -1, -1, -1}, {-1, 117, 115, -1, -1, -1}, 0x1},
};

TEST(HoleTable, KnownRowsMatch)
{
    for (const TableRow& row : KnownRows) {
        SCOPED_TRACE(row.hole);
        for (int d = 0; d < DirectionCount; ++d) {
            EXPECT_EQ(neighbour(row.hole, d), row.neighbour[d]) << "direction " << d;
            EXPECT_EQ(jump(row.hole, d), row.jump[d]) << "direction " << d;
        }
        EXPECT_EQ(zoneFlags(row.hole), row.zoneFlags);
    }
}

TEST(HoleTable, LinksAreSymmetricAndJumpsPassTheNeighbour)
{
    for (int h = 0; h < HoleCount; ++h) {
        for (int d = 0; d < DirectionCount; ++d) {
            const int back = (d + 3) % 6;
            const int n = neighbour(h, d);
            if (n >= 0) {
                EXPECT_EQ(neighbour(n, back), h) << h << " dir " << d;
            }
            const int j = jump(h, d);
            if (j >= 0) {
                ASSERT_GE(n, 0);
                EXPECT_EQ(neighbour(n, d), j);
                EXPECT_EQ(jump(j, back), h);
            }
        }
    }
}

TEST(HoleTable, CoordinatesRoundTripAndRowsHaveTheirLengths)
{
    for (int h = 0; h < HoleCount; ++h) {
        HoleCoord c = holeCoord(h);
        EXPECT_EQ(holeAt(c.row, c.col), h);
    }
    EXPECT_EQ(holeCoord(60).row, 8);
    EXPECT_EQ(holeCoord(60).col, 0);
    EXPECT_EQ(RowSpan[4] + 1, 13);
    EXPECT_EQ(RowSpan[12] + 1, 13);
    EXPECT_EQ(RowSpan[3] + 1, 4);
    EXPECT_EQ(RowSpan[13] + 1, 4);
    EXPECT_EQ(holeAt(4, 13), NoHole);
    EXPECT_EQ(holeAt(-1, 0), NoHole);
    EXPECT_EQ(holeAt(8, 1), NoHole); // odd offset in an even row
}

TEST(HoleTable, ZonesHoldFifteenHolesAndTheInteriorThirtySeven)
{
    int interior = 0, corners = 0;
    int perAxis[3] = {0, 0, 0};
    for (int h = 0; h < HoleCount; ++h) {
        const int f = zoneFlags(h);
        if (f == 0)
            ++interior;
        if ((f >> 16) != 0)
            ++corners;
        for (int half : {f & 0xFFFF, f >> 16})
            for (int p = 0; p < 3; ++p)
                if (half & OwnerMark[p])
                    ++perAxis[p];
    }
    EXPECT_EQ(interior, 37);
    EXPECT_EQ(corners, 6);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(perAxis[p], 30) << "two zones of fifteen holes for player " << p;
}

TEST(HoleDistance, KnownValuesAndShape)
{
    EXPECT_EQ(holeDistance(9, 0), 3);
    EXPECT_EQ(holeDistance(14, 0), 4);
    EXPECT_EQ(holeDistance(0, 120), 16);
    int largest = 0;
    for (int a = 0; a < HoleCount; ++a) {
        EXPECT_EQ(holeDistance(a, a), 0);
        for (int b = 0; b < HoleCount; ++b) {
            EXPECT_EQ(holeDistance(a, b), holeDistance(b, a));
            largest = std::max(largest, holeDistance(a, b));
        }
    }
    EXPECT_EQ(largest, 16);
}

TEST(HoleDistance, TargetRegionIsTheTenHolesWithinThreeStepsOfTheTip)
{
    for (int p = 0; p < PlayerCount; ++p) {
        std::vector<int> near;
        for (int h = 0; h < HoleCount; ++h)
            if (holeDistance(h, TargetApex[p]) <= 3)
                near.push_back(holeDistance(h, TargetApex[p]));
        std::sort(near.begin(), near.end());
        EXPECT_EQ(near, (std::vector<int>{0, 1, 1, 2, 2, 2, 3, 3, 3, 3})) << "player " << p;
        int total = 0;
        for (uint16_t h : StartHoles[p])
            total += holeDistance(h, TargetApex[p]);
        EXPECT_EQ(total, 140);
    }
}

} // namespace
