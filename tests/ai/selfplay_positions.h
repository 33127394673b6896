#pragma once
// Positions met in games among computer players, gathered through the
// game's own turn cycle, for tests that need many realistic positions.

#include "model/gamestate.h"

#include <cstdint>
#include <vector>

namespace tavolux::testing {

struct SelfPlayGame {
    std::vector<GameState> positions; // before every computer turn
    bool over = false;
    int finishCount = 0;
    uint16_t finishOrder[DesignSeatCount] = {};
};

// A game from the opening with the given active flags and styles
// ({lower, higher} per player), the tie-break seeded once; at most maxTurns.
SelfPlayGame playComputerGame(const int (&active)[DesignSeatCount], const int (&styles)[DesignSeatCount][2],
                              uint32_t seed, int maxTurns);

} // namespace tavolux::testing
