#pragma once
// The holes a piece passes on its way, for showing a computer move.

#include "model/types.h"

#include <vector>

namespace tavolux {

// The landing holes of a move from start to dest, after the start and ending
// with dest: one entry for a single step, one per jump for a chain. Of
// several chains the first found depth first is taken, the landings of a
// hole being tried last direction first. When no chain leads there the
// result is dest alone. `pieces` is the position before the move.
std::vector<int> findMovePath(const Position& pieces, int start, int dest);

} // namespace tavolux
