// The faces of the two rotate buttons: a bevelled square with a curved arrow
// turning clockwise or counter-clockwise; pressed, the bevel is sunk and the
// arrow moves down and right by a pixel.
#include "resources/artwork.h"

#include "resources/artcache.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>
#include <numbers>

namespace tavolux::art {

namespace {

constexpr qreal Face = ButtonFaceSize;

void drawBevel(QPainter& p, bool pressed)
{
    const QRectF box(0.5, 0.5, Face - 1, Face - 1);
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, pressed ? QColor(176, 186, 200) : QColor(250, 252, 255));
    body.setColorAt(1, pressed ? QColor(214, 222, 232) : QColor(196, 206, 222));
    p.setPen(QPen(QColor(86, 98, 120), 1));
    p.setBrush(body);
    p.drawRoundedRect(box, 5, 5);
    QPen rim(pressed ? QColor(0, 0, 0, 60) : QColor(255, 255, 255, 220), 1.2);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(1.2, 1.2, -1.2, -1.2), 4, 4);
}

// A 280-degree arc around the centre with an arrowhead at its end.
QPainterPath arrowPath(bool clockwise)
{
    const QPointF c(Face / 2, Face / 2);
    const qreal r = 8.0;
    const qreal startDeg = 20, spanDeg = -280;
    QPainterPath arc;
    QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    arc.arcMoveTo(circle, startDeg);
    arc.arcTo(circle, startDeg, spanDeg);
    QPainterPathStroker stroker;
    stroker.setWidth(3.6);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath shape = stroker.createStroke(arc);

    const double end = (startDeg + spanDeg) * std::numbers::pi / 180.0;
    QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    QPointF along(std::sin(end), std::cos(end));   // direction of travel (clockwise on screen)
    QPointF outward(std::cos(end), -std::sin(end));
    QPainterPath head;
    head.moveTo(tip + along * 5.5);
    head.lineTo(tip + outward * 4.6 - along * 0.5);
    head.lineTo(tip - outward * 4.6 - along * 0.5);
    head.closeSubpath();
    shape = shape.united(head);
    if (clockwise)
        return shape;
    return QTransform(-1, 0, 0, 1, Face, 0).map(shape);
}

QPixmap drawFace(bool clockwise, bool pressed)
{
    QImage image = canvas(ButtonFaceSize, ButtonFaceSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBevel(p, pressed);
    QPainterPath arrow = arrowPath(clockwise).translated(pressed ? QPointF(0.8, 0.8) : QPointF());
    QLinearGradient blue(0, 6, 0, 26);
    blue.setColorAt(0, QColor(70, 150, 240));
    blue.setColorAt(1, QColor(20, 80, 180));
    p.setPen(QPen(QColor(12, 50, 120), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(blue);
    p.drawPath(arrow);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap rotateButtonFace(bool clockwise, bool pressed)
{
    QString key = QStringLiteral("rotate%1%2").arg(clockwise ? 'c' : 'a').arg(pressed ? 'p' : 'r');
    return cachedPixmap(key, [=] { return drawFace(clockwise, pressed); });
}

} // namespace tavolux::art
