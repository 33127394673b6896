#include "view/moveglide.h"

#include "view/colours.h"
#include "view/piecewindow.h"
#include "view/windowcanvas.h"

#include <QCoreApplication>

#include <thread>

namespace tavolux {

void waitPainting(GlideClock::time_point deadline)
{
    constexpr auto Slice = std::chrono::milliseconds(20);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const GlideClock::time_point now = GlideClock::now();
        if (now >= deadline)
            return;
        std::this_thread::sleep_until(std::min(deadline, now + Slice));
    }
}

namespace {

struct Glide {
    WindowCanvas& board;
    PieceWindow& piece;
    const GlideHooks& hooks;

    GlideClock::time_point now() const { return hooks.now ? hooks.now() : GlideClock::now(); }
    void waitUntil(GlideClock::time_point t) const { hooks.waitUntil ? hooks.waitUntil(t) : waitPainting(t); }

    // Moves the piece and puts the uncovered board and the piece on the
    // screen at once.
    void show(ScreenPoint centre)
    {
        const QRect before = piece.geometry();
        piece.centreAt(centre.x, centre.y);
        board.repaint(before.united(piece.geometry()));
        if (hooks.frameShown)
            hooks.frameShown();
    }

    void hop(ScreenPoint from, ScreenPoint to, int positions, GlideClock::duration interval)
    {
        const GlideClock::time_point start = now();
        GlideClock::time_point due = start;
        int shown = -1;
        for (;;) {
            const int f = glidePositionAt(now() - start, positions);
            if (f >= positions)
                break;
            if (f != shown) {
                show(glidePoint(from, to, f, positions));
                shown = f;
            }
            due += interval;
            waitUntil(due);
        }
        show(to);
        waitUntil(now() + HolePause);
    }
};

ScreenPoint onBoard(const BoardView& view, int hole)
{
    const ScreenPoint p = view.holeScreen[hole];
    return {p.x + view.originX, p.y + view.originY};
}

} // namespace

void glideMove(WindowCanvas& board, const BoardView& view, int player, int start, const int* path, int length,
               int animationSpeed, const GlideHooks& hooks)
{
    // The board without the moving piece, kept for the whole move.
    board.holdPicture(false);
    board.repaint();
    board.holdPicture(true);

    PieceWindow piece(board, colours::player(player), view.pieceRadiusX, view.pieceRadiusY);
    ScreenPoint from = onBoard(view, start);
    piece.centreAt(from.x, from.y);
    piece.show();
    board.repaint(piece.geometry());

    Glide glide{board, piece, hooks};
    const int positions = glidePositionCount(animationSpeed);
    const GlideClock::duration interval = glideFrameInterval(animationSpeed);
    for (int i = 0; i < length; ++i) {
        const ScreenPoint to = onBoard(view, path[i]);
        glide.hop(from, to, positions, interval);
        from = to;
    }
    board.holdPicture(false);
}

} // namespace tavolux
