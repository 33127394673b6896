#include "model/board.h"

namespace tavolux {
namespace {

constexpr int RowFirstHole(int row) { return row == 0 ? 0 : RowLastHole[row - 1] + 1; }

constexpr HoleCoord coordOf(int hole)
{
    int row = 0;
    while (RowLastHole[row] < hole)
        ++row;
    int k = hole - RowFirstHole(row);
    return {row, 2 * k - RowSpan[row]};
}

constexpr int holeAtCoord(int row, int col)
{
    if (row < 0 || row >= RowCount)
        return NoHole;
    int span = RowSpan[row];
    if (col < -span || col > span || (col + span) % 2 != 0)
        return NoHole;
    return RowFirstHole(row) + (col + span) / 2;
}

constexpr int DeltaRow[DirectionCount] = {0, -1, -1, 0, 1, 1};
constexpr int DeltaCol[DirectionCount] = {2, 1, -1, -2, -1, 1};

constexpr int abs(int v) { return v < 0 ? -v : v; }

// The Zone descriptors a hole belongs to, in the order of the zone table:
// top, bottom, upper-left, lower-right, upper-right, lower-left.
constexpr int zoneFlagsOf(int row, int col)
{
    int found[2] = {0, 0};
    int n = 0;
    auto add = [&](int descriptor) { found[n++] = descriptor; };
    if (row <= 3 || (row == 4 && abs(col) <= 4))
        add(0x1001);
    if (row >= 13 || (row == 12 && abs(col) <= 4))
        add(0x1);
    if ((row >= 4 && row <= 7 && col < -row) || (col == -row && row >= 4 && row <= 8))
        add(0x10);
    if ((row >= 9 && row <= 12 && col > 16 - row) || (col == 16 - row && row >= 8 && row <= 12))
        add(0x1010);
    if ((row >= 4 && row <= 7 && col > row) || (col == row && row >= 4 && row <= 8))
        add(0x100);
    if ((row >= 9 && row <= 12 && col < row - 16) || (col == row - 16 && row >= 8 && row <= 12))
        add(0x1100);
    if (n < 2)
        return found[0];
    // A corner: the descriptor with the smaller axis bit goes low.
    int lo = found[0], hi = found[1];
    if ((hi & 0x111) < (lo & 0x111)) {
        int t = lo;
        lo = hi;
        hi = t;
    }
    return lo | (hi << 16);
}

constexpr std::array<HoleInfo, HoleCount> buildHoleTable()
{
    std::array<HoleInfo, HoleCount> table{};
    for (int h = 0; h < HoleCount; ++h) {
        HoleCoord c = coordOf(h);
        for (int d = 0; d < DirectionCount; ++d) {
            table[h].neighbour[d] = holeAtCoord(c.row + DeltaRow[d], c.col + DeltaCol[d]);
            table[h].jump[d] = holeAtCoord(c.row + 2 * DeltaRow[d], c.col + 2 * DeltaCol[d]);
        }
        table[h].zoneFlags = zoneFlagsOf(c.row, c.col);
    }
    return table;
}

constexpr std::array<std::array<uint16_t, HoleCount>, HoleCount> buildHoleDistance(
    const std::array<HoleInfo, HoleCount>& table)
{
    std::array<std::array<uint16_t, HoleCount>, HoleCount> dist{};
    for (int from = 0; from < HoleCount; ++from) {
        std::array<int, HoleCount> queue{};
        std::array<bool, HoleCount> seen{};
        int head = 0, tail = 0;
        queue[tail++] = from;
        seen[from] = true;
        while (head < tail) {
            int h = queue[head++];
            for (int n : table[h].neighbour) {
                if (n < 0 || seen[n])
                    continue;
                seen[n] = true;
                dist[from][n] = static_cast<uint16_t>(dist[from][h] + 1);
                queue[tail++] = n;
            }
        }
    }
    return dist;
}

} // namespace

constexpr std::array<HoleInfo, HoleCount> HoleTable = buildHoleTable();
constexpr std::array<std::array<uint16_t, HoleCount>, HoleCount> HoleDistance = buildHoleDistance(HoleTable);

HoleCoord holeCoord(int hole) { return coordOf(hole); }
int holeAt(int row, int col) { return holeAtCoord(row, col); }

} // namespace tavolux
