#pragma once
// Where an arrow key leads from a hole: the nearest hole in the direction
// pressed, as the board is seen on screen. Measured on the holes' model
// positions turned by the board's view, so the choice does not depend on
// the window's size or on the board area's proportions. Pure arithmetic.

#include <span>

namespace tavolux {

enum class Arrow { Right, Up, Left, Down };

struct PlanePoint {
    double x = 0;
    double y = 0; // upwards, as on screen
};

// The widest angle between the direction pressed and a hole it may lead to.
inline constexpr double ArrowConeDegrees = 60;

// Among the points within ArrowConeDegrees of the arrow's direction as seen
// from points[from]: the nearest; of those, the one at the smaller angle to
// the direction; of those, the lowest index. Distances within 1 % and
// angles within 1 degree count as equal (the cone's edge too). NoHole (-1)
// when no point lies in the cone.
int pointInDirection(std::span<const PlanePoint> points, int from, Arrow arrow);

// The hole an arrow leads to from `from` on a board turned by `rotation`
// radians (counter-clockwise, as BoardView::rotation); NoHole for none.
int holeInDirection(int from, Arrow arrow, double rotation);

} // namespace tavolux
