#include "view/boardkeys.h"

#include "model/game.h"
#include "view/boardgeometry.h"
#include "view/colours.h"
#include "view/piecelift.h"
#include "view/windowcanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tavolux {

BoardKeys::BoardKeys(WindowCanvas& board, const BoardView& view, Game& game, PieceLift& lift)
    : QObject(&board), board_(board), view_(view), game_(game), lift_(lift)
{
    board_.installEventFilter(this);
    board_.window()->installEventFilter(this);
    board_.addOverlay([this](QPainter& painter) { drawRing(painter); });
}

// A child of the board: it goes with the board, and so does the overlay.
BoardKeys::~BoardKeys() = default;

// The ring belongs to one turn of one position; while a piece is carried
// the position is the carrier's own business.
int BoardKeys::ringHole() const
{
    if (ring_ == NoHole || carrying_)
        return ring_;
    const GameState& s = game_.state();
    return s.pieces == ringPosition_ && s.playerToMove == ringPlayer_ ? ring_ : NoHole;
}

// Like the mouse: no keys while computers play their turns, after the game,
// or while the mouse drags a piece.
bool BoardKeys::ignoresKeys() const
{
    return !game_.waitingForPerson() || (lift_.lifted() && !carrying_) || (lift_.heldBack && lift_.heldBack());
}

QPoint BoardKeys::holeCentre(int hole) const
{
    return QPoint(view_.originX + view_.holeScreen[hole].x, view_.originY + view_.holeScreen[hole].y);
}

namespace {

struct RingSize {
    double rx, ry, pen;
};

// A band around the hole's edge, clear of the neighbouring holes.
RingSize ringSize(const BoardView& view)
{
    const double pen = std::max(3.0, view.holeRadiusX / 4.0);
    return {view.holeRadiusX + pen / 2, view.holeRadiusY + pen / 2, pen};
}

} // namespace

QRect BoardKeys::ringArea(int hole) const
{
    const RingSize r = ringSize(view_);
    const int mx = static_cast<int>(r.rx + r.pen) + 2, my = static_cast<int>(r.ry + r.pen) + 2;
    const QPoint c = holeCentre(hole);
    return QRect(c.x() - mx, c.y() - my, 2 * mx + 1, 2 * my + 1);
}

// A green band edged in black, unlike anything else on the board, and seen
// on the white board, on the coloured points and on every piece colour.
void BoardKeys::drawRing(QPainter& painter) const
{
    const int hole = ringHole();
    if (hole == NoHole)
        return;
    const RingSize r = ringSize(view_);
    const QPointF c = holeCentre(hole);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours::Outline, r.pen + 2));
    painter.drawEllipse(c, r.rx, r.ry);
    painter.setPen(QPen(colours::FocusRing, r.pen));
    painter.drawEllipse(c, r.rx, r.ry);
    painter.restore();
}

void BoardKeys::showRing(int hole)
{
    if (ring_ != NoHole)
        board_.update(ringArea(ring_));
    ring_ = hole;
    ringPosition_ = game_.state().pieces;
    ringPlayer_ = game_.state().playerToMove;
    board_.update(ringArea(hole));
    Q_EMIT ringMoved();
}

void BoardKeys::hideRing()
{
    if (ring_ != NoHole)
        board_.update(ringArea(ring_));
    ring_ = NoHole;
    Q_EMIT ringMoved();
}

void BoardKeys::step(Arrow arrow)
{
    const int from = ringHole();
    if (from == NoHole) {
        // The first arrow of a turn shows where the person's pieces begin.
        const GameState& s = game_.state();
        showRing(s.pieces[s.slots[s.playerToMove].firstPiece].hole);
        return;
    }
    const int to = holeInDirection(from, arrow, view_.rotation);
    if (to == NoHole)
        return;
    if (carrying_) {
        board_.update(ringArea(ring_));
        ring_ = to;
        board_.update(ringArea(to));
        lift_.carryTo(holeCentre(to));
        Q_EMIT ringMoved();
    } else {
        showRing(to);
    }
}

void BoardKeys::pickUpOrDrop()
{
    const int hole = ringHole();
    if (hole == NoHole)
        return;
    if (carrying_) {
        carrying_ = false;
        if (lift_.drop(hole))
            hideRing();
        else
            showRing(hole);
        if (dropped)
            dropped();
        return;
    }
    const int piece = lift_.pieceOn(hole);
    if (lift_.lift(piece, holeCentre(hole))) {
        carrying_ = true;
        Q_EMIT ringMoved();
    } else {
        lift_.showHandHints(piece);
    }
}

void BoardKeys::putBack()
{
    if (!carrying_)
        return;
    carrying_ = false;
    lift_.putBack();
    showRing(ring_);
}

bool BoardKeys::keyPressed(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Held down, these would pick up and drop in turn.
        if (key.isAutoRepeat())
            return true;
        break;
    default:
        return false;
    }
    if (ignoresKeys())
        return false;
    switch (key.key()) {
    case Qt::Key_Right:
        step(Arrow::Right);
        break;
    case Qt::Key_Up:
        step(Arrow::Up);
        break;
    case Qt::Key_Left:
        step(Arrow::Left);
        break;
    case Qt::Key_Down:
        step(Arrow::Down);
        break;
    case Qt::Key_Escape:
        if (carrying_) {
            putBack();
            lift_.showHandHints(NoPiece);
        } else {
            hideRing();
        }
        break;
    default:
        pickUpOrDrop();
        break;
    }
    return true;
}

// The mouse over the board takes the hand back from the keys. Only a real
// move counts: a widget appearing under a resting pointer is no move.
bool BoardKeys::mouseOverBoard(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const bool moved = at != lastMouse_ || type != QEvent::MouseMove;
    lastMouse_ = at;
    const QRect board(view_.originX, view_.originY, view_.width, view_.height);
    return moved && board.contains(at);
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &board_) {
        if (mouseOverBoard(event)) {
            putBack();
            hideRing();
        } else if (event->type() == QEvent::Resize) {
            // The held picture and the floating piece belong to the old size.
            putBack();
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(*static_cast<QKeyEvent*>(event));
    case QEvent::ActivationChange:
    case QEvent::WindowDeactivate:
        putBack();
        return false;
    default:
        return false;
    }
}

} // namespace tavolux
