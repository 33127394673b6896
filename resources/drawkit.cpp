#include "resources/drawkit.h"

#include "model/board.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace tavolux::art {

namespace {

// The star's outline through its tips and inner corners, closed.
constexpr int StarOutline[13] = {18, 0, 14, 10, 56, 98, 102, 120, 106, 110, 64, 22, 18};

const QColor PointColours[3] = {QColor(222, 214, 60), QColor(60, 204, 214), QColor(214, 64, 56)};

QPolygonF outlinePolygon(QPointF centre, qreal pitch, int first, int count)
{
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon << starHole(StarOutline[first + i], centre, pitch);
    return polygon;
}

// The polygon grown by margin on every side, with rounded outer corners.
QPainterPath grown(const QPolygonF& polygon, qreal margin)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setWidth(2 * margin);
    stroker.setJoinStyle(Qt::RoundJoin);
    return path.united(stroker.createStroke(path)).simplified();
}

void drawPlate(QPainter& p, QPointF centre, const StarBoardLook& look)
{
    QPainterPath plate = grown(outlinePolygon(centre, look.pitch, 0, 12), look.plateMargin);
    QRectF box = plate.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 35, 10, 70));
    p.drawPath(plate.translated(look.pitch * 0.35, look.pitch * 0.5));
    QLinearGradient wood(box.topLeft(), box.bottomRight());
    wood.setColorAt(0, QColor(255, 250, 236));
    wood.setColorAt(1, QColor(236, 222, 190));
    p.setBrush(wood);
    p.setPen(QPen(QColor(120, 84, 40), std::max<qreal>(1.0, look.pitch * 0.12)));
    p.drawPath(plate);
}

void drawPoints(QPainter& p, QPointF centre, const StarBoardLook& look)
{
    p.setPen(Qt::NoPen);
    for (int pair = 0; pair < 3; ++pair) {
        QColor c = PointColours[pair];
        QLinearGradient shade(centre - QPointF(0, 8 * look.pitch), centre + QPointF(0, 8 * look.pitch));
        shade.setColorAt(0, c.lighter(118));
        shade.setColorAt(1, c.darker(108));
        p.setBrush(shade);
        p.drawPath(grown(outlinePolygon(centre, look.pitch, 2 * pair, 3), look.holeRadius * 0.9));
        p.drawPath(grown(outlinePolygon(centre, look.pitch, 2 * pair + 6, 3), look.holeRadius * 0.9));
    }
}

void drawGrid(QPainter& p, QPointF centre, const StarBoardLook& look)
{
    p.setPen(QPen(QColor(90, 70, 50, 110), std::max<qreal>(0.6, look.pitch * 0.07)));
    for (int hole = 0; hole < HoleCount; ++hole) {
        for (int dir : {East, SouthWest, SouthEast}) {
            int next = neighbour(hole, dir);
            if (next >= 0)
                p.drawLine(starHole(hole, centre, look.pitch), starHole(next, centre, look.pitch));
        }
    }
}

void drawHole(QPainter& p, QPointF c, qreal r)
{
    QRadialGradient dimple(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    dimple.setColorAt(0, QColor(40, 36, 34));
    dimple.setColorAt(0.7, QColor(72, 66, 60));
    dimple.setColorAt(1, QColor(150, 140, 124));
    p.setPen(Qt::NoPen);
    p.setBrush(dimple);
    p.drawEllipse(c, r, r);
}

} // namespace

const std::array<QColor, PlayerCount>& playerColours()
{
    static const std::array<QColor, PlayerCount> colours = {QColor(255, 255, 0), QColor(0, 255, 255),
                                                            QColor(255, 0, 0),   QColor(40, 90, 255),
                                                            QColor(20, 190, 40), QColor(255, 140, 0)};
    return colours;
}

void drawMarble(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(c + QPointF(r * 0.18, r * 0.28), r * 1.02, r * 0.98);
    QRadialGradient body(c, r, c - QPointF(r * 0.4, r * 0.45));
    body.setColorAt(0, colour.lighter(165));
    body.setColorAt(0.45, colour);
    body.setColorAt(1, colour.darker(190));
    p.setBrush(body);
    p.setPen(QPen(colour.darker(260), std::max<qreal>(0.5, r * 0.08)));
    p.drawEllipse(c, r, r);
    QRadialGradient gleam(c - QPointF(r * 0.35, r * 0.42), r * 0.42);
    gleam.setColorAt(0, QColor(255, 255, 255, 230));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gleam);
    p.drawEllipse(c - QPointF(r * 0.35, r * 0.42), r * 0.42, r * 0.34);
}

QPointF starHole(int hole, QPointF centre, qreal pitch)
{
    HoleCoord at = holeCoord(hole);
    return centre + QPointF(at.col * pitch / 2, (at.row - 8) * pitch * std::sqrt(3.0) / 2);
}

void placeStartPieces(StarBoardLook& look)
{
    look.pieceCount = 0;
    for (int player = 0; player < DesignSeatCount; ++player)
        for (uint16_t hole : StartHoles[player])
            look.pieces[look.pieceCount++] = {hole, player};
}

void drawStarBoard(QPainter& p, QPointF centre, const StarBoardLook& look)
{
    p.save();
    drawPlate(p, centre, look);
    drawPoints(p, centre, look);
    if (look.drawGrid)
        drawGrid(p, centre, look);
    if (look.drawHoles)
        for (int hole = 0; hole < HoleCount; ++hole)
            drawHole(p, starHole(hole, centre, look.pitch), look.holeRadius);
    for (int i = 0; i < look.pieceCount; ++i) {
        auto [hole, player] = look.pieces[i];
        drawMarble(p, starHole(hole, centre, look.pitch), look.marbleRadius, playerColours()[player]);
    }
    p.restore();
}

void drawNameLettering(QPainter& p, const QRectF& box)
{
    QFont font(QStringLiteral("DejaVu Serif"), 48, QFont::Bold);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Tavolux"));
    QRectF bounds = text.boundingRect();
    qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    QPainterPath letters = fit.map(text);
    QRectF area = letters.boundingRect();
    qreal rim = std::max<qreal>(1.0, area.height() * 0.045);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(letters.translated(rim * 0.8, rim * 1.2));
    QLinearGradient gold(area.topLeft(), area.bottomLeft());
    gold.setColorAt(0, QColor(255, 246, 190));
    gold.setColorAt(0.45, QColor(246, 196, 64));
    gold.setColorAt(0.55, QColor(222, 160, 34));
    gold.setColorAt(1, QColor(150, 92, 18));
    p.setPen(QPen(QColor(70, 38, 10), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(letters);
    p.restore();
}

} // namespace tavolux::art
