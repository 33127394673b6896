#include "resources/portrait.h"

#include "resources/artcache.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace tavolux::art::portrait {

QPixmap make(const std::function<void(QPainter&)>& paint)
{
    QImage image = canvas(int(Size), int(Size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

void backdrop(QPainter& p, const QColor& inner, const QColor& outer)
{
    QRadialGradient glow(QPointF(Size * 0.5, Size * 0.42), Size * 0.75);
    glow.setColorAt(0, inner);
    glow.setColorAt(1, outer);
    p.fillRect(QRectF(0, 0, Size, Size), glow);
    p.setPen(QPen(QColor(255, 255, 255, 40), 3));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 20; r < Size; r += 14)
        p.drawEllipse(QPointF(Size * 0.5, Size * 0.42), r, r);
}

void shoulders(QPainter& p, const QColor& cloth, qreal top, qreal halfWidth)
{
    const qreal mid = Size / 2;
    QPainterPath body;
    body.moveTo(mid - halfWidth, Size + 2);
    body.lineTo(mid - halfWidth, top + 16);
    body.cubicTo(mid - halfWidth, top + 3, mid - halfWidth + 10, top, mid - 12, top);
    body.lineTo(mid + 12, top);
    body.cubicTo(mid + halfWidth - 10, top, mid + halfWidth, top + 3, mid + halfWidth, top + 16);
    body.lineTo(mid + halfWidth, Size + 2);
    body.closeSubpath();
    fillShaded(p, body, cloth);
}

void neck(QPainter& p, const QColor& skin, qreal top, qreal bottom, qreal halfWidth)
{
    const qreal mid = Size / 2;
    QPainterPath path;
    path.moveTo(mid - halfWidth, top);
    path.lineTo(mid - halfWidth, bottom - 3);
    path.quadTo(mid, bottom + 4, mid + halfWidth, bottom - 3);
    path.lineTo(mid + halfWidth, top);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(skin.darker(112));
    p.drawPath(path);
}

void ear(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& skin)
{
    p.setPen(QPen(skin.darker(135), 0.8));
    p.setBrush(skin);
    p.drawEllipse(c, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(skin.darker(118));
    p.drawEllipse(c, rx * 0.5, ry * 0.55);
}

void head(QPainter& p, const QRectF& box, const QColor& skin)
{
    QRadialGradient shade(box.center() - QPointF(box.width() * 0.12, box.height() * 0.15), box.width() * 0.75);
    shade.setColorAt(0, skin.lighter(110));
    shade.setColorAt(0.7, skin);
    shade.setColorAt(1, skin.darker(118));
    p.setPen(QPen(skin.darker(145), 0.9));
    p.setBrush(shade);
    p.drawEllipse(box);
}

void eyes(QPainter& p, QPointF left, QPointF right, qreal r, const QColor& iris)
{
    for (QPointF c : {left, right}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(c, r * 1.25, r * 1.05);
        QRadialGradient ball(c, r * 0.85);
        ball.setColorAt(0, iris.lighter(130));
        ball.setColorAt(1, iris.darker(140));
        p.setBrush(ball);
        p.drawEllipse(c + QPointF(0, r * 0.05), r * 0.82, r * 0.9);
        p.setBrush(QColor(20, 16, 16));
        p.drawEllipse(c + QPointF(0, r * 0.05), r * 0.42, r * 0.46);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.32), r * 0.26, r * 0.26);
        p.setPen(QPen(QColor(60, 40, 30), r * 0.28, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r * 1.25, c.y() - r * 1.05, r * 2.5, r * 2.1), 20 * 16, 140 * 16);
    }
}

void brows(QPainter& p, QPointF left, QPointF right, qreal halfWidth, qreal lift, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (QPointF c : {left, right}) {
        QPainterPath arch;
        arch.moveTo(c.x() - halfWidth, c.y() + lift * 0.3);
        arch.quadTo(c.x(), c.y() - lift, c.x() + halfWidth, c.y() + lift * 0.3);
        p.drawPath(arch);
    }
}

void nose(QPainter& p, QPointF c, qreal size, const QColor& skin)
{
    p.setPen(QPen(skin.darker(150), size * 0.35, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(c.x() - size * 0.2, c.y() - size * 1.2);
    hook.quadTo(c.x() - size * 0.9, c.y() + size * 0.6, c.x() + size * 0.4, c.y() + size * 0.5);
    p.drawPath(hook);
}

void smile(QPainter& p, QPointF c, qreal halfWidth, qreal depth, bool open)
{
    QPainterPath mouth;
    mouth.moveTo(c.x() - halfWidth, c.y());
    mouth.quadTo(c.x(), c.y() + depth * 2, c.x() + halfWidth, c.y());
    if (!open) {
        p.setPen(QPen(QColor(140, 50, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
        return;
    }
    mouth.quadTo(c.x(), c.y() + depth * 0.5, c.x() - halfWidth, c.y());
    p.setPen(QPen(QColor(120, 40, 40), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(150, 46, 52));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(c.x() - halfWidth, c.y() - 1, halfWidth * 2, depth * 0.75));
    p.setBrush(QColor(236, 120, 130));
    p.drawEllipse(QPointF(c.x(), c.y() + depth * 1.55), halfWidth * 0.55, depth * 0.6);
    p.restore();
}

void cheeks(QPainter& p, QPointF left, QPointF right, qreal r, int alpha)
{
    for (QPointF c : {left, right}) {
        QRadialGradient blush(c, r);
        blush.setColorAt(0, QColor(255, 110, 120, alpha));
        blush.setColorAt(1, QColor(255, 110, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(c, r, r);
    }
}

void fillShaded(QPainter& p, const QPainterPath& path, const QColor& colour)
{
    QRectF box = path.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, colour.lighter(118));
    shade.setColorAt(1, colour.darker(118));
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(shade);
    p.drawPath(path);
}

} // namespace tavolux::art::portrait
