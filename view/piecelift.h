#pragma once
// A piece in a person's hand, whether the mouse drags it or the keys carry
// it: lifting an own piece off the board (its hole shown empty, the floating
// piece over the board, its destinations computed, the referee's hints),
// carrying it, and putting it down on a legal hole or back where it was,
// with the refusal. Also what the hand is over, for the referee. Only one piece is in the hand at a time.
// While a piece is in the hand the holes it may reach are marked on the
// board (unless the person turned the marks off), and so is the hole it
// came from.

#include "model/movegen.h"
#include "model/types.h"

#include <QPoint>
#include <QRegion>

#include <functional>

#include <memory>
#include <vector>

class QPainter;

namespace tavolux {

struct BoardView;
class Game;
class PieceWindow;
class WindowCanvas;

// Why a piece was put back where it came from instead of on the hole it
// was dropped on.
enum class DropRefusal { NotAHole, HoleTaken, OtherPlayersPoint, OutOfReach };

// What the hand tells the person to move: what it is over (the referee's
// hints), that it holds a piece, and that a drop was refused.
class HandVoice {
public:
    enum class Over { OwnPiece, OtherPiece, Nothing };
    virtual ~HandVoice() = default;
    virtual void handOver(Over what) = 0;
    virtual void pieceLifted() = 0;
    virtual void dropRefused(DropRefusal why) = 0;
};

class PieceLift {
public:
    PieceLift(WindowCanvas& board, const BoardView& view, Game& game, HandVoice& voice);
    ~PieceLift();

    // Called when a piece has been lifted, by the mouse or the keys, before
    // the board behind it is drawn (the last moves go).
    std::function<void()> pickedUp;
    // Told the piece to leave out of the board's picture while it is in the
    // hand (NoPiece when it is put down); the game's record keeps it.
    std::function<void(int piece)> hide;
    // While it answers true no piece is lifted and the hand gives no hints
    // (the board shows a position other than the game's).
    std::function<bool()> heldBack;

    bool lifted() const { return piece_ != nullptr; }
    // The piece in the hand, or the one last put down.
    int piece() const { return selected_; }
    // The holes the piece in the hand may be put down on; none when the
    // hand is empty.
    std::vector<int> destinations() const;
    // Whether those holes are marked on the board while a piece is lifted.
    bool destinationsShown() const { return destinationsShown_; }
    void showDestinations(bool shown);

    // Piece k (NoPiece for none) belongs to the player to move.
    bool isOwn(int k) const;
    // The piece on a hole, NoPiece for an empty hole.
    int pieceOn(int hole) const;
    // The referee's hints for a hand over piece k: the player's own piece,
    // another player's, or (NoPiece) the prompt to find one.
    void showHandHints(int k);

    // Lifts own piece k with the floating piece centred at `at` (board
    // widget coordinates). False when no person is to move, k is not one
    // of theirs, or a piece is in the hand already.
    bool lift(int k, QPoint at);
    void carryTo(QPoint at);
    // Puts the piece on `hole` when it is a destination of the piece and
    // returns true; otherwise puts it back, refused unless `hole` is the one
    // it came from.
    bool drop(int hole);
    // Puts the piece back silently; nothing happens with an empty hand.
    void putBack();

private:
    void release();
    DropRefusal refusalAt(int hole) const;
    void drawMarks(QPainter& painter) const;
    QRegion marksArea() const;

    WindowCanvas& board_;
    const BoardView& view_;
    Game& game_;
    HandVoice& voice_;
    std::unique_ptr<PieceWindow> piece_;
    MoveGenerator moves_; // the destinations of the piece in the hand
    int selected_ = NoPiece;
    bool destinationsShown_ = true;
};

} // namespace tavolux
