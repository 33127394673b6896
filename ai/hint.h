#pragma once
// A suggested move for the player to move: the computer player's own search
// as a computer player with both styles Neutral would run it, without the
// random term, so the same position always gets the same suggestion. The
// game record is not changed.

#include "ai/search.h"
#include "model/gamestate.h"

#include <optional>
#include <vector>

namespace tavolux {

struct SuggestedMove {
    int piece = 0;
    int start = 0;         // the piece's hole
    std::vector<int> path; // the landing holes after the start, ending with the destination
    int destination() const { return path.back(); }
};

// The suggestion for state.playerToMove, or nothing when that player has no
// legal move. `search` is only working storage.
std::optional<SuggestedMove> suggestMove(const GameState& state, MoveSearch& search);
// The same with a search of its own.
std::optional<SuggestedMove> suggestMove(const GameState& state);

} // namespace tavolux
