#pragma once
// The last moves on the board: a thin line along each move's path in the
// mover's colour and a ring of that colour on the rim of the hole it
// started from, each edged in black so that the light colours show on the
// white board and on the star points. Part of every composed board picture.

#include "view/lastmoves.h"

#include <vector>

class QPainter;

namespace tavolux {

struct BoardView;

// In board coordinates (the painter's origin at the board area's corner).
void drawLastMoves(QPainter& painter, const BoardView& view, const std::vector<PlayedMove>& moves);

} // namespace tavolux
