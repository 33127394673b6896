#pragma once
// Drawing pieces shared by several pictures: the glossy marbles, the star
// board as it appears on the splash picture and the icons, and the lettering
// of the program's name.

#include "model/types.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace tavolux::art {

// The piece colours of seats 0..5, as the board paints them.
const std::array<QColor, PlayerCount>& playerColours();

// A glossy marble of radius r centred on c.
void drawMarble(QPainter& p, QPointF c, qreal r, const QColor& colour);

// Where hole 0..120 lies on a star board centred on centre whose
// neighbouring holes are pitch apart.
QPointF starHole(int hole, QPointF centre, qreal pitch);

// How a star board is drawn: the size of its plate and holes and which
// pieces stand on it (hole, player 0..2).
struct StarBoardLook {
    qreal pitch = 10;
    qreal plateMargin = 8;      // plate border beyond the outer holes
    qreal holeRadius = 2;
    qreal marbleRadius = 4;
    bool drawHoles = true;
    bool drawGrid = true;
    std::array<std::pair<int, int>, 40> pieces{};
    int pieceCount = 0;
};

// The start holes of every player, as pieces of a look.
void placeStartPieces(StarBoardLook& look);

// The whole star board: shadow, plate, coloured points, grid, holes, pieces.
void drawStarBoard(QPainter& p, QPointF centre, const StarBoardLook& look);

// "Tavolux" in gold lettering with a dark rim, filling box (aspect kept).
void drawNameLettering(QPainter& p, const QRectF& box);

} // namespace tavolux::art
