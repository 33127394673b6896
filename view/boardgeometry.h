#pragma once
// Where the holes of the star lie: once in the unit model frame (HolePolar),
// and in pixels for the current board area and view (BoardView, laid out on
// every resize and on every frame of a board turn). Also the two point
// queries of the mouse code. Pure arithmetic, no drawing.

#include "model/types.h"

#include <array>
#include <cstdint>

namespace tavolux {

// One 60-degree view step in radians, acos(0.5).
extern const double ViewStep;

// A hole in the model frame: distance from the centre and angle from the +x
// axis, counter-clockwise, in (-pi, pi].
struct PolarPoint {
    double radius = 0;
    double angle = 0;
};

// The polar positions of all holes, computed on first use.
const std::array<PolarPoint, HoleCount>& holePolar();
// Builds the board tables at start-up, before anything is drawn.
void buildBoardTables();

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

using TipMarker = std::array<ScreenPoint, 4>;

// The board area inside the main window and everything laid out in it: hole
// centres, the half-axes of tips, holes and pieces, and the six arrow
// markers beyond the tips. Coordinates are relative to the board area's
// top-left corner unless a name says otherwise.
struct BoardView {
    int width = 0;
    int height = 0;
    int originX = 0; // top-left corner in main-window client coordinates
    int originY = 0;
    double rotation = 0; // radians; positive turns the picture counter-clockwise

    int tipRadiusX = 0, tipRadiusY = 0;
    int holeRadiusX = 0, holeRadiusY = 0;
    int pieceRadiusX = 0, pieceRadiusY = 0;
    std::array<TipMarker, 6> tipMarkers{};
    std::array<ScreenPoint, HoleCount> holeScreen{};
    friend bool operator==(const BoardView&, const BoardView&) = default;
};

// Gives the view its area for a client area of w x h (h without the status
// bar); call layoutBoard afterwards.
void setBoardArea(BoardView& view, int clientWidth, int clientHeight);
// Recomputes hole centres, radii and markers from size and rotation.
void layoutBoard(BoardView& view);
// Sets the rotation to a whole number of view steps and lays out the board.
void setViewSteps(BoardView& view, int boardRotation);

// Result of looking for a piece under a point: the piece index, or NoPiece
// with `outside` telling whether the point left the board area.
struct PieceHit {
    int piece = NoPiece;
    bool outside = true;
};

// x, y in main-window client coordinates. Pieces out of play are skipped;
// the lowest index wins where ellipses overlap.
PieceHit hitTestPiece(const BoardView& view, const Position& pieces, int x, int y);
// The hole whose ellipse holds the point, or ListEnd (121) for none.
int hitTestHole(const BoardView& view, int x, int y);

} // namespace tavolux
