#pragma once
// Where a piece in the hand may go, and where it came from, drawn over the
// board in the window's coordinates. A destination is a target on its
// hole: a light dot in the middle and a band round the hole's rim, light
// on the hole's side and black on the side of the ground around it, so
// that some of the mark stands out from the dark hole and some from every
// ground it may lie on (the white board, the coloured points, the white
// tips). The hole a lifted piece came from gets a ring of the mover's
// colour edged in black, as the start of a last move has.

#include <vector>

class QColor;
class QPainter;

namespace tavolux {

struct BoardView;

// The bands of the destination mark, in pixels, for holes of half-axes
// rx x ry: the light band lies inside the rim, the dark one outside it.
struct DestinationBands {
    double width;
    double dotX, dotY; // half-axes of the dot
};
DestinationBands destinationBands(const BoardView& view);

void drawDestinationMarks(QPainter& painter, const BoardView& view, const std::vector<int>& holes);
void drawLiftedFrom(QPainter& painter, const BoardView& view, int hole, const QColor& mover);

} // namespace tavolux
