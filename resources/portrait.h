#pragma once
// The building blocks of the 96 x 96 player portraits: a soft backdrop,
// shoulders, a shaded head and the features of a friendly cartoon face.
// Every position is in the portrait's own 96 x 96 coordinates.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace tavolux::art::portrait {

constexpr qreal Size = 96;

// A portrait drawn by paint on a fresh 96 x 96 canvas.
QPixmap make(const std::function<void(QPainter&)>& paint);

// A radial backdrop from inner (centre) to outer (corners), with a few soft rings.
void backdrop(QPainter& p, const QColor& inner, const QColor& outer);

// Shoulders and chest in cloth, their top edge at y = top, half as wide as halfWidth.
void shoulders(QPainter& p, const QColor& cloth, qreal top, qreal halfWidth);

// The neck, from the chin down into the collar.
void neck(QPainter& p, const QColor& skin, qreal top, qreal bottom, qreal halfWidth);

// An ear on the side of the head, centred on c.
void ear(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& skin);

// The head as a shaded oval in box.
void head(QPainter& p, const QRectF& box, const QColor& skin);

// Two friendly eyes of radius r, centred on left and right.
void eyes(QPainter& p, QPointF left, QPointF right, qreal r, const QColor& iris);

// Brows over the eyes, arched by lift.
void brows(QPainter& p, QPointF left, QPointF right, qreal halfWidth, qreal lift, const QColor& colour, qreal width);

// A small nose at c.
void nose(QPainter& p, QPointF c, qreal size, const QColor& skin);

// A smile centred on c, halfWidth wide and depth deep (an open smile when open).
void smile(QPainter& p, QPointF c, qreal halfWidth, qreal depth, bool open);

// Rosy cheeks below the eyes.
void cheeks(QPainter& p, QPointF left, QPointF right, qreal r, int alpha = 90);

// Fills path with a vertical gradient of colour and a slightly darker rim.
void fillShaded(QPainter& p, const QPainterPath& path, const QColor& colour);

} // namespace tavolux::art::portrait

namespace tavolux::art::portrait {

// The seven portraits, in picture order.
void computer(QPainter& p);
void guy(QPainter& p);
void lady(QPainter& p);
void boy(QPainter& p);
void girl(QPainter& p);
void baby(QPainter& p);
void bear(QPainter& p);

} // namespace tavolux::art::portrait
