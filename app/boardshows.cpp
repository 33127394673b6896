#include "app/boardshows.h"

#include "model/game.h"
#include "model/movegen.h"
#include "view/boardflash.h"
#include "view/boardrotator.h"
#include "view/hintflash.h"
#include "view/moveglide.h"
#include "view/validmoves.h"

#include <utility>

namespace tavolux {

BoardShows::BoardShows(Game& game, WindowCanvas& canvas, BoardView& view, std::function<void(int)> hidePiece,
                       QObject* parent)
    : QObject(parent),
      game_(game),
      canvas_(canvas),
      view_(view),
      hidePiece_(std::move(hidePiece)),
      glide_(new MoveGlide(this)),
      turn_(new BoardTurn(this)),
      flash_(new BoardFlash(this))
{
    connect(glide_, &MoveGlide::finished, this, [this] {
        hidePiece_(NoPiece);
        if (auto then = std::exchange(afterGlide_, nullptr))
            then();
        releaseGame();
    });
    connect(turn_, &BoardTurn::stepDone, this, [this] {
        if (stepping)
            stepping(clockwise_, false);
        if (--stepsLeft_ > 0 && stepping)
            stepping(clockwise_, true);
    });
    connect(turn_, &BoardTurn::finished, this, [this] {
        if (auto then = std::exchange(afterTurn_, nullptr))
            then(turn_->rotation());
        releaseGame();
    });
}

BoardShows::~BoardShows() = default;

void BoardShows::holdGame()
{
    ++holds_;
    game_.hold();
}

void BoardShows::releaseGame()
{
    if (holds_ > 0) {
        --holds_;
        game_.release();
    }
}

void BoardShows::glide(const MadeMove& move, std::function<void()> then)
{
    flash_->stop();
    holdGame();
    afterGlide_ = std::move(then);
    hidePiece_(move.piece);
    glide_->start(canvas_, view_, move.player, move.start, move.path, game_.state().animationSpeed);
}

void BoardShows::turnBoard(int fromRotation, int steps, bool clockwise, std::function<void(int)> then)
{
    flash_->stop();
    holdGame();
    afterTurn_ = std::move(then);
    clockwise_ = clockwise;
    stepsLeft_ = steps;
    if (steps > 0 && stepping)
        stepping(clockwise, true);
    turn_->start(canvas_, view_, fromRotation, steps, clockwise, game_.state().animationSpeed);
}

void BoardShows::flashValidMoves(int piece)
{
    if (moving())
        return;
    MoveGenerator moves;
    moves.rebuildOccupancy(game_.state().pieces);
    startValidMovesFlash(*flash_, canvas_, view_, game_.state(), moves, piece);
}

void BoardShows::flashHint(int start, const std::vector<int>& path)
{
    if (moving())
        return;
    startHintFlash(*flash_, canvas_, view_, start, path);
}

void BoardShows::stopAll()
{
    flash_->stop();
    const bool turning = turn_->running();
    glide_->stop();
    turn_->stop();
    if (turning && stepping)
        stepping(clockwise_, false);
    hidePiece_(NoPiece);
    afterGlide_ = nullptr;
    afterTurn_ = nullptr;
    while (holds_ > 0)
        releaseGame();
}

bool BoardShows::moving() const
{
    return glide_->running() || turn_->running();
}

bool BoardShows::showing() const
{
    return moving() || flash_->showing();
}

} // namespace tavolux
