// The two cursors of the board: an open hand over a piece the player to move
// may pick up, and a red "no" sign over anyone else's piece. Both are drawn at
// the classic 32 x 32 cursor size with their hot spot in the middle.
#include "resources/artwork.h"

#include "resources/artcache.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tavolux::art {

namespace {

constexpr int CursorSize = 32;
constexpr int HotSpot = 16;

constexpr qreal FingerLeft = 8.5, FingerWidth = 4.0;
constexpr qreal FingerTop[4] = {4.5, 2.5, 3.5, 6.5};

QPainterPath handOutline()
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(FingerLeft, 13, 4 * FingerWidth, 16), 5, 5);
    for (int i = 0; i < 4; ++i) {
        QPainterPath finger;
        finger.addRoundedRect(QRectF(FingerLeft + i * FingerWidth, FingerTop[i], FingerWidth, 18 - FingerTop[i]), 2, 2);
        hand = hand.united(finger);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.25, -1, 4.5, 11), 2.25, 2.25);
    hand = hand.united(QTransform().translate(9.5, 19.5).rotate(125).map(thumb));
    return hand.simplified();
}

QPixmap drawHand()
{
    QImage image = canvas(CursorSize, CursorSize, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand = handOutline();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(hand.translated(1.2, 1.2));
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int i = 1; i < 4; ++i) {
        qreal x = FingerLeft + i * FingerWidth;
        p.drawLine(QPointF(x, std::max(FingerTop[i - 1], FingerTop[i]) + 3), QPointF(x, 15.5));
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap drawNoSign()
{
    QImage image = canvas(CursorSize, CursorSize, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(HotSpot, HotSpot);
    const qreal r = 10.5;
    QPainterPath sign;
    sign.addEllipse(c, r, r);
    sign.moveTo(c + QPointF(-r * 0.7071, -r * 0.7071));
    sign.lineTo(c + QPointF(r * 0.7071, r * 0.7071));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(sign);
    p.setPen(QPen(QColor(214, 24, 32), 3.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(sign);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QCursor ownPieceCursor()
{
    return QCursor(cachedPixmap(QStringLiteral("cursorOwn"), drawHand), HotSpot, HotSpot);
}

QCursor otherPieceCursor()
{
    return QCursor(cachedPixmap(QStringLiteral("cursorOther"), drawNoSign), HotSpot, HotSpot);
}

} // namespace tavolux::art
