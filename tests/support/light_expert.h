#pragma once
// The Expert with a fraction of its two-player search's positions: the
// same code choosing, at a pace for tests that play many moves.

#include "ai/expertsearch.h"

namespace tavolux::testing {

inline ExpertTuning lightExpert()
{
    ExpertTuning t;
    t.duelBudget = 40000;
    t.duelTableBits = 14;
    return t;
}

} // namespace tavolux::testing
