// The five people among the player portraits: a man, a woman, a boy, a girl
// and a baby, each with one feature that tells them apart at a glance (tie,
// long hair, cap, pigtails, dummy).
#include "resources/portrait.h"

namespace tavolux::art::portrait {

namespace {

const QColor FairSkin(250, 214, 180);
const QColor WarmSkin(232, 184, 140);
const QColor RosySkin(255, 222, 200);

// A sweep of hair: outline from left temple over the crown to the right
// temple, then back along the hairline.
QPainterPath hairCap(qreal left, qreal right, qreal top, qreal bottom, qreal hairline)
{
    const qreal mid = (left + right) / 2;
    QPainterPath hair;
    hair.moveTo(left, bottom);
    hair.cubicTo(left - 3, top + 4, mid - 10, top - 4, mid + 4, top);
    hair.cubicTo(right + 2, top + 4, right + 3, top + 16, right, bottom);
    hair.lineTo(right - 2, hairline + 6);
    hair.quadTo(mid + 8, hairline - 4, mid - 4, hairline);
    hair.quadTo(left + 6, hairline + 2, left + 2, bottom);
    hair.closeSubpath();
    return hair;
}

void collarAndTie(QPainter& p)
{
    p.setPen(QPen(QColor(170, 170, 180), 0.8));
    p.setBrush(QColor(250, 250, 252));
    p.drawPolygon(QPolygonF({QPointF(38, 74), QPointF(48, 80), QPointF(44, 90), QPointF(34, 78)}));
    p.drawPolygon(QPolygonF({QPointF(58, 74), QPointF(48, 80), QPointF(52, 90), QPointF(62, 78)}));
    p.setPen(QPen(QColor(120, 20, 30), 0.8));
    p.setBrush(QColor(205, 40, 52));
    p.drawPolygon(QPolygonF({QPointF(45, 80), QPointF(51, 80), QPointF(50, 84), QPointF(46, 84)}));
    p.drawPolygon(QPolygonF({QPointF(46, 84), QPointF(50, 84), QPointF(53, 96), QPointF(48, 99), QPointF(43, 96)}));
}

void moustache(QPainter& p, QPointF c, const QColor& colour)
{
    QPainterPath m;
    m.moveTo(c);
    m.cubicTo(c.x() - 3, c.y() - 3, c.x() - 9, c.y() - 2, c.x() - 9, c.y() + 2);
    m.cubicTo(c.x() - 6, c.y() + 1, c.x() - 3, c.y() + 2, c.x(), c.y());
    m.cubicTo(c.x() + 3, c.y() + 2, c.x() + 6, c.y() + 1, c.x() + 9, c.y() + 2);
    m.cubicTo(c.x() + 9, c.y() - 2, c.x() + 3, c.y() - 3, c.x(), c.y());
    p.setPen(QPen(colour.darker(130), 0.6));
    p.setBrush(colour);
    p.drawPath(m);
}

void lips(QPainter& p, QPointF c, qreal halfWidth)
{
    QPainterPath mouth;
    mouth.moveTo(c.x() - halfWidth, c.y());
    mouth.cubicTo(c.x() - halfWidth * 0.5, c.y() - 2.4, c.x() - 1, c.y() - 1.6, c.x(), c.y() - 0.8);
    mouth.cubicTo(c.x() + 1, c.y() - 1.6, c.x() + halfWidth * 0.5, c.y() - 2.4, c.x() + halfWidth, c.y());
    mouth.cubicTo(c.x() + halfWidth * 0.5, c.y() + 4, c.x() - halfWidth * 0.5, c.y() + 4, c.x() - halfWidth, c.y());
    p.setPen(QPen(QColor(150, 20, 50), 0.6));
    p.setBrush(QColor(214, 46, 84));
    p.drawPath(mouth);
    p.setPen(QPen(QColor(130, 20, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath parting;
    parting.moveTo(c.x() - halfWidth, c.y());
    parting.quadTo(c.x(), c.y() + 1.6, c.x() + halfWidth, c.y());
    p.setBrush(Qt::NoBrush);
    p.drawPath(parting);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(c.x() + 1.5, c.y() + 2), 1.6, 0.7);
}

void lashes(QPainter& p, QPointF left, QPointF right, qreal r)
{
    p.setPen(QPen(QColor(40, 24, 20), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(left + QPointF(-r * 1.2, -r * 0.3), left + QPointF(-r * 2.0, -r * 0.9));
    p.drawLine(left + QPointF(-r * 0.8, -r * 0.8), left + QPointF(-r * 1.3, -r * 1.6));
    p.drawLine(right + QPointF(r * 1.2, -r * 0.3), right + QPointF(r * 2.0, -r * 0.9));
    p.drawLine(right + QPointF(r * 0.8, -r * 0.8), right + QPointF(r * 1.3, -r * 1.6));
}

void freckles(QPainter& p, QPointF left, QPointF right)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 110, 70, 150));
    for (QPointF c : {left, right}) {
        p.drawEllipse(c, 0.7, 0.7);
        p.drawEllipse(c + QPointF(2.2, 0.8), 0.6, 0.6);
        p.drawEllipse(c + QPointF(-1.8, 1.4), 0.6, 0.6);
    }
}

void earring(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(150, 100, 10), 0.6));
    p.setBrush(QColor(250, 205, 60));
    p.drawEllipse(c, 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 220));
    p.drawEllipse(c + QPointF(-0.7, -0.7), 0.7, 0.7);
}

