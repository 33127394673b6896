#include "view/boardmouse.h"

#include "model/board.h"
#include "model/game.h"
#include "view/boardgeometry.h"
#include "view/windowcanvas.h"

#include <QEvent>
#include <QMouseEvent>

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
    if (!dragging_)
        return;
    endDrag();
    lift_.putBack();
}

bool BoardMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &board_)
        return boardEvent(event);
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowDeactivate)
        cancelDrag();
    return false;
}

bool BoardMouse::boardEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
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
            pickUp(at);
        else if (right && !dragging_) {
            selected_ = hover(at);
            if (selected_ != NoPiece && pieceMenuRequested)
                pieceMenuRequested(selected_, at);
        }
        return true;
    case QEvent::MouseMove:
        if (dragging_)
            moveDraggedPiece(at);
        else
            hover(at);
        return true;
    case QEvent::MouseButtonRelease:
        if (right && dragging_)
            return true;
        hover(at);
        if (left && dragging_) {
            drop(at);
            if (dragEnded)
                dragEnded();
        }
        return true;
    default: // double clicks
        if (!dragging_)
            hover(at);
        return true;
    }
}

} // namespace tavolux
