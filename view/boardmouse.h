#pragma once
// A person's hand on the board, moved by the mouse: what the pointer is
// over (cursor and the referee's hints), picking up an own piece, dragging
// it while the board holds the mouse, and dropping it on a legal hole or
// putting it back (the piece in the hand is a PieceLift, shared with the
// keys). It watches the board widget's mouse events and the window's
// activation; the turn cycle goes on after every release.

#include "model/types.h"
#include "view/piecelift.h"

#include <QCursor>
#include <QObject>
#include <QPoint>

#include <functional>

namespace tavolux {

struct BoardView;
class Game;
class HandVoice;
class WindowCanvas;

class BoardMouse : public QObject {
    Q_OBJECT
public:
    struct Cursors {
        QCursor ownPiece;
        QCursor otherPiece;
    };
    BoardMouse(WindowCanvas& board, const BoardView& view, Game& game, HandVoice& voice, const Cursors& cursors);
    ~BoardMouse() override;

    // Called on every move of a dragged piece (the referee's eyes follow).
    std::function<void()> dragMoved;
    // Called after every left-button release that ended a drag, moved or
    // not: the window repaints and runs the turn cycle.
    std::function<void()> dragEnded;
    // Called for a right-button press over an own piece while not
    // dragging, with the piece and the point (the valid-move menu).
    std::function<void(int piece, QPoint at)> pieceMenuRequested;

    bool dragging() const { return dragging_; }
    // The piece in a person's hand, by mouse or by keys.
    PieceLift& lift() { return lift_; }
    // The piece of the last pick-up or right-click, NoPiece for none.
    int selectedPiece() const { return selected_; }

    // The hover feedback at a point of the board widget: cursor and hints;
    // the own piece under the point, or NoPiece.
    int hover(QPoint at);
    // Starts a drag when an own piece is under the point.
    bool pickUp(QPoint at);
    void moveDraggedPiece(QPoint at);
    // Ends the drag with the piece on the hole under the point when it is a
    // legal destination, else puts the piece back.
    void drop(QPoint at);
    // Puts the dragged piece back (another window came forward).
    void cancelDrag();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool boardEvent(QEvent* event);
    bool boardIgnoresMouse() const;
    QPoint clampToBoard(QPoint at) const;
    void confinePointer(QPoint at);
    void endDrag();

    WindowCanvas& board_;
    const BoardView& view_;
    Game& game_;
    Cursors cursors_;
    PieceLift lift_;
    int selected_ = NoPiece;
    bool dragging_ = false;
};

} // namespace tavolux
