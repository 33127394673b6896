#include "view/boardmouse.h"

#include "model/board.h"
#include "model/game.h"
#include "view/boardgeometry.h"
#include "view/windowcanvas.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace tavolux {

BoardMouse::BoardMouse(WindowCanvas& board, const BoardView& view, Game& game, HandVoice& voice, const Cursors& cursors)
    : QObject(&board), board_(board), view_(view), game_(game), cursors_(cursors),
      lift_(board, view, game, voice)
{
    board_.setMouseTracking(true);
    board_.installEventFilter(this);
    board_.window()->installEventFilter(this);
}

BoardMouse::~BoardMouse() = default;

// After the game is over the board takes no notice of the mouse, and while
// computers play their turns nobody is to move by hand.
bool BoardMouse::boardIgnoresMouse() const
{
    return game_.state().gameOver != 0 || game_.computersPlaying();
}

int BoardMouse::hover(QPoint at)
{
    const PieceHit hit = hitTestPiece(view_, game_.state().pieces, at.x(), at.y());
    if (hit.outside)
        return NoPiece;
    lift_.showHandHints(hit.piece);
    if (lift_.isOwn(hit.piece)) {
        board_.setCursor(cursors_.ownPiece);
        return hit.piece;
    }
    if (hit.piece != NoPiece)
        board_.setCursor(cursors_.otherPiece);
    else
        board_.unsetCursor();
    return NoPiece;
}

bool BoardMouse::pickUp(QPoint at)
{
    if (!game_.waitingForPerson() || lift_.lifted())
        return false;
    selected_ = hover(at);
    if (!lift_.lift(selected_, at))
        return false;
    dragging_ = true;
    board_.grabMouse();
    return true;
}

QPoint BoardMouse::clampToBoard(QPoint at) const
{
    const int left = view_.originX, top = view_.originY;
    return QPoint(std::clamp(at.x(), left, left + view_.width - 1), std::clamp(at.y(), top, top + view_.height - 1));
}

// The pointer stays inside the board area while a piece is dragged.
void BoardMouse::confinePointer(QPoint at)
{
    const QPoint inside = clampToBoard(at);
    if (inside != at)
        QCursor::setPos(board_.mapToGlobal(inside));
}

void BoardMouse::moveDraggedPiece(QPoint at)
{
    if (!dragging_)
        return;
    confinePointer(at);
    const QPoint inside = clampToBoard(at);
    lift_.carryTo(inside);
    if (dragMoved)
        dragMoved();
}

void BoardMouse::endDrag()
{
    board_.releaseMouse();
    dragging_ = false;
}

void BoardMouse::drop(QPoint at)
{
    endDrag();
    lift_.drop(hitTestHole(view_, at.x(), at.y()));
}

void BoardMouse::cancelDrag()
{
    putBackLifted();
    if (!dragging_)
        return;
    endDrag();
    lift_.putBack();
}

// A press and release on one hole, the pointer never having travelled the
// drag distance in between.
bool BoardMouse::isClick(QPoint at) const
{
    return !travelled_ && hitTestHole(view_, at.x(), at.y()) == pressHole_;
}

void BoardMouse::pressed(QPoint at)
{
    pressAt_ = at;
    pressHole_ = hitTestHole(view_, at.x(), at.y());
    travelled_ = false;
    pressed_ = clickLifted_ || pickUp(at);
}

void BoardMouse::moved(QPoint at)
{
    if (pressed_ && (at - pressAt_).manhattanLength() >= QApplication::startDragDistance())
        travelled_ = true;
    if (clickLifted_ && pressed_ && travelled_) {
        clickLifted_ = false;
        dragging_ = true;
        board_.grabMouse();
    }
    if (dragging_)
        moveDraggedPiece(at);
    else if (!clickLifted_)
        hover(at);
}

void BoardMouse::released(QPoint at)
{
    const bool wasPressed = std::exchange(pressed_, false);
    if (clickLifted_) {
        if (wasPressed && isClick(at))
            clickOn(pressHole_);
        return;
    }
    if (dragging_ && wasPressed && isClick(at)) {
        keepLifted();
        return;
    }
    hover(at);
    if (!dragging_)
        return;
    drop(at);
    if (dragEnded)
        dragEnded();
}

// The piece stays in the hand, raised a little over its hole.
void BoardMouse::keepLifted()
{
    endDrag();
    clickLifted_ = true;
    const ScreenPoint c = view_.holeScreen[game_.state().pieces[lift_.piece()].hole];
    lift_.carryTo(QPoint(view_.originX + c.x, view_.originY + c.y - view_.pieceRadiusY / 3));
}

void BoardMouse::clickOn(int hole)
{
    if (hole == game_.state().pieces[lift_.piece()].hole) {
        putBackLifted();
        lift_.showHandHints(lift_.piece());
        return;
    }
    clickLifted_ = false;
    lift_.drop(hole);
    if (dragEnded)
        dragEnded();
}

void BoardMouse::putBackLifted()
{
    if (!clickLifted_)
        return;
    clickLifted_ = false;
    pressed_ = false;
    lift_.putBack();
}

bool BoardMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &board_)
        return boardEvent(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::ActivationChange || type == QEvent::WindowDeactivate)
        cancelDrag();
    if (type == QEvent::KeyPress && clickLifted_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        putBackLifted();
        lift_.showHandHints(NoPiece);
        return true;
    }
    return false;
}

bool BoardMouse::boardEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    // The raised piece and the held picture belong to the old size.
    if (type == QEvent::Resize)
        putBackLifted();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
        return false;
    if (boardIgnoresMouse())
        return true;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    const bool left = mouse->button() == Qt::LeftButton;
    const bool right = mouse->button() == Qt::RightButton;
    switch (type) {
    case QEvent::MouseButtonPress:
        if (left && !dragging_)
            pressed(at);
        else if (right && clickLifted_) {
            putBackLifted();
            hover(at);
        } else if (right && !dragging_) {
            selected_ = hover(at);
            if (selected_ != NoPiece && pieceMenuRequested)
                pieceMenuRequested(selected_, at);
        }
        return true;
    case QEvent::MouseMove:
        moved(at);
        return true;
    case QEvent::MouseButtonRelease:
        if (left)
            released(at);
        else if (!dragging_ && !clickLifted_)
            hover(at);
        return true;
    default: // double clicks: a second click on a piece in the hand
        if (left && clickLifted_)
            pressed(at);
        else if (!dragging_)
            hover(at);
        return true;
    }
}

} // namespace tavolux
