#include "view/hintflash.h"

#include "view/boardflash.h"
#include "view/boardgeometry.h"
#include "view/colours.h"
#include "view/moveglide.h"
#include "view/windowcanvas.h"

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

} // namespace

void drawHintMarks(QPainter& painter, const BoardView& view, int start, const std::vector<int>& path)
{
    if (path.empty() || start < 0 || start >= HoleCount)
        return;
    const double rx = view.pieceRadiusX, ry = view.pieceRadiusY;
    const double width = std::max(3.0, std::min(rx, ry) / 3.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The line leaves the piece at its ring, so the piece shows whole.
    const QPointF from = at(view, start), towards = at(view, path.front());
    const double angle = std::atan2(towards.y() - from.y(), towards.x() - from.x());
    QPainterPath line(from + QPointF((rx + width) * std::cos(angle), (ry + width) * std::sin(angle)));
    for (int hole : path)
        if (hole >= 0 && hole < HoleCount)
            line.lineTo(at(view, hole));
    painter.strokePath(line, QPen(colours::Outline, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(line, QPen(colours::Hint, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // The piece stays visible inside its ring.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours::Outline, width + 2));
    painter.drawEllipse(at(view, start), rx + width, ry + width);
    painter.setPen(QPen(colours::Hint, width));
    painter.drawEllipse(at(view, start), rx + width, ry + width);

    painter.setPen(QPen(colours::Outline, 1));
    painter.setBrush(colours::Hint);
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        if (path[i] >= 0 && path[i] < HoleCount)
            painter.drawEllipse(at(view, path[i]), 0.5 * rx, 0.5 * ry);
    if (path.back() >= 0 && path.back() < HoleCount)
        painter.drawEllipse(at(view, path.back()), rx, ry);
    painter.restore();
}

void startHintFlash(BoardFlash& flash, WindowCanvas& board, const BoardView& view, int start,
                    std::vector<int> path)
{
    // Where the marks go: round the holes they join, as wide as the ring.
    QRect area;
    if (start >= 0 && start < HoleCount)
        area = QRect(view.holeScreen[start].x, view.holeScreen[start].y, 1, 1);
    for (int hole : path)
        if (hole >= 0 && hole < HoleCount)
            area |= QRect(view.holeScreen[hole].x, view.holeScreen[hole].y, 1, 1);
    const int reach = std::max(view.pieceRadiusX, view.pieceRadiusY) * 3 / 2 + 8;
    area = area.adjusted(-reach, -reach, reach, reach).translated(view.originX, view.originY);
    const BoardView* shown = &view;
    flash.start(
        board,
        [shown, start, path = std::move(path)](QPainter& painter) {
            painter.save();
            painter.translate(shown->originX, shown->originY);
            drawHintMarks(painter, *shown, start, path);
            painter.restore();
        },
        HintFlash, area);
}

} // namespace tavolux
