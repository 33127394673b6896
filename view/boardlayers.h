#pragma once
// What the board's painting keeps from one paint to the next: the board
// without its pieces (ground, star points, markers, grid and holes) for the
// layout last shown, and a picture of a piece per colour and size. Each is
// drawn at the pixel density and on the pixel grid it is shown at, so that
// showing it gives the pixels drawing anew would give; each is drawn again
// as soon as what it shows changes (size, rotation, density, colour).

#include "view/boardgeometry.h"

#include <QColor>
#include <QPixmap>

#include <functional>

class QPainter;

namespace tavolux {

// Whether the painter puts board coordinates on whole device pixels at a
// whole-number density (no scaling, no rotation), so the kept pictures fit.
bool layersFit(const QPainter& painter);

// The empty board of `view`, view.width x view.height logical pixels at
// `density`; `draw` paints it (from the board area's corner) when the view's
// layout or the density differs from the picture kept.
QPixmap boardGround(const BoardView& view, int density, const std::function<void(QPainter&)>& draw);

// A piece of `colour` bearing `symbol` (a seat, or none) with half-axes rx x ry: a picture whose pixel
// (SpriteMargin + rx, SpriteMargin + ry) holds the piece's centre, offset by
// half a pixel as the board draws it; `draw` paints the piece around (0, 0)
// with the painter's brush in its colour.
constexpr int SpriteMargin = 2;
QPixmap pieceSprite(const QColor& colour, int symbol, int rx, int ry, int density, const std::function<void(QPainter&)>& draw);

} // namespace tavolux
