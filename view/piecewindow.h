#pragma once
// The floating piece: a small round window over the board, in the colour of
// the player whose piece it shows (and with its symbol when the board's
// pieces carry theirs). A dragged piece follows the mouse in it
// and a computer's move glides in it; the board under it is shown from the
// window's composed picture. The piece's own window paints the picture's
// pixels around its round edge too, so the edge is smooth although the
// window's mask is not.

#include <QColor>
#include <QWidget>

namespace tavolux {

class WindowCanvas;

class PieceWindow : public QWidget {
    Q_OBJECT
public:
    // A piece of seat `seat`, of half-axes rx x ry, hidden until shown, on
    // the board.
    PieceWindow(WindowCanvas& board, int seat, int rx, int ry);

    // Puts the piece's centre at (x, y) of the board widget.
    void centreAt(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowCanvas& board_;
    int seat_;
    int rx_;
    int ry_;
};

} // namespace tavolux
