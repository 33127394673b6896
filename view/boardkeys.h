#pragma once
// A person's hand on the board, moved by the keys: the arrows move a focus
// ring from hole to hole as the board is seen on screen, Space or Enter
// picks up the own piece under the ring and puts it down again on the
// ring's hole, Escape puts it back. The piece in the hand is the same
// PieceLift the mouse uses, so pick-up, hints, drop rules and sounds are
// those of a drag. The ring is drawn over the board's picture, never into
// it, and hides when the mouse moves over the board.

#include "model/types.h"
#include "view/arrowsteps.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>

class QKeyEvent;
class QPainter;
class QRect;

namespace tavolux {

struct BoardView;
class Game;
class PieceLift;
class WindowCanvas;

class BoardKeys : public QObject {
    Q_OBJECT
public:
    // Watches the keys of the board's window and the mouse on the board;
    // create it after BoardMouse, so that it sees the board's mouse first.
    BoardKeys(WindowCanvas& board, const BoardView& view, Game& game, PieceLift& lift);
    ~BoardKeys() override;

    // Called after every drop made with the keys, moved or not: the window
    // repaints and runs the turn cycle, as after a drag.
    std::function<void()> dropped;

    // The hole under the ring, NoHole while it is hidden.
    int ringHole() const;
    bool carrying() const { return carrying_; }
    // Puts a piece carried by the keys back on its hole (a command is about
    // to run, the window was left); the ring stays.
    void putBack();

Q_SIGNALS:
    // The ring moved, showed, hid, or took or put down a piece.
    void ringMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& key);
    bool mouseOverBoard(QEvent* event);
    bool ignoresKeys() const;
    void step(Arrow arrow);
    void pickUpOrDrop();
    void showRing(int hole);
    void hideRing();
    QPoint holeCentre(int hole) const;
    QRect ringArea(int hole) const;
    void drawRing(QPainter& painter) const;

    WindowCanvas& board_;
    const BoardView& view_;
    Game& game_;
    PieceLift& lift_;
    int ring_ = NoHole;
    bool carrying_ = false;
    // The position and the player to move when the ring was last placed:
    // once the game has moved on (undo, a new game), the ring is gone.
    Position ringPosition_{};
    int ringPlayer_ = 0;
    QPoint lastMouse_{-1, -1};
};

} // namespace tavolux
