#include "dialogs/picturebox.h"

#include "dialogs/dialogunits.h"
#include "view/windowpainter.h"

#include <QPainter>

namespace tavolux {

namespace {
constexpr double FrameFraction = 0.05;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PictureBox::setPicture(const QPixmap* picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    update();
}

// The controls' 80 x 68 dialog units.
QSize PictureBox::sizeHint() const
{
    return dialogUnits(this, 80, 68);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_ == nullptr || picture_->isNull()) {
        painter.fillRect(rect(), palette().window());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    drawFramedPicture(painter, rect(), *picture_, FrameFraction);
}

} // namespace tavolux
