#pragma once
// Drawing of the board area: white ground, the coloured star points, the
// arrow markers at the tips, the grid lines, the holes and the pieces in
// play. Used for every paint of the main window and, frame by frame, while
// the board turns.

#include "model/types.h"
#include "view/boardgeometry.h"
#include "view/lastmoves.h"

#include <QPointF>

#include <vector>

class QPainter;

namespace tavolux {

// Draws the board of `view` at (originX, originY) of the painter's device.
// Pieces whose owner mark is 0 (out of play, or being dragged) are left out,
// and so is the piece `hiddenPiece` (an index into `pieces`, or -1), shown
// elsewhere while it moves. The last moves, if any, are drawn over the
// pieces. With `symbols` each piece carries its seat's symbol.
void drawBoard(QPainter& painter, const BoardView& view, const Position& pieces,
               const std::vector<PlayedMove>& lastMoves = {}, int hiddenPiece = -1, bool symbols = false);

// One piece: an ellipse of half-axes rx x ry in the painter's brush with a
// black outline and a small gloss in its upper-left part. The floating
// piece windows use it too, so a piece looks the same wherever it is.
// `symbol` is the seat whose symbol it carries, or NoSymbol.
void drawPiece(QPainter& painter, QPointF centre, int rx, int ry, int symbol = -1);

} // namespace tavolux
