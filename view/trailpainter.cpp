#include "view/trailpainter.h"

#include "view/boardgeometry.h"
#include "view/colours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tavolux {

namespace {

QPointF at(const BoardView& view, int hole)
{
    return {double(view.holeScreen[hole].x), double(view.holeScreen[hole].y)};
}

// A stroke of `colour` edged by a black one a little wider beneath it.
void strokeEdged(QPainter& painter, const QPainterPath& path, const QColor& colour, double width)
{
    painter.strokePath(path, QPen(colours::Outline, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// The point of the ellipse of half-axes rx, ry round `from` that lies in
// the direction of `to`.
QPointF towards(QPointF from, QPointF to, double rx, double ry)
{
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    return from + QPointF(rx * std::cos(angle), ry * std::sin(angle));
}

} // namespace

void drawLastMoves(QPainter& painter, const BoardView& view, const std::vector<PlayedMove>& moves)
{
    if (moves.empty())
        return;
    const double width = std::max(3.0, std::min(view.pieceRadiusX, view.pieceRadiusY) / 4.0);
    // The ring lies on the rim of the hole; the line runs from the ring to
    // the rim of the piece at the destination, so that neither is covered.
    const double ringX = std::max(1.0, view.holeRadiusX - width / 2), ringY = std::max(1.0, view.holeRadiusY - width / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const PlayedMove& m : moves) {
        if (m.start < 0 || m.start >= HoleCount)
            continue;
        std::vector<QPointF> points{at(view, m.start)};
        for (int hole : m.path)
            if (hole >= 0 && hole < HoleCount)
                points.push_back(at(view, hole));
        if (points.size() < 2)
            continue;
        points.front() = towards(points[0], points[1], ringX, ringY);
        points.back() = towards(points.back(), points[points.size() - 2], view.pieceRadiusX, view.pieceRadiusY);

        const QColor colour = colours::player(m.player);
        QPainterPath line(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            line.lineTo(points[i]);
        strokeEdged(painter, line, colour, width);
        QPainterPath ring;
        ring.addEllipse(at(view, m.start), ringX, ringY);
        strokeEdged(painter, ring, colour, width);
    }
    painter.restore();
}

} // namespace tavolux