void pearls(QPainter& p)
{
    p.setPen(QPen(QColor(190, 180, 170), 0.4));
    p.setBrush(QColor(252, 250, 244));
    for (int i = -3; i <= 3; ++i)
        p.drawEllipse(QPointF(48 + i * 3.0, 80 - 0.35 * i * i), 1.4, 1.4);
}

void bow(QPainter& p, QPointF c, const QColor& colour)
{
    p.setPen(QPen(colour.darker(150), 0.7));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({c, c + QPointF(-7, -5), c + QPointF(-7, 5)}));
    p.drawPolygon(QPolygonF({c, c + QPointF(7, -5), c + QPointF(7, 5)}));
    p.drawEllipse(c, 2.2, 2.2);
}

void dummy(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(40, 120, 190), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(0, 6), 4, 3.4);
    p.setPen(QPen(QColor(40, 120, 190), 0.8));
    QLinearGradient shield(c - QPointF(0, 4), c + QPointF(0, 4));
    shield.setColorAt(0, QColor(150, 210, 255));
    shield.setColorAt(1, QColor(70, 150, 220));
    p.setBrush(shield);
    p.drawRoundedRect(QRectF(c.x() - 9, c.y() - 3.5, 18, 7), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(c + QPointF(-4, -1.5), 2.5, 1.0);
    p.setBrush(QColor(40, 120, 190));
    p.drawEllipse(c, 1.5, 1.5);
}

} // namespace

