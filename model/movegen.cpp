#include "model/movegen.h"

#include "model/board.h"

namespace tavolux {

void MoveGenerator::rebuildOccupancy(const Position& table)
{
    for (auto& o : occupancy)
        o = 0;
    for (const PieceRecord& r : table)
        if (r.owner != 0)
            occupancy[r.hole] = static_cast<int32_t>(r.owner);
}

bool mayStopOn(int player, int hole)
{
    const uint32_t flags = static_cast<uint32_t>(zoneFlags(hole));
    const uint32_t low = flags & 0xFFFF, high = flags >> 16;
    return low == 0 || ((low | high) & axisMark(player)) != 0;
}

void MoveGenerator::collectJumps(uint32_t mark, int from)
{
    const HoleInfo& info = HoleTable[from];
    for (int d = 0; d < DirectionCount; ++d) {
        const int n = info.neighbour[d], j = info.jump[d];
        if (n >= 0 && occupancy[n] != 0 && j >= 0 && occupancy[j] == 0) {
            reachList[reachCount++] = static_cast<uint16_t>(j);
            occupancy[j] = static_cast<int32_t>(mark);
            collectJumps(mark, j);
        }
    }
}

void MoveGenerator::findDestinations(int p, int k, const Position& table)
{
    const int h = table[k].hole;
    const uint32_t mark = OwnerMark[p];
    rebuildOccupancy(table);
    occupancy[h] = static_cast<int32_t>(mark);
    reachCount = 0;
    collectJumps(mark, h);
    for (int d = 0; d < DirectionCount; ++d) {
        const int n = HoleTable[h].neighbour[d];
        if (n >= 0 && occupancy[n] == 0)
            reachList[reachCount++] = static_cast<uint16_t>(n);
    }
    reachList[reachCount] = ListEnd;

    uint16_t kept = 0;
    for (uint16_t i = 0; i < reachCount; ++i)
        if (mayStopOn(p, reachList[i]))
            destinations[kept++] = reachList[i];
    destinations[kept] = ListEnd;
    reachCount = kept;
}

bool MoveGenerator::isDestination(int hole) const
{
    for (const uint16_t* d = destinations; *d != ListEnd; ++d)
        if (*d == hole)
            return true;
    return false;
}

} // namespace tavolux
