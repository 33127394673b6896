#include "referee/refereewindow.h"

#include "referee/refereestyle.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace tavolux {

using namespace referee_style;

namespace {

// A rectangle with rounded corners as a region, built from two crossed
// rectangles and four corner ellipses so that it has no gaps or steps.
QRegion roundedRectRegion(const QRect& r, int cornerWidth, int cornerHeight)
{
    const int cw = qMin(cornerWidth, r.width());
    const int ch = qMin(cornerHeight, r.height());
    const int rx = cw / 2, ry = ch / 2;
    QRegion region(r.adjusted(rx, 0, -rx, 0));
    region += QRegion(r.adjusted(0, ry, 0, -ry));
    region += QRegion(QRect(r.left(), r.top(), cw, ch), QRegion::Ellipse);
    region += QRegion(QRect(r.right() + 1 - cw, r.top(), cw, ch), QRegion::Ellipse);
    region += QRegion(QRect(r.left(), r.bottom() + 1 - ch, cw, ch), QRegion::Ellipse);
    region += QRegion(QRect(r.right() + 1 - cw, r.bottom() + 1 - ch, cw, ch), QRegion::Ellipse);
    return region;
}

QScreen* screenOf(QWidget* owner)
{
    if (owner != nullptr && owner->screen() != nullptr)
        return owner->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

RefereeWindow::RefereeWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("   The Referee"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    fitScreen(screenOf(owner)->size());

    timer_.setInterval(TimerInterval);
    connect(&timer_, &QTimer::timeout, this, &RefereeWindow::onTick);
    settle_.setSingleShot(true);
    settle_.setInterval(SettleTime);
    connect(&settle_, &QTimer::timeout, this, &RefereeWindow::keepInsideScreen);
    if (owner != nullptr)
        owner->installEventFilter(this);
    hide();
}

void RefereeWindow::showWithOwner()
{
    if (parentWidget() == nullptr || parentWidget()->isVisible()) {
        show();
        return;
    }
    showWithOwner_ = true;
}

// Follows the owner: appears when it is shown (if asked to), and stays
// above it when it is raised or activated, as an owned window does even
// where no window manager keeps the order.
//
// The referee waits for its owner to be on the screen before it shows
// itself: a window manager that is asked to map an owned window before it
// manages the owner does not know them as a pair and lets the owner cover
// the referee when it is clicked.
bool RefereeWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* owner = parentWidget();
    if (owner != nullptr && watched == owner->windowHandle()) {
        if (event->type() == QEvent::Expose && showWithOwner_ && owner->windowHandle()->isExposed()) {
            showWithOwner_ = false;
            owner->windowHandle()->removeEventFilter(this);
            show();
        }
        return false;
    }
    if (watched != owner)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (showWithOwner_ && owner->windowHandle() != nullptr)
            owner->windowHandle()->installEventFilter(this);
        break;
    case QEvent::ZOrderChange:
    case QEvent::WindowActivate:
        if (isVisible())
            raise();
        break;
    default:
        break;
    }
    return false;
}

void RefereeWindow::fitScreen(QSize screen)
{
    const RefereeOutline outline = refereeOutline(screen.width(), screen.height());
    setFixedSize(outline.width, outline.height);
    buildShape(outline);
    update();
}

void RefereeWindow::buildShape(const RefereeOutline& outline)
{
    shape_ = QRegion(outline.ellipse, QRegion::Ellipse)
        + roundedRectRegion(outline.roundedRect, outline.cornerWidth, outline.cornerHeight);
    setMask(shape_);

    const int captionBottom = outline.roundedRect.top() + QFontMetrics(captionFont()).height() + 5;
    caption_ = QRect(0, 0, outline.width, captionBottom);
    client_ = QRect(0, captionBottom, outline.width, outline.height - captionBottom);
    face_ = refereeFace(client_.width(), client_.height());
    aimPupils(lastPointer_);
}

void RefereeWindow::setLine(int line, const QString& text)
{
    text_.setLine(line, text);
}

QString RefereeWindow::line(int line) const
{
    if (line < 0 || line >= RefereeLineCount)
        return {};
    return text_.line(line);
}

bool RefereeWindow::showText()
{
    if (!text_.takeChanged())
        return false;
    repaint(textRect());
    return true;
}

bool RefereeWindow::updateEyes(bool force)
{
    const QPoint pointer = QCursor::pos();
    if (pointerKnown_ && pointer == lastPointer_ && !force)
        return false;
    lastPointer_ = pointer;
    pointerKnown_ = true;
    aimPupils(pointer);
    update(eyesRect());
    return true;
}

void RefereeWindow::aimPupils(QPoint pointer)
{
    const QPoint clientOrigin = mapToGlobal(client_.topLeft());
    for (int eye = 0; eye < 2; ++eye)
        pupils_[eye] = pupilCentre(face_, eye, pointer - clientOrigin - face_.eyeCentre[eye]);
}

QRect RefereeWindow::eyesRect() const
{
    const QPoint margin(face_.eyeHalfWidth + 2, face_.eyeHalfHeight + 2);
    QRect rect(face_.eyeCentre[0] - margin, face_.eyeCentre[1] + margin);
    return rect.translated(client_.topLeft());
}

QRect RefereeWindow::textRect() const
{
    return QRect(client_.left(), client_.top() + face_.textTop, client_.width(),
                 client_.height() - face_.textTop);
}

void RefereeWindow::onTick()
{
    updateEyes(false);
    showText();
}

void RefereeWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    updateEyes(true);
    settle_.start();
}

// The screen whose work area holds the referee's centre, else its owner's.
void RefereeWindow::keepInsideScreen()
{
    const QRect frame = frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = screenOf(parentWidget());
    const QRect work = screen->availableGeometry();
    const int left = std::clamp(frame.left(), work.left(), std::max(work.left(), work.right() + 1 - frame.width()));
    const int top = std::clamp(frame.top(), work.top(), std::max(work.top(), work.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        move(pos() + QPoint(left - frame.left(), top - frame.top()));
}

void RefereeWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    timer_.start();
}

void RefereeWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    timer_.stop();
}


void RefereeWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !caption_.contains(event->position().toPoint()))
        return;
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void RefereeWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        move(event->globalPosition().toPoint() - dragOffset_);
}

void RefereeWindow::mouseReleaseEvent(QMouseEvent*)
{
    if (dragging_)
        keepInsideScreen();
    dragging_ = false;
}

} // namespace tavolux
