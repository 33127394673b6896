#pragma once
// A second, deliberately literal move search for the tests: heap nodes in a
// circular list used as a queue and then as a stack, the model's own move
// generator, double values and every step in the order the rules give it.
// It is slow and plain so that the real search can be checked against it.

#include "model/gamestate.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tavolux::testing {

struct ReferenceMove {
    int piece = 0;
    int hole = 0;
    friend bool operator==(const ReferenceMove&, const ReferenceMove&) = default;
};

struct ReferenceResult {
    int depth = 0;
    int candidates = 0;
    bool finishing = false;
    bool found = false;
    ReferenceMove move;
    uint64_t leaves = 0;
    int best = 0;                      // best whole-number leaf value
    std::vector<ReferenceMove> ties;   // by piece then hole
};

// random() gives the random term of each new node's value.
ReferenceResult referenceSearch(const GameState& state, const std::function<double()>& random);

} // namespace tavolux::testing
