#include "app/rotatebutton.h"

#include <QPainter>

namespace tavolux {

RotateButton::RotateButton(const QPixmap& released, const QPixmap& pressed, QWidget* parent)
    : QAbstractButton(parent), released_(released), pressed_(pressed)
{
    setFocusPolicy(Qt::NoFocus);
}

QSize RotateButton::sizeHint() const
{
    return {32, 32};
}

void RotateButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), isDown() ? pressed_ : released_);
}

} // namespace tavolux
