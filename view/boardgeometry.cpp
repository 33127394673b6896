#include "view/boardgeometry.h"

#include "model/board.h"

#include <cmath>

namespace tavolux {

const double ViewStep = std::acos(0.5);

namespace {

// Half the distance between neighbouring holes of a row; rows are 0.125 apart.
const double HalfPitch = 1.0 / (8.0 * std::sqrt(3.0));
constexpr double RowStep = 0.125;

double angleOf(double x, double y, double radius)
{
    if (radius < 1e-12)
        return 0;
    if (x >= 0)
        return std::asin(y / radius);
    return y >= 0 ? std::acos(x / radius) : -std::acos(x / radius);
}

// The model positions are accumulated row by row, exactly as the board has
// always been laid out, so that truncated pixel positions stay the same.
std::array<PolarPoint, HoleCount> computeHolePolar()
{
    std::array<PolarPoint, HoleCount> polar{};
    double x = 0, y = 1.0;
    int row = 0;
    for (int h = 0; h < HoleCount; ++h) {
        const double radius = std::sqrt(x * x + y * y);
        polar[h] = {radius, angleOf(x, y, radius)};
        x += 2 * HalfPitch;
        if (h == RowLastHole[row]) {
            ++row;
            x = row < RowCount ? -HalfPitch * RowSpan[row] : 0;
            y -= RowStep;
        }
    }
    return polar;
}

struct MarkerCorner {
    double radius;
    double offset;
};

// Shape A (even markers) points to the centre, shape B (odd) away from it.
constexpr MarkerCorner MarkerShapes[2][4] = {
    {{1.07, 0}, {1.1, 0.05}, {1.095, 0}, {1.1, -0.05}},
    {{1.1, 0}, {1.05, 0.05}, {1.07, 0}, {1.05, -0.05}},
};

ScreenPoint project(int cx, int cy, double sx, double sy, double angle, double radius)
{
    return {cx + static_cast<int>(std::cos(angle) * radius * sx),
            cy - static_cast<int>(std::sin(angle) * radius * sy)};
}

bool insideEllipse(int64_t u, int64_t v, int64_t x, int64_t y, int64_t a, int64_t b)
{
    const int64_t du = u - x, dv = v - y;
    // Outside the bounding box: also keeps the products below from overflowing.
    if (du > a || du < -a || dv > b || dv < -b)
        return false;
    return b * b * du * du + a * a * dv * dv <= a * a * b * b;
}

} // namespace

const std::array<PolarPoint, HoleCount>& holePolar()
{
    static const std::array<PolarPoint, HoleCount> table = computeHolePolar();
    return table;
}

void buildBoardTables()
{
    holePolar();
}

void setBoardArea(BoardView& view, int clientWidth, int clientHeight)
{
    view.width = static_cast<int>(0.6 * clientWidth);
    view.height = static_cast<int>(0.95 * clientHeight);
    view.originX = static_cast<int>(0.025 * clientWidth);
    view.originY = static_cast<int>(0.025 * clientHeight);
}

void layoutBoard(BoardView& view)
{
    const int cx = view.width / 2, cy = view.height / 2;
    const double sx = 0.45 * view.width, sy = 0.45 * view.height;
    const auto& polar = holePolar();
    for (int h = 0; h < HoleCount; ++h)
        view.holeScreen[h] = project(cx, cy, sx, sy, polar[h].angle + view.rotation, polar[h].radius);

    view.tipRadiusX = static_cast<int>(sx * 0.07);
    view.tipRadiusY = static_cast<int>(sy * 0.07);
    view.holeRadiusX = static_cast<int>(sx * 0.05);
    view.holeRadiusY = static_cast<int>(sy * 0.05);
    view.pieceRadiusX = static_cast<int>(sx * 0.04);
    view.pieceRadiusY = static_cast<int>(sy * 0.04);

    double phi = ViewStep * 0.5;
    for (int k = 0; k < 6; ++k, phi += ViewStep) {
        const MarkerCorner* shape = MarkerShapes[k % 2];
        for (int j = 0; j < 4; ++j)
            view.tipMarkers[k][j] = project(cx, cy, sx, sy, shape[j].offset + view.rotation + phi, shape[j].radius);
    }
}

void setViewSteps(BoardView& view, int boardRotation)
{
    view.rotation = boardRotation * ViewStep;
    layoutBoard(view);
}

PieceHit hitTestPiece(const BoardView& view, const Position& pieces, int x, int y)
{
    const int64_t u = int64_t{x} - view.originX, v = int64_t{y} - view.originY;
    if (u <= 0 || u >= view.width || v <= 0 || v >= view.height)
        return {NoPiece, true};
    for (int k = 0; k < PieceCount; ++k) {
        if (pieces[k].owner == 0 || pieces[k].hole >= HoleCount)
            continue;
        const ScreenPoint c = view.holeScreen[pieces[k].hole];
        if (insideEllipse(u, v, c.x, c.y, view.pieceRadiusX, view.pieceRadiusY))
            return {k, false};
    }
    return {NoPiece, false};
}

int hitTestHole(const BoardView& view, int x, int y)
{
    const int64_t u = int64_t{x} - view.originX, v = int64_t{y} - view.originY;
    for (int h = 0; h < HoleCount; ++h) {
        const ScreenPoint c = view.holeScreen[h];
        if (insideEllipse(u, v, c.x, c.y, view.holeRadiusX, view.holeRadiusY))
            return h;
    }
    return ListEnd;
}

} // namespace tavolux
