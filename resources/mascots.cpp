// The two portraits that are not people: the computer, a little monitor with
// a face on its screen, and the teddy bear.
#include "resources/portrait.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace tavolux::art::portrait {

namespace {

void keyboard(QPainter& p)
{
    QPainterPath base;
    base.moveTo(16, 82);
    base.lineTo(80, 82);
    base.lineTo(88, 94);
    base.lineTo(8, 94);
    base.closeSubpath();
    fillShaded(p, base, QColor(214, 212, 204));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 158, 150));
    for (int row = 0; row < 3; ++row) {
        qreal y = 84 + row * 3.3;
        qreal inset = 16 - row * 2.6;
        for (qreal x = inset + 1; x < 96 - inset - 3; x += 4.6)
            p.drawRoundedRect(QRectF(x, y, 3.4, 2.2), 0.6, 0.6);
    }
}

void monitor(QPainter& p)
{
    p.setPen(QPen(QColor(130, 128, 120), 1));
    p.setBrush(QColor(190, 188, 180));
    p.drawRect(QRectF(42, 68, 12, 12));
    p.drawRoundedRect(QRectF(32, 76, 32, 6), 2, 2);
    QPainterPath body;
    body.addRoundedRect(QRectF(12, 12, 72, 60), 8, 8);
    fillShaded(p, body, QColor(232, 228, 214));
    QRectF screen(19, 18, 58, 44);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(30, 96, 104));
    glass.setColorAt(1, QColor(8, 36, 48));
    p.setPen(QPen(QColor(100, 96, 86), 1.2));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 230, 120));
    p.drawEllipse(QPointF(74, 67), 1.6, 1.6);
}

void screenFace(QPainter& p)
{
    const QColor glow(120, 255, 160);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 255, 160, 50));
    p.drawEllipse(QPointF(48, 40), 24, 18);
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(34, 28, 7, 10), 2.5, 2.5);
    p.drawRoundedRect(QRectF(55, 28, 7, 10), 2.5, 2.5);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(36.5, 30.5), 1.2, 1.2);
    p.drawEllipse(QPointF(57.5, 30.5), 1.2, 1.2);
    p.setPen(QPen(glow, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(37, 36, 22, 14), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (qreal y = 20; y < 62; y += 2.5)
        p.drawLine(QPointF(21, y), QPointF(75, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    QPainterPath sheen;
    sheen.moveTo(22, 21);
    sheen.lineTo(46, 21);
    sheen.lineTo(26, 48);
    sheen.lineTo(22, 48);
    sheen.closeSubpath();
    p.drawPath(sheen);
}

void antenna(QPainter& p)
{
    p.setPen(QPen(QColor(120, 118, 110), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 12), QPointF(48, 5));
    QRadialGradient ball(QPointF(47, 3), 3.5);
    ball.setColorAt(0, QColor(255, 170, 160));
    ball.setColorAt(1, QColor(210, 30, 40));
    p.setPen(QPen(QColor(140, 20, 30), 0.6));
    p.setBrush(ball);
    p.drawEllipse(QPointF(48, 4.5), 3.2, 3.2);
}

void bearEars(QPainter& p, const QColor& fur, const QColor& light)
{
    for (QPointF c : {QPointF(25, 24), QPointF(71, 24)}) {
        p.setPen(QPen(fur.darker(150), 0.9));
        p.setBrush(fur);
        p.drawEllipse(c, 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(c + QPointF(0, 1), 6, 6);
    }
}

void bearFace(QPainter& p, const QColor& light)
{
    p.setPen(QPen(light.darker(130), 0.7));
    p.setBrush(light);
    p.drawEllipse(QPointF(48, 57), 13, 10);
    QPainterPath nosePath;
    nosePath.moveTo(42, 50.5);
    nosePath.quadTo(48, 47.5, 54, 50.5);
    nosePath.quadTo(52, 56, 48, 56.5);
    nosePath.quadTo(44, 56, 42, 50.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 30, 24));
    p.drawPath(nosePath);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(46, 50.5), 1.8, 0.9);
    p.setPen(QPen(QColor(50, 30, 24), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(48, 56.5), QPointF(48, 59.5));
    p.drawArc(QRectF(42, 55.5, 6, 6), 200 * 16, 140 * 16);
    p.drawArc(QRectF(48, 55.5, 6, 6), 200 * 16, 140 * 16);
    for (QPointF c : {QPointF(38, 43), QPointF(58, 43)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 20, 18));
        p.drawEllipse(c, 3.4, 3.6);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(c + QPointF(-1.1, -1.2), 1.1, 1.1);
    }
}

void bowTie(QPainter& p, QPointF c)
{
    const QColor red(214, 36, 48);
    p.setPen(QPen(red.darker(160), 0.8));
    p.setBrush(red);
    p.drawPolygon(QPolygonF({c, c + QPointF(-10, -6), c + QPointF(-10, 6)}));
    p.drawPolygon(QPolygonF({c, c + QPointF(10, -6), c + QPointF(10, 6)}));
    p.drawRoundedRect(QRectF(c.x() - 3, c.y() - 3.5, 6, 7), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    for (QPointF d : {QPointF(-7, -1), QPointF(-5, 2.5), QPointF(6, -1.5), QPointF(7, 2)})
        p.drawEllipse(c + d, 0.9, 0.9);
}

} // namespace

void computer(QPainter& p)
{
    backdrop(p, QColor(228, 238, 244), QColor(120, 144, 170));
    keyboard(p);
    monitor(p);
    screenFace(p);
    antenna(p);
}

void bear(QPainter& p)
{
    backdrop(p, QColor(214, 240, 226), QColor(96, 166, 150));
    const QColor fur(168, 108, 56);
    const QColor light(236, 200, 154);
    QPainterPath body;
    body.addEllipse(QPointF(48, 100), 36, 28);
    fillShaded(p, body, fur);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(48, 98), 18, 14);
    bearEars(p, fur, light);
    QPainterPath face;
    face.addEllipse(QRectF(21, 17, 54, 54));
    fillShaded(p, face, fur);
    bearFace(p, light);
    bowTie(p, QPointF(48, 76));
}

} // namespace tavolux::art::portrait
