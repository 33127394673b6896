#pragma once
// Where a piece may go, shown for a moment: the destination mark on every
// legal destination of the piece for one and a half seconds, drawn over the
// window's picture, after which the board is shown as it is again. Nothing
// of the game changes.

#include "model/movegen.h"

#include <chrono>

namespace tavolux {

class BoardFlash;
class WindowCanvas;
struct BoardView;
struct GameState;

constexpr std::chrono::milliseconds ValidMoveFlash{1500};

// Starts `flash` on the destinations of piece k of the player to move and
// returns; the flash ends itself. `moves` does the move generation (its
// lists hold the piece's destinations afterwards). The view must outlive
// the flash: the discs follow it when the window changes size.
void startValidMovesFlash(BoardFlash& flash, WindowCanvas& board, const BoardView& view, const GameState& state,
                          MoveGenerator& moves, int k);

} // namespace tavolux
