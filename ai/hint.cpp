#include "ai/hint.h"

#include "model/movepath.h"

#include <memory>

namespace tavolux {

std::optional<SuggestedMove> suggestMove(const GameState& state, MoveSearch& search)
{
    GameState neutral = state;
    PlayerSlot& mover = neutral.slots[neutral.playerToMove];
    mover.styleTowardLower = Neutral;
    mover.styleTowardHigher = Neutral;
    TieBreak noRandom;
    noRandom.setEnabled(false);
    const SearchResult r = search.choose(neutral, noRandom);
    if (!r.found)
        return std::nullopt;
    SuggestedMove hint;
    hint.piece = r.move.piece;
    hint.start = state.pieces[r.move.piece].hole;
    hint.path = findMovePath(state.pieces, hint.start, r.move.hole);
    return hint;
}

std::optional<SuggestedMove> suggestMove(const GameState& state)
{
    const auto search = std::make_unique<MoveSearch>();
    return suggestMove(state, *search);
}

} // namespace tavolux
