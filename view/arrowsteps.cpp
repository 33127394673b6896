#include "view/arrowsteps.h"

#include "model/types.h"
#include "view/boardgeometry.h"

#include <array>
#include <cmath>
#include <vector>

namespace tavolux {

namespace {

constexpr double DistanceTolerance = 0.01; // relative
constexpr double AngleToleranceDegrees = 1;

const double Pi = std::acos(-1.0);

PlanePoint unitVector(Arrow arrow)
{
    switch (arrow) {
    case Arrow::Right:
        return {1, 0};
    case Arrow::Up:
        return {0, 1};
    case Arrow::Left:
        return {-1, 0};
    case Arrow::Down:
        break;
    }
    return {0, -1};
}

struct Candidate {
    int index;
    double distance;
    double degrees; // off the direction, 0..180
};

} // namespace

int pointInDirection(std::span<const PlanePoint> points, int from, Arrow arrow)
{
    if (from < 0 || static_cast<size_t>(from) >= points.size())
        return NoHole;
    const PlanePoint origin = points[from];
    const PlanePoint dir = unitVector(arrow);
    std::vector<Candidate> cone;
    double nearest = INFINITY;
    for (size_t i = 0; i < points.size(); ++i) {
        const double dx = points[i].x - origin.x, dy = points[i].y - origin.y;
        const double distance = std::hypot(dx, dy);
        if (static_cast<int>(i) == from || distance < 1e-9)
            continue;
        const double along = dx * dir.x + dy * dir.y, across = dx * dir.y - dy * dir.x;
        const double degrees = std::abs(std::atan2(across, along)) * 180 / Pi;
        if (degrees > ArrowConeDegrees + AngleToleranceDegrees)
            continue;
        cone.push_back({static_cast<int>(i), distance, degrees});
        nearest = std::min(nearest, distance);
    }
    double straightest = INFINITY;
    for (const Candidate& c : cone)
        if (c.distance <= nearest * (1 + DistanceTolerance))
            straightest = std::min(straightest, c.degrees);
    for (const Candidate& c : cone) // in index order: the first that is left wins
        if (c.distance <= nearest * (1 + DistanceTolerance) && c.degrees <= straightest + AngleToleranceDegrees)
            return c.index;
    return NoHole;
}

int holeInDirection(int from, Arrow arrow, double rotation)
{
    const auto& polar = holePolar();
    std::array<PlanePoint, HoleCount> turned;
    for (int h = 0; h < HoleCount; ++h)
        turned[h] = {polar[h].radius * std::cos(polar[h].angle + rotation),
                     polar[h].radius * std::sin(polar[h].angle + rotation)};
    return pointInDirection(turned, from, arrow);
}

} // namespace tavolux
