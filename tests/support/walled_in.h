#pragma once
// A player with no move at all: its pieces on their start holes, walled in
// by the other players' pieces on every hole they could step or jump to.

#include "model/board.h"
#include "model/gamestate.h"

#include <set>

namespace tavolux::testing {

// Every hole the ten pieces from `first` on could step or jump to.
inline std::set<int> wallAround(const Position& pieces, int first)
{
    std::set<int> mine, wall;
    for (int k = first; k < first + PiecesPerPlayer; ++k)
        mine.insert(pieces[k].hole);
    for (int h : mine)
        for (int d = 0; d < DirectionCount; ++d)
            for (int reach : {neighbour(h, d), jump(h, d)})
                if (reach >= 0 && !mine.count(reach))
                    wall.insert(reach);
    return wall;
}

// Player #2 (pieces 10..19) walled in by the pieces of players #1 and #3,
// taken in table order.
inline void wallInPlayerTwo(Position& pieces)
{
    int other = 0;
    for (int h : wallAround(pieces, 10)) {
        pieces[other].hole = static_cast<uint16_t>(h);
        other = other == 9 ? 20 : other + 1;
    }
}

} // namespace tavolux::testing
