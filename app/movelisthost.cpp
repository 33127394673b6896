#include "app/movelisthost.h"

#include "app/movelistwindow.h"
#include "app/windowplacement.h"
#include "model/game.h"

#include <QScreen>

#include <algorithm>

namespace tavolux {

MoveListHost::MoveListHost(QWidget& owner, const Game& game)
    : owner_(owner), game_(game), window_(new MoveListWindow(&owner))
{
    QObject::connect(window_, &MoveListWindow::reviewRequested, window_, [this](int count) { review(count); });
    QObject::connect(window_, &MoveListWindow::backToGame, window_, [this] { endReview(); });
    // Placed again once the window manager has framed it (or framed it
    // anew); a move of the person's own leaves it where it was put.
    QObject::connect(window_, &MoveListWindow::frameMayHaveChanged, window_, [this] {
        if (window_->isVisible() && window_->frameGeometry().size() != placedSize_)
            place();
    });
    QObject::connect(window_, &MoveListWindow::neighbourShownOrHidden, window_, [this] { place(); });
    QObject::connect(window_, &MoveListWindow::playFromHere, window_, [this] {
        if (playFromHere)
            playFromHere();
    });
}

MoveListWindow* MoveListHost::window() const
{
    return window_;
}

void MoveListHost::place()
{
    if (!window_)
        return;
    const QSize size = window_->frameGeometry().size();
    const QRect other = neighbour_ && neighbour_->isVisible() ? neighbour_->frameGeometry() : QRect();
    placedSize_ = size;
    const QPoint at = besideWindowPosition(owner_.screen()->availableGeometry(), owner_.frameGeometry(), other, size);
    window_->move(at); // a top-level window's position is that of its frame
}

void MoveListHost::keepClearOf(QWidget* neighbour)
{
    neighbour_ = neighbour;
    if (window_)
        window_->watchNeighbour(neighbour);
}

bool MoveListHost::visible() const
{
    return window_ && window_->shownOrWaiting();
}

void MoveListHost::setVisible(bool shown)
{
    if (!window_)
        return;
    if (!shown) {
        endReview();
        window_->hideWindow();
        return;
    }
    place();
    window_->showWithOwner();
    list();
    if (window_->isVisible())
        owner_.activateWindow();
}

void MoveListHost::gameChanged()
{
    if (reviewed_) {
        reviewed_.reset();
        record_.reset();
        reviewedCount_ = -1;
        if (reviewChanged)
            reviewChanged();
    }
    list();
}

void MoveListHost::list()
{
    if (!window_ || !(window_->shownOrWaiting() || reviewed_))
        return;
    if (record_)
        window_->showMoves(replayTo(*record_, 0), recordMoves_, reviewedCount_, true);
    else
        window_->showMoves(game_.state(), game_.moveList(), reviewedCount_, false);
}

void MoveListHost::showRecord(const GameRecord& record)
{
    record_ = record;
    recordMoves_.restart(replayTo(record, 0));
    for (const RecordedMove& m : record.moves)
        recordMoves_.add(m);
    if (window_ && !window_->isVisible())
        setVisible(true);
    review(static_cast<int>(record.moves.size()));
}

void MoveListHost::review(int count)
{
    const MoveList& moves = record_ ? recordMoves_ : game_.moveList();
    if (count < 0 || count > static_cast<int>(moves.moves().size()))
        return;
    if (!record_ && count == static_cast<int>(moves.current())) {
        endReview();
        return;
    }
    // The options of the window's game, the players and pieces of the
    // position reviewed.
    GameState shown = game_.state();
    const GameState past = record_ ? replayTo(*record_, static_cast<std::size_t>(count))
                                   : moves.positionAfter(static_cast<std::size_t>(count));
    shown.pieces = past.pieces;
    shown.playerToMove = past.playerToMove;
    if (record_) {
        for (int p = 0; p < PlayerCount; ++p)
            shown.slots[p] = past.slots[p];
        shown.finishCount = past.finishCount;
        std::copy(std::begin(past.finishOrder), std::end(past.finishOrder), std::begin(shown.finishOrder));
        shown.noGameStarted = 0;
    }
    reviewed_ = shown;
    reviewedCount_ = count;
    list();
    if (reviewChanged)
        reviewChanged();
}

std::vector<PlayedMove> MoveListHost::reviewedMoves() const
{
    if (!reviewed_ || reviewedCount_ <= 0)
        return {};
    const MoveList& moves = record_ ? recordMoves_ : game_.moveList();
    if (reviewedCount_ > static_cast<int>(moves.moves().size()))
        return {};
    const RecordedMove& m = moves.moves()[static_cast<std::size_t>(reviewedCount_ - 1)];
    return {PlayedMove{m.player, m.start, m.path}};
}

void MoveListHost::endReview()
{
    if (!reviewed_)
        return;
    reviewed_.reset();
    record_.reset();
    reviewedCount_ = -1;
    list();
    if (reviewChanged)
        reviewChanged();
}

} // namespace tavolux
