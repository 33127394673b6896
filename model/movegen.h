#pragma once
// Where a piece may go in one move: a single step to an empty neighbour, or a
// chain of jumps over single pieces, filtered to the holes its player may stop
// on. The working lists live in one MoveGenerator; each call overwrites them.

#include "model/types.h"

namespace tavolux {

class MoveGenerator {
public:
    // Per hole: the owner mark standing there, 0 if empty. After
    // findDestinations it also holds the search's marks on landing holes.
    int32_t occupancy[HoleCount] = {};
    // Holes reached in order of discovery, then ListEnd.
    uint16_t reachList[HoleCount + 1] = {ListEnd};
    // The holes of reachList the player may stop on, same order, then ListEnd.
    uint16_t destinations[HoleCount + 1] = {ListEnd};
    // Entries of reachList before filtering; entries of destinations after.
    uint16_t reachCount = 0;

    void rebuildOccupancy(const Position& table);
    // Fills the lists for piece k of the table, moved by player p. Allocates
    // nothing; the table is not changed.
    void findDestinations(int p, int k, const Position& table);

    // True when hole is among the destinations of the last call.
    bool isDestination(int hole) const;

private:
    void collectJumps(uint32_t mark, int from);
};

// True when a hole lies in the interior or in one of the player's own zones.
bool mayStopOn(int player, int hole);

} // namespace tavolux
