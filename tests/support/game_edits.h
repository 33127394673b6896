#pragma once
// A position set up in a game the way the window brings one about: the
// record copied, edited and loaded, so the game stays the only one to
// change it.

#include "model/game.h"

namespace tavolux::testing {

// Loads the game's record as `edit` leaves it. The history starts empty;
// the move list starts from the new position, or keeps the moves made so
// far with `keepMoves`.
template <typename Edit>
void loadEdited(Game& game, Edit edit, bool keepMoves = false)
{
    GameState record = game.state();
    edit(record);
    if (!keepMoves) {
        game.load(record);
        return;
    }
    const MoveList past = game.moveList();
    game.load(record, &past);
}

} // namespace tavolux::testing
