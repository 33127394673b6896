#include "view/validmoves.h"

#include "model/gamestate.h"
#include "view/boardgeometry.h"
#include "view/colours.h"
#include "view/moveglide.h"
#include "view/windowcanvas.h"

#include <QPainter>

namespace tavolux {

void flashValidMoves(WindowCanvas& board, const BoardView& view, const GameState& state, MoveGenerator& moves,
                     int k)
{
    moves.findDestinations(state.playerToMove, k, state.pieces);
    board.holdPicture(false);
    board.repaint();
    const auto discs = [&](QPainter& painter) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colours::Outline, 1));
        painter.setBrush(colours::ValidMove);
        for (int i = 0; i < moves.reachCount; ++i) {
            const ScreenPoint p = view.holeScreen[moves.destinations[i]];
            painter.drawEllipse(QPointF(p.x + view.originX, p.y + view.originY), view.pieceRadiusX,
                                view.pieceRadiusY);
        }
        painter.restore();
    };
    // The discs stay while the window paints from its picture as it is.
    board.holdPicture(true, discs);
    board.drawFrame(discs);
    waitPainting(GlideClock::now() + ValidMoveFlash);
    board.holdPicture(false);
    board.update();
}

} // namespace tavolux
