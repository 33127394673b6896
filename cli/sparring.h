#pragma once
// The sparring partner the tools measure the Expert against, not a
// strength players choose: the alpha-beta search over every player's moves
// with ten moves searched at each position and a budget of positions that
// takes about 0.3 s on a slow core.

#include "ai/duelsearch.h"

namespace tavolux::cli {

class SparringEngine : public DuelSearch {
public:
    SparringEngine() : DuelSearch(10, 120000) {}
};

} // namespace tavolux::cli
