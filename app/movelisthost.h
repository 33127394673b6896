#pragma once
// The move list beside the main window, and the review it allows: while a
// row other than the game's own is chosen, the board shows the position
// after that move, takes no piece, and the turn cycle and the computers
// wait. Any change of the game, Escape, "Back to the game" or choosing the
// game's own row ends the review. An opened game record is reviewed the
// same way, every row of it, until "Back to the game" or "Play from here".

#include "model/gamerecord.h"
#include "model/gamestate.h"
#include "model/movelist.h"
#include "view/lastmoves.h"

#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace tavolux {

class Game;
class MoveListWindow;

class MoveListHost {
public:
    // The window is made hidden, owned by `owner`.
    MoveListHost(QWidget& owner, const Game& game);

    MoveListWindow* window() const;
    // Places it beside the owner on the owner's screen, clear of the window
    // `keepClearOf` tells (the referee), or over as little as can be.
    void place();
    // The window it keeps clear of; placed anew when that one shows or hides.
    void keepClearOf(QWidget* neighbour);
    bool visible() const;
    void setVisible(bool shown);
    // Lists the game's moves anew; a review ends (the game changed).
    void gameChanged();

    // Shows a game record in review, at its last move.
    void showRecord(const GameRecord& record);
    // The record being reviewed and the moves shown, or nullptr.
    const GameRecord* record() const { return record_ ? &*record_ : nullptr; }
    int reviewedCount() const { return reviewedCount_; }

    bool reviewing() const { return reviewed_.has_value(); }
    // The position the board shows while reviewing, else nullptr.
    const GameState* reviewedState() const { return reviewed_ ? &*reviewed_ : nullptr; }
    // The move that led to the reviewed position, to be drawn on the board;
    // none at the start or when not reviewing.
    std::vector<PlayedMove> reviewedMoves() const;
    void endReview();

    // Called when the review starts, moves or ends: the window shows the
    // board anew and says whether it is reviewing.
    std::function<void()> reviewChanged;
    // "Play from here" was chosen in a record's review.
    std::function<void()> playFromHere;

private:
    void review(int count);
    void list();

    QWidget& owner_;
    const Game& game_;
    QPointer<MoveListWindow> window_;
    QSize placedSize_; // the frame's size the window was placed with
    QPointer<QWidget> neighbour_;
    std::optional<GameState> reviewed_;
    int reviewedCount_ = -1;
    std::optional<GameRecord> record_;
    MoveList recordMoves_;
};

} // namespace tavolux
