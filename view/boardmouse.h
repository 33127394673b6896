#pragma once
// A person's hand on the board, moved by the mouse: what the pointer is
// over (cursor and the referee's hints), picking up an own piece, dragging
// it while the board holds the mouse, and dropping it on a legal hole or
// putting it back (the piece in the hand is a PieceLift, shared with the
// keys). It watches the board widget's mouse events and the window's
// activation; the turn cycle goes on after every release.
//
// A click (pressed and released on the same hole without travelling the
// drag distance) on an own piece lifts it and leaves it in the hand, raised
// over its hole: a click on a hole puts it down there as a drop would, a
// click on the piece itself, the right button or Escape puts it back. A
// press that travels the drag distance while it is in the hand carries it
// as a drag.

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
    // A piece lifted by a click waits in the hand for the next click.
    bool clickLifted() const { return clickLifted_; }
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
    // Puts the piece in the mouse's hand back, dragged or lifted by a click
    // (another window came forward, a command is about to run).
    void cancelDrag();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool boardEvent(QEvent* event);
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);
    bool isClick(QPoint at) const;
    void keepLifted();
    void clickOn(int hole);
    void putBackLifted();
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
    bool clickLifted_ = false;
    // The left button's press: where, on which hole, and whether the
    // pointer has since travelled the drag distance.
    bool pressed_ = false;
    QPoint pressAt_;
    int pressHole_ = NoHole;
    bool travelled_ = false;
};

} // namespace tavolux
