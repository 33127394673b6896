#include "view/destinationmarks.h"

#include "model/types.h"
#include "view/boardgeometry.h"
#include "view/colours.h"

#include <QPainter>

#include <algorithm>

namespace tavolux {

namespace {

// The middle of the hole's pixel, as the board is drawn.
QPointF centre(const BoardView& view, int hole)
{
    return {view.originX + view.holeScreen[hole].x + 0.5, view.originY + view.holeScreen[hole].y + 0.5};
}

bool onBoard(int hole)
{
    return hole >= 0 && hole < HoleCount;
}

} // namespace

DestinationBands destinationBands(const BoardView& view)
{
    const double r = std::min(view.holeRadiusX, view.holeRadiusY);
    return {std::max(2.5, r / 4.0), 0.36 * view.holeRadiusX, 0.36 * view.holeRadiusY};
}

void drawDestinationMarks(QPainter& painter, const BoardView& view, const std::vector<int>& holes)
{
    const DestinationBands b = destinationBands(view);
    const double rx = view.holeRadiusX, ry = view.holeRadiusY, w = b.width;
    const QPen dark(colours::Outline, w), light(colours::ValidMove, w);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int hole : holes) {
        if (!onBoard(hole))
            continue;
        const QPointF c = centre(view, hole);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(dark);
        painter.drawEllipse(c, rx + w / 2, ry + w / 2);
        painter.setPen(light);
        painter.drawEllipse(c, rx - w / 2, ry - w / 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours::ValidMove);
        painter.drawEllipse(c, b.dotX, b.dotY);
    }
    painter.restore();
}

void drawLiftedFrom(QPainter& painter, const BoardView& view, int hole, const QColor& mover)
{
    if (!onBoard(hole))
        return;
    const double w = destinationBands(view).width;
    const QPointF c = centre(view, hole);
    const double rx = std::max(1.0, view.holeRadiusX - w / 2), ry = std::max(1.0, view.holeRadiusY - w / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours::Outline, w + 2));
    painter.drawEllipse(c, rx, ry);
    painter.setPen(QPen(mover, w));
    painter.drawEllipse(c, rx, ry);
    painter.restore();
}

} // namespace tavolux
