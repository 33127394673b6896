#pragma once
// The constant star board: hole numbering, the six directions, the neighbour
// and jump table with zone membership, the per-player tables and the step
// distances between any two holes. Everything here is fixed at compile time.

#include "model/types.h"

#include <array>

namespace tavolux {

enum Direction : int { East, NorthEast, NorthWest, West, SouthWest, SouthEast };
constexpr int DirectionCount = 6;

constexpr int RowCount = 17;

// One row of HoleTable: neighbours and jump landings per direction (-1 where
// there is none) and the zone descriptors (low half, high half for corners).
struct HoleInfo {
    int neighbour[DirectionCount];
    int jump[DirectionCount];
    int zoneFlags;
};

struct HoleCoord {
    int row;
    int col; // in half-hole units, each row centred on 0
};

// Seats 0..2 are the classic table: bottom, upper-left, upper-right. Seat
// k + 3 sits in seat k's target point and crosses to seat k's home.
constexpr uint32_t OwnerMark[PlayerCount] = {0x1, 0x10, 0x100, 0x1000, 0x10000, 0x100000};

// The axis bit of a seat's pair of Zones (home and target), as zoneFlags
// carries it: the owner mark of the classic seat on the same axis.
constexpr uint32_t axisMark(int p) { return OwnerMark[p % DesignSeatCount]; }

constexpr uint16_t StartHoles[PlayerCount][PiecesPerPlayer] = {
    {111, 112, 113, 114, 115, 116, 117, 118, 119, 120},
    {10, 11, 12, 13, 23, 24, 25, 35, 36, 46},
    {19, 20, 21, 22, 32, 33, 34, 44, 45, 55},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {74, 84, 85, 95, 96, 97, 107, 108, 109, 110},
    {65, 75, 76, 86, 87, 88, 98, 99, 100, 101},
};

constexpr uint16_t TargetApex[PlayerCount] = {0, 110, 98, 120, 10, 22};

// The seat across the board: its home is the other's target.
constexpr int oppositeSeat(int p) { return (p + DesignSeatCount) % PlayerCount; }

// Index of the last hole of each row and the number of holes in it minus one.
constexpr int RowLastHole[RowCount] = {0, 2, 5, 9, 22, 34, 45, 55, 64, 74, 85, 97, 110, 114, 117, 119, 120};
constexpr int RowSpan[RowCount] = {0, 1, 2, 3, 12, 11, 10, 9, 8, 9, 10, 11, 12, 3, 2, 1, 0};

HoleCoord holeCoord(int hole);
int holeAt(int row, int col); // -1 when (row, col) is not a hole

// The neighbour/jump/zone table, indexed by hole.
extern const std::array<HoleInfo, HoleCount> HoleTable;
// Least number of single steps between two holes, 0..16.
extern const std::array<std::array<uint16_t, HoleCount>, HoleCount> HoleDistance;

inline int neighbour(int hole, int direction) { return HoleTable[hole].neighbour[direction]; }
inline int jump(int hole, int direction) { return HoleTable[hole].jump[direction]; }
inline int zoneFlags(int hole) { return HoleTable[hole].zoneFlags; }
inline int holeDistance(int a, int b) { return HoleDistance[a][b]; }

} // namespace tavolux
