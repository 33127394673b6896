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
    shown_.reset();
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

void WindowCanvas::drawFrame(const std::function<void(QPainter&)>& draw, const QRect& area)
{
    {
        QPainter painter(&picture());
        draw(painter);
    }
    stale_ |= area.isEmpty() ? rect() : area;
    composeOnPaint_ = false;
    if (area.isEmpty())
        repaint();
    else
        repaint(area);
    composeOnPaint_ = true;
}

QRegion WindowCanvas::changedArea() const
{
    if (!scene_.state || !scene_.layout || !shown_)
        return rect();
    return (sceneChanges(*shown_, sceneShown(scene_)) | stale_) & rect();
}

void WindowCanvas::refresh()
{
    if (const QRegion area = changedArea(); !area.isEmpty())
        update(area);
}

void WindowCanvas::repaintChanged()
{
    if (const QRegion area = changedArea(); !area.isEmpty())
        repaint(area);
}

// Composes `area` of the picture; all of it unless the rest of the picture
// shows the scene already.
void WindowCanvas::compose(const QRegion& area)
{
    QPainter painter(&picture_);
    if (area != QRegion(rect()))
        painter.setClipRegion(area);
    paintMainWindow(painter, rect(), scene_);
    shown_ = sceneShown(scene_);
    stale_ = QRegion();
}

void WindowCanvas::paintEvent(QPaintEvent* event)
{
    ensurePicture();
    if (composeOnPaint_ && !held_ && scene_.state) {
        // A paint of the whole area composes all of it; a part asked for
        // composes that part and whatever else differs, which the screen is
        // then asked to show too.
        const bool whole = event->region() == QRegion(rect());
        const QRegion changed = whole ? QRegion(rect()) : changedArea();
        compose(changed | event->region());
        if (const QRegion later = changed - event->region(); !later.isEmpty())
            update(later);
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
    compose(rect());
    if (heldMarks_) {
        QPainter painter(&picture_);
        heldMarks_(painter);
        stale_ = rect();
    }
}

// Names shown in the language spoken change with it.
void WindowCanvas::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        shown_.reset();
        update();
    }
}

} // namespace tavolux
