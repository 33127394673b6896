#include "view/windowcanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace tavolux {

WindowCanvas::WindowCanvas(QWidget* parent) : QWidget(parent)
{
    // The picture covers every pixel: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

// One picture of screen size, made once; only a window larger than the
// screen or a move to a denser screen makes a new one.
void WindowCanvas::ensurePicture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize screenSize = screen() ? screen()->size() : size();
    const QSize wanted = screenSize.expandedTo(size());
    const QSize have = picture_.deviceIndependentSize().toSize();
    if (!picture_.isNull() && picture_.devicePixelRatio() == ratio && have.width() >= wanted.width()
        && have.height() >= wanted.height())
        return;
    picture_ = QPixmap(wanted * ratio);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::black);
}

QPixmap& WindowCanvas::picture()
{
    ensurePicture();
    return picture_;
}

void WindowCanvas::holdPicture(bool hold, std::function<void(QPainter&)> marks)
{
    held_ = hold;
    heldMarks_ = hold ? std::move(marks) : nullptr;
}

void WindowCanvas::drawFrame(const std::function<void(QPainter&)>& draw)
{
    {
        QPainter painter(&picture());
        draw(painter);
    }
    composeOnPaint_ = false;
    repaint();
    composeOnPaint_ = true;
}

void WindowCanvas::paintEvent(QPaintEvent* event)
{
    ensurePicture();
    if (composeOnPaint_ && !held_ && scene_.state) {
        QPainter painter(&picture_);
        paintMainWindow(painter, rect(), scene_);
    }
    // Only the part asked for is copied: a moving piece uncovers a little.
    const QRect area = event->rect();
    const qreal ratio = picture_.devicePixelRatio();
    QPainter window(this);
    window.drawPixmap(area, picture_, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    for (const auto& overlay : overlays_)
        overlay(window);
}

// The layout follows the new size first; a held picture is then composed
// anew for it, with its marks, so no part of the window shows the old size.
void WindowCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT resized();
    if (!held_ || !scene_.state)
        return;
    ensurePicture();
    QPainter painter(&picture_);
    paintMainWindow(painter, rect(), scene_);
    if (heldMarks_)
        heldMarks_(painter);
}

} // namespace tavolux
