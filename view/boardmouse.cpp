#include "view/boardmouse.h"

#include "model/board.h"
#include "model/game.h"
#include "view/boardgeometry.h"
#include "view/colours.h"
#include "view/piecewindow.h"
#include "view/windowcanvas.h"

#include <QEvent>
#include <QMouseEvent>

namespace tavolux {

namespace {
constexpr const char* RefusedDropSound = "TVX03.WAV";
}

BoardMouse::BoardMouse(WindowCanvas& board, const BoardView& view, Game& game, GameUi& ui, const Cursors& cursors)
    : QObject(&board), board_(board), view_(view), game_(game), ui_(ui), cursors_(cursors)
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
    return game_.state.gameOver != 0 || game_.turnsPending();
}

void BoardMouse::showHints(const char* line1, const char* line2, const char* line3)
{
    ui_.showReferee(game_.state.slots[game_.state.playerToMove].name, line1, line2, line3);
}

int BoardMouse::hover(QPoint at)
{
    const PieceHit hit = hitTestPiece(view_, game_.state.pieces, at.x(), at.y());
    if (hit.outside)
        return NoPiece;
    const GameState& s = game_.state;
    if (hit.piece != NoPiece && (s.pieces[hit.piece].owner & OwnerMark[s.playerToMove]) != 0) {
        board_.setCursor(cursors_.ownPiece);
        showHints("Yep! That's yours.", "Click & drag it.", "");
        return hit.piece;
    }
    if (hit.piece != NoPiece) {
        board_.setCursor(cursors_.otherPiece);
        showHints("That's not yours!", "Try a different color.", "");
        return NoPiece;
    }
    board_.unsetCursor();
    if (!s.noGameStarted)
        showHints(PromptLine1, PromptLine2, "");
    return NoPiece;
}

bool BoardMouse::pickUp(QPoint at)
{
    if (!game_.waitingForPerson())
        return false;
    selected_ = hover(at);
    if (selected_ == NoPiece)
        return false;
    GameState& s = game_.state;
    saved_ = s.pieces[selected_];
    s.pieces[selected_].owner = 0;
    if (pickedUp)
        pickedUp();
    // The picture behind the floating piece shows its hole empty.
    board_.holdPicture(false);
    board_.repaint();
    board_.holdPicture(true);

    piece_ = std::make_unique<PieceWindow>(board_, colours::player(s.playerToMove), view_.pieceRadiusX,
                                           view_.pieceRadiusY);
    piece_->centreAt(at.x(), at.y());
    piece_->show();
    game_.moves.findDestinations(s.playerToMove, selected_, s.pieces);
    showHints("Now, drag it to a spot", "using one move or one", "or more jumps.");
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
    if (!piece_)
        return;
    confinePointer(at);
    const QPoint inside = clampToBoard(at);
    piece_->centreAt(inside.x(), inside.y());
    if (dragMoved)
        dragMoved();
}

void BoardMouse::endDrag()
{
    board_.releaseMouse();
    dragging_ = false;
    piece_.reset();
    board_.holdPicture(false);
}

void BoardMouse::drop(QPoint at)
{
    endDrag();
    const int hole = hitTestHole(view_, at.x(), at.y());
    if (game_.moves.isDestination(hole)) {
        game_.acceptPersonMove(selected_, hole, saved_);
    } else {
        game_.state.pieces[selected_] = saved_;
        if (hole != saved_.hole)
            ui_.playSound(RefusedDropSound);
    }
    board_.update();
}

void BoardMouse::cancelDrag()
{
    if (!dragging_)
        return;
    endDrag();
    game_.state.pieces[selected_] = saved_;
    board_.update();
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
