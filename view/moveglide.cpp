#include "view/moveglide.h"

#include "view/piecewindow.h"
#include "view/windowcanvas.h"


#include <algorithm>


namespace tavolux {

MoveGlide::MoveGlide(QObject* parent) : QObject(parent), clock_([this] { tick(); })
{
}

MoveGlide::~MoveGlide()
{
    stop();
}

void MoveGlide::start(WindowCanvas& board, const BoardView& view, int player, int start, std::vector<int> path,
                      int animationSpeed)
{
    stop();
    board_ = &board;
    view_ = &view;
    path_ = std::move(path);
    positions_ = glidePositionCount(animationSpeed);
    interval_ = glideFrameInterval(animationSpeed);
    running_ = true;

    // A path off the board ends where it leaves it; a start off the board
    // glides nowhere.
    const auto off = [](int hole) { return hole < 0 || hole >= HoleCount; };
    path_.erase(std::find_if(path_.begin(), path_.end(), off), path_.end());
    if (off(start))
        path_.clear();
    hop_ = 0;
    landed_ = false;

    // The board without the moving piece, kept for the whole move.
    board.holdPicture(false);
    board.repaintChanged();
    board.holdPicture(true);

    if (!off(start)) {
        piece_ = new PieceWindow(board, player, view.pieceRadiusX, view.pieceRadiusY);
        from_ = onBoard(start);
        piece_->centreAt(from_.x, from_.y);
        piece_->show();
        board.repaint(piece_->geometry());
    }
    beginHop();
    clock_.callAt(due_);
}

void MoveGlide::beginHop()
{
    if (hop_ < static_cast<int>(path_.size()))
        to_ = onBoard(path_[hop_]);
    hopStart_ = clock_.now();
    due_ = hopStart_;
    shown_ = -1;
}

// One frame of a hop at the position the clock says, or the piece on the
// hole once the hop's time is up and then its rest there; after the last
// rest, the end.
void MoveGlide::tick()
{
    if (!board_) {
        stop();
        return;
    }
    if (landed_) {
        landed_ = false;
        from_ = to_;
        ++hop_;
        beginHop();
    }
    if (hop_ >= static_cast<int>(path_.size())) {
        release();
        Q_EMIT finished();
        return;
    }
    const int f = glidePositionAt(clock_.now() - hopStart_, positions_);
    if (f >= positions_) {
        show(to_);
        landed_ = true;
        clock_.callAt(clock_.now() + HolePause);
        return;
    }
    if (f != shown_) {
        show(glidePoint(from_, to_, f, positions_));
        shown_ = f;
    }
    due_ += interval_;
    clock_.callAt(due_);
}

// Moves the piece and puts the uncovered board and the piece on the screen
// at once.
void MoveGlide::show(ScreenPoint centre)
{
    const QRect before = piece_->geometry();
    piece_->centreAt(centre.x, centre.y);
    board_->repaint(before.united(piece_->geometry()));
    if (frameShown_)
        frameShown_(hop_);
}

ScreenPoint MoveGlide::onBoard(int hole) const
{
    const ScreenPoint p = view_->holeScreen[hole];
    return {p.x + view_->originX, p.y + view_->originY};
}

void MoveGlide::stop()
{
    if (!running_)
        return;
    release();
    if (board_)
        board_->refresh();
}

void MoveGlide::release()
{
    running_ = false;
    clock_.cancel();
    delete piece_.data();
    if (board_)
        board_->holdPicture(false);
}

} // namespace tavolux
