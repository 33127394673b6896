#pragma once
// A computer's move shown on the board: the piece leaves its hole in a
// floating piece window and glides in a straight line to each hole of its
// path in turn, resting briefly on every hole it reaches. The board behind
// it is the window's last composed picture, uncovered a little at every
// frame, never drawn anew. The frames come from a timer, between the
// window's events; the move itself is made by the caller once the glide
// has finished.

#include "view/frameclock.h"
#include "view/glidepace.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace tavolux {

class PieceWindow;
class WindowCanvas;

class MoveGlide : public QObject {
    Q_OBJECT
public:
    explicit MoveGlide(QObject* parent = nullptr);
    ~MoveGlide() override;

    // The piece of player `player` on hole `start` glides along `path` (its
    // landing holes). The composed board must leave that piece out (see
    // WindowScene::hiddenPiece); the canvas and the view must outlive the
    // glide. A glide still running is stopped first.
    void start(WindowCanvas& board, const BoardView& view, int player, int start, std::vector<int> path,
               int animationSpeed);
    // Ends the glide at once, piece window gone, without finished().
    void stop();
    bool running() const { return running_; }

    // Told after every frame put on the screen, with the hop (0 for the
    // first) it belongs to; the last frame of a hop shows the piece on the
    // hole reached. For tests and measurements.
    void setFrameShown(std::function<void(int hop)> shown) { frameShown_ = std::move(shown); }
    // The glide's clock, which a test may drive by hand.
    FrameClock& clock() { return clock_; }

Q_SIGNALS:
    // The piece has rested on the last hole of its path and its window is gone.
    void finished();

private:
    void tick();
    void beginHop();
    void show(ScreenPoint centre);
    ScreenPoint onBoard(int hole) const;
    void release();

    FrameClock clock_;
    QPointer<WindowCanvas> board_;
    QPointer<PieceWindow> piece_;
    const BoardView* view_ = nullptr;
    std::vector<int> path_;
    std::function<void(int)> frameShown_;
    bool running_ = false;
    int positions_ = 0;
    GlideClock::duration interval_{};
    // The hop under way: its index, ends, start, the next frame's due time,
    // the position last shown, and whether the piece rests on its hole.
    int hop_ = 0;
    ScreenPoint from_{}, to_{};
    GlideClock::time_point hopStart_{}, due_{};
    int shown_ = -1;
    bool landed_ = false;
};

// Kept for the turn code's switch-over to MoveGlide: the same glide, run to
// its end inside the call.
struct GlideHooks {
    std::function<GlideClock::time_point()> now;
    // Waits until the given time, painting but taking no input.
    std::function<void(GlideClock::time_point)> waitUntil;
    // Told after every frame put on the screen (for measuring).
    std::function<void()> frameShown;
};

// The piece of player `player` goes from hole `start` along
// path[0..length - 1]. The piece's owner mark is 0 during the call, so the
// composed board leaves it out. Kept for the turn code's switch-over.
void glideMove(WindowCanvas& board, const BoardView& view, int player, int start, const int* path, int length,
               int animationSpeed, const GlideHooks& hooks = {});

// The wait of the blocking shows above: until `deadline`, paints and
// timers go on while mouse and keys stay queued. Kept for the turn code's
// switch-over.
void waitPainting(GlideClock::time_point deadline);

} // namespace tavolux
