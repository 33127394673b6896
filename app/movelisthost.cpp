#include "app/movelisthost.h"

#include "app/movelistwindow.h"
#include "model/game.h"

#include <QScreen>

#include <algorithm>

namespace tavolux {

MoveListHost::MoveListHost(QWidget& owner, const Game& game)
    : owner_(owner), game_(game), window_(new MoveListWindow(&owner))
{
    QObject::connect(window_, &MoveListWindow::reviewRequested, window_, [this](int count) { review(count); });
    QObject::connect(window_, &MoveListWindow::backToGame, window_, [this] { endReview(); });
    QObject::connect(window_, &MoveListWindow::playFromHere, window_, [this] {
        if (playFromHere)
            playFromHere();
    });
}

MoveListWindow* MoveListHost::window() const
{
    return window_;
}

void MoveListHost::place(const QWidget& client)
{
    if (!window_)
        return;
    const QRect outer = owner_.frameGeometry();
    const QRect work = owner_.screen()->availableGeometry();
    const QPoint at = client.mapToGlobal(QPoint(int(0.89 * outer.width()), int(0.55 * outer.height())));
    const QSize size = window_->frameGeometry().size();
    window_->move(std::clamp(at.x(), work.left(), std::max(work.left(), work.right() - size.width())),
                  std::clamp(at.y(), work.top(), std::max(work.top(), work.bottom() - size.height())));
}

bool MoveListHost::visible() const
{
    return window_ && window_->isVisible();
}

void MoveListHost::setVisible(bool shown)
{
    if (!window_)
        return;
    if (!shown) {
        endReview();
        window_->hide();
        return;
    }
    window_->show();
    list();
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
    if (!window_ || !(window_->isVisible() || reviewed_))
        return;
    if (record_)
        window_->showMoves(replayTo(*record_, 0), recordMoves_, reviewedCount_, true);
    else
        window_->showMoves(game_.state, game_.moveList, reviewedCount_, false);
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
    const MoveList& moves = record_ ? recordMoves_ : game_.moveList;
    if (count < 0 || count > static_cast<int>(moves.moves().size()))
        return;
    if (!record_ && count == static_cast<int>(moves.current())) {
        endReview();
        return;
    }
    // The options of the window's game, the players and pieces of the
    // position reviewed.
    GameState shown = game_.state;
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
