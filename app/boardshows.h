#pragma once
// What the window shows on the board on its own time: a computer's move
// gliding, the board turning, and the flashes of valid moves and hints.
// Each is an animation on the window's timers; a glide or a board turn
// holds the game's next step until it ends, and a flash gives way to them.
// While any of them shows, the board takes no piece.

#include <QObject>

#include <functional>
#include <vector>

namespace tavolux {

class BoardFlash;
class BoardTurn;
class Game;
class MoveGlide;
class WindowCanvas;
struct BoardView;
struct MadeMove;

class BoardShows : public QObject {
    Q_OBJECT
public:
    // `hidePiece` leaves a piece out of the composed board (NoPiece: none).
    BoardShows(Game& game, WindowCanvas& canvas, BoardView& view, std::function<void(int)> hidePiece,
               QObject* parent);
    ~BoardShows() override;

    // A computer's move glides from its hole along its path; `then` runs
    // once it rests on its destination.
    void glide(const MadeMove& move, std::function<void()> then);
    // The board turns from the view `fromRotation` by `steps` steps;
    // `then` gets the view reached. `stepping` is told as each step starts
    // (true) and ends (false), for the rotate button and the status line.
    void turnBoard(int fromRotation, int steps, bool clockwise, std::function<void(int rotation)> then);
    std::function<void(bool clockwise, bool turning)> stepping;
    void flashValidMoves(int piece);
    void flashHint(int start, const std::vector<int>& path);
    // Everything showing ends at once (the game was replaced).
    void stopAll();

    // A glide or a board turn is under way.
    bool moving() const;
    // Anything is showing, a flash included.
    bool showing() const;

private:
    void holdGame();
    void releaseGame();

    Game& game_;
    WindowCanvas& canvas_;
    BoardView& view_;
    std::function<void(int)> hidePiece_;
    MoveGlide* glide_;
    BoardTurn* turn_;
    BoardFlash* flash_;
    int holds_ = 0; // the game's holds this object keeps
    bool clockwise_ = false;
    int stepsLeft_ = 0;
    std::function<void()> afterGlide_;
    std::function<void(int)> afterTurn_;
};

} // namespace tavolux
