#include "view/trailpainter.h"

#include "view/boardgeometry.h"
#include "view/colours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

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

} // namespace

void drawLastMoves(QPainter& painter, const BoardView& view, const std::vector<PlayedMove>& moves)
{
    if (moves.empty())
        return;
    const double width = std::max(2.0, std::min(view.pieceRadiusX, view.pieceRadiusY) / 6.0);
    const double ringX = 0.62 * view.pieceRadiusX, ringY = 0.62 * view.pieceRadiusY;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const PlayedMove& m : moves) {
        if (m.path.empty() || m.start < 0 || m.start >= HoleCount)
            continue;
        const QColor colour = colours::player(m.player);
        QPainterPath line(at(view, m.start));
        for (int hole : m.path)
            if (hole >= 0 && hole < HoleCount)
                line.lineTo(at(view, hole));
        strokeEdged(painter, line, colour, width);
        QPainterPath ring;
        ring.addEllipse(at(view, m.start), ringX, ringY);
        strokeEdged(painter, ring, colour, width);
    }
    painter.restore();
}

} // namespace tavolux
