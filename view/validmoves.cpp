#include "view/validmoves.h"

#include "model/gamestate.h"
#include "view/boardflash.h"
#include "view/boardgeometry.h"
#include "view/colours.h"
#include "view/moveglide.h"

#include <QPainter>

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
        [shown, holes = std::move(holes)](QPainter& painter) {
            const BoardView& v = *shown;
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(colours::Outline, 1));
            painter.setBrush(colours::ValidMove);
            for (int hole : holes) {
                const ScreenPoint p = v.holeScreen[hole];
                painter.drawEllipse(QPointF(p.x + v.originX, p.y + v.originY), v.pieceRadiusX, v.pieceRadiusY);
            }
            painter.restore();
        },
        ValidMoveFlash);
}

void flashValidMoves(WindowCanvas& board, const BoardView& view, const GameState& state, MoveGenerator& moves,
                     int k)
{
    BoardFlash flash;
    startValidMovesFlash(flash, board, view, state, moves, k);
    waitPainting(flash.clock().due());
    flash.stop();
}

} // namespace tavolux
