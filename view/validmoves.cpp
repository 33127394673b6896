#include "view/validmoves.h"

#include "model/gamestate.h"
#include "view/boardflash.h"
#include "view/boardgeometry.h"
#include "view/destinationmarks.h"

#include <vector>

namespace tavolux {

void startValidMovesFlash(BoardFlash& flash, WindowCanvas& board, const BoardView& view, const GameState& state,
                          MoveGenerator& moves, int k)
{
    moves.findDestinations(state.playerToMove, k, state.pieces);
    const BoardView* shown = &view;
    std::vector<int> holes(moves.destinations, moves.destinations + moves.reachCount);
    flash.start(
        board,
        [shown, holes = std::move(holes)](QPainter& painter) { drawDestinationMarks(painter, *shown, holes); },
        ValidMoveFlash);
}

} // namespace tavolux