void guy(QPainter& p)
{
    backdrop(p, QColor(206, 226, 246), QColor(84, 126, 184));
    shoulders(p, QColor(70, 82, 110), 72, 42);
    neck(p, WarmSkin, 58, 78, 8);
    collarAndTie(p);
    ear(p, QPointF(29, 47), 4, 6, WarmSkin);
    ear(p, QPointF(67, 47), 4, 6, WarmSkin);
    head(p, QRectF(29, 20, 38, 49), WarmSkin);
    const QColor hair(86, 54, 32);
    fillShaded(p, hairCap(29, 67, 16, 46, 30), hair);
    p.setPen(QPen(hair.darker(150), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath parting;
    parting.moveTo(38, 31);
    parting.quadTo(37, 24, 41, 18);
    p.drawPath(parting);
    eyes(p, QPointF(41, 45), QPointF(55, 45), 2.5, QColor(110, 76, 44));
    brows(p, QPointF(41, 39.5), QPointF(55, 39.5), 4.5, 1.2, hair, 2.0);
    nose(p, QPointF(48, 52), 2.6, WarmSkin);
    moustache(p, QPointF(48, 56.5), hair);
    smile(p, QPointF(48, 60.5), 5.5, 1.8, false);
}

void lady(QPainter& p)
{
    backdrop(p, QColor(252, 222, 234), QColor(190, 96, 144));
    shoulders(p, QColor(150, 70, 180), 76, 38);
    const QColor hair(168, 74, 36);
    QPainterPath back;
    back.moveTo(48, 13);
    back.cubicTo(18, 13, 20, 42, 22, 60);
    back.cubicTo(23, 74, 15, 84, 22, 92);
    back.cubicTo(30, 86, 34, 80, 36, 74);
    back.lineTo(60, 74);
    back.cubicTo(62, 80, 66, 86, 74, 92);
    back.cubicTo(81, 84, 73, 74, 74, 60);
    back.cubicTo(76, 42, 78, 13, 48, 13);
    fillShaded(p, back, hair);
    neck(p, FairSkin, 58, 80, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(FairSkin.darker(106));
    p.drawPolygon(QPolygonF({QPointF(40, 76), QPointF(56, 76), QPointF(48, 88)}));
    pearls(p);
    head(p, QRectF(30, 22, 36, 46), FairSkin);
    QPainterPath bangs;
    bangs.moveTo(30, 46);
    bangs.cubicTo(27, 22, 46, 14, 60, 19);
    bangs.cubicTo(70, 24, 69, 36, 66.5, 46);
    bangs.quadTo(63, 32, 52, 28);
    bangs.quadTo(42, 36, 33, 40);
    bangs.closeSubpath();
    fillShaded(p, bangs, hair);
    earring(p, QPointF(30.5, 56));
    earring(p, QPointF(65.5, 56));
    lashes(p, QPointF(41, 47), QPointF(55, 47), 2.6);
    eyes(p, QPointF(41, 47), QPointF(55, 47), 2.6, QColor(60, 140, 90));
    brows(p, QPointF(41, 41), QPointF(55, 41), 4, 1.8, hair.darker(130), 1.1);
    nose(p, QPointF(48, 53), 2.2, FairSkin);
    cheeks(p, QPointF(37, 55), QPointF(59, 55), 4.5, 70);
    lips(p, QPointF(48, 59.5), 5);
}

void boy(QPainter& p)
{
    backdrop(p, QColor(218, 244, 206), QColor(92, 168, 86));
    shoulders(p, QColor(242, 140, 36), 77, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRect(QRectF(14, 88, 68, 3));
    neck(p, RosySkin, 60, 80, 7);
    ear(p, QPointF(28, 50), 4, 5.5, RosySkin);
    ear(p, QPointF(68, 50), 4, 5.5, RosySkin);
    head(p, QRectF(28, 24, 40, 45), RosySkin);
    const QColor hair(120, 74, 34);
    fillShaded(p, hairCap(28, 68, 26, 46, 36), hair);
    const QColor cap(214, 36, 40);
    QPainterPath dome;
    dome.moveTo(26, 40);
    dome.cubicTo(24, 12, 72, 12, 70, 40);
    dome.quadTo(48, 33, 26, 40);
    fillShaded(p, dome, cap);
    QPainterPath visor;
    visor.moveTo(24, 40);
    visor.quadTo(48, 31, 72, 40);
    visor.quadTo(48, 48, 24, 40);
    fillShaded(p, visor, cap.darker(125));
    p.setPen(QPen(QColor(255, 255, 255), 1.4));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(48, 27), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(cap);
    p.drawEllipse(QPointF(48, 27), 2, 2);
    eyes(p, QPointF(41, 49), QPointF(55, 49), 2.7, QColor(60, 110, 200));
    brows(p, QPointF(41, 43.5), QPointF(55, 43.5), 3.8, 1.4, hair, 1.6);
    nose(p, QPointF(48, 55), 2.1, RosySkin);
    freckles(p, QPointF(37, 55), QPointF(57, 55));
    smile(p, QPointF(48, 59.5), 7, 3.4, true);
}

void girl(QPainter& p)
{
    backdrop(p, QColor(255, 244, 204), QColor(236, 160, 70));
    const QColor hair(226, 174, 76);
    QPainterPath tails;
    tails.addEllipse(QPointF(21, 58), 8, 14);
    tails.addEllipse(QPointF(75, 58), 8, 14);
    fillShaded(p, tails, hair);
    shoulders(p, QColor(228, 78, 122), 78, 34);
    neck(p, RosySkin, 60, 82, 6.5);
    p.setPen(QPen(QColor(200, 200, 210), 0.7));
    p.setBrush(QColor(255, 255, 255));
    p.drawChord(QRectF(34, 74, 14, 14), 180 * 16, 180 * 16);
    p.drawChord(QRectF(48, 74, 14, 14), 180 * 16, 180 * 16);
    head(p, QRectF(29, 25, 38, 43), RosySkin);
    QPainterPath top;
    top.moveTo(29, 47);
    top.cubicTo(25, 16, 71, 16, 67, 47);
    top.lineTo(65, 39);
    for (qreal x = 59; x > 33; x -= 6)
        top.quadTo(x + 3, 33, x, 38);
    top.quadTo(31, 36, 31, 39);
    top.closeSubpath();
    fillShaded(p, top, hair);
    bow(p, QPointF(24, 42), QColor(236, 70, 140));
    bow(p, QPointF(72, 42), QColor(236, 70, 140));
    eyes(p, QPointF(41, 48), QPointF(55, 48), 3.0, QColor(110, 70, 40));
    lashes(p, QPointF(41, 48), QPointF(55, 48), 2.6);
    brows(p, QPointF(41, 42.5), QPointF(55, 42.5), 3.4, 1.4, hair.darker(140), 1.1);
    nose(p, QPointF(48, 54), 1.8, RosySkin);
    cheeks(p, QPointF(37, 55), QPointF(59, 55), 4.5, 110);
    freckles(p, QPointF(38, 53.5), QPointF(56, 53.5));
    smile(p, QPointF(48, 58.5), 5.5, 2.8, true);
}

void baby(QPainter& p)
{
    backdrop(p, QColor(222, 238, 255), QColor(124, 172, 226));
    shoulders(p, QColor(250, 236, 170), 82, 30);
    p.setPen(QPen(QColor(240, 140, 170), 1.2));
    p.setBrush(QColor(255, 255, 255));
    p.drawChord(QRectF(33, 70, 30, 26), 180 * 16, 180 * 16);
    ear(p, QPointF(22.5, 50), 4, 5, RosySkin);
    ear(p, QPointF(73.5, 50), 4, 5, RosySkin);
    head(p, QRectF(22, 20, 52, 54), RosySkin);
    p.setPen(QPen(QColor(180, 120, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath curl;
    curl.moveTo(46, 22);
    curl.cubicTo(44, 12, 56, 12, 55, 18);
    curl.cubicTo(54, 22, 49, 21, 50, 18);
    p.drawPath(curl);
    eyes(p, QPointF(38.5, 47), QPointF(57.5, 47), 3.6, QColor(70, 130, 210));
    brows(p, QPointF(38.5, 40), QPointF(57.5, 40), 3.4, 1.2, QColor(200, 150, 100), 0.9);
    cheeks(p, QPointF(33, 57), QPointF(63, 57), 6, 120);
    nose(p, QPointF(48, 54), 1.6, RosySkin);
    dummy(p, QPointF(48, 62));
}

} // namespace tavolux::art::portrait
