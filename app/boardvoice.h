#pragma once
// What the board says to a screen reader. The board is an accessible
// object of its own: its name is the hole under the keys' ring and what
// stands there ("e5, Silicon's piece"), told as the focus and the name
// changing whenever the ring moves; its one child is the news of the last
// move ("Silicon: m4-k4-i4"), told as its name changing. The accessible
// objects are made when something is first told or asked for, never before.

#include <QObject>
#include <QString>

namespace tavolux {

class BoardKeys;
class Game;
class WindowCanvas;
struct MadeMove;

class BoardVoice : public QObject {
    Q_OBJECT
public:
    // A child of the board; installs the accessible objects' factory.
    BoardVoice(WindowCanvas& board, const Game& game, const BoardKeys& keys);

    // The ring's hole and what stands there; empty while it is hidden.
    QString ringText() const;
    // The last move made, "Silicon: m4-k4-i4"; empty before the first.
    QString lastMove() const { return lastMove_; }

    // The ring moved, or what stands under it changed.
    void ringMoved();
    // A move was made, or the moves start afresh (none).
    void moveMade(const MadeMove* move);

private:
    WindowCanvas& board_;
    const Game& game_;
    const BoardKeys& keys_;
    QString lastMove_;
};

} // namespace tavolux
