#include "view/piecelift.h"

#include "model/board.h"
#include "model/game.h"
#include "view/boardgeometry.h"
#include "view/colours.h"
#include "view/destinationmarks.h"
#include "view/piecewindow.h"
#include "view/windowcanvas.h"

namespace tavolux {

PieceLift::PieceLift(WindowCanvas& board, const BoardView& view, Game& game, HandVoice& voice)
    : board_(board), view_(view), game_(game), voice_(voice)
{
    board_.addOverlay([this](QPainter& painter) { drawMarks(painter); });
}

PieceLift::~PieceLift() = default;

bool PieceLift::isOwn(int k) const
{
    const GameState& s = game_.state();
    return k >= 0 && k < PieceCount && (s.pieces[k].owner & OwnerMark[s.playerToMove]) != 0;
}

int PieceLift::pieceOn(int hole) const
{
    const Position& pieces = game_.state().pieces;
    for (int k = 0; k < PieceCount; ++k)
        if (pieces[k].owner != 0 && pieces[k].hole == hole && !(lifted() && k == selected_))
            return k;
    return NoPiece;
}

void PieceLift::showHandHints(int k)
{
    if (heldBack && heldBack())
        return;
    if (isOwn(k))
        voice_.handOver(HandVoice::Over::OwnPiece);
    else if (k != NoPiece)
        voice_.handOver(HandVoice::Over::OtherPiece);
    else if (!game_.state().noGameStarted)
        voice_.handOver(HandVoice::Over::Nothing);
}

bool PieceLift::lift(int k, QPoint at)
{
    if (lifted() || !game_.waitingForPerson() || !isOwn(k) || (heldBack && heldBack()))
        return false;
    selected_ = k;
    const GameState& s = game_.state();
    if (pickedUp)
        pickedUp();
    if (hide)
        hide(k);
    // The picture behind the floating piece shows its hole empty.
    board_.holdPicture(false);
    board_.repaintChanged();
    board_.holdPicture(true);

    piece_ = std::make_unique<PieceWindow>(board_, s.playerToMove, view_.pieceRadiusX, view_.pieceRadiusY);
    piece_->centreAt(at.x(), at.y());
    piece_->show();
    moves_.rebuildOccupancy(s.pieces);
    moves_.findDestinations(s.playerToMove, k, s.pieces);
    board_.update(marksArea());
    voice_.pieceLifted();
    return true;
}

void PieceLift::carryTo(QPoint at)
{
    if (piece_)
        piece_->centreAt(at.x(), at.y());
}

std::vector<int> PieceLift::destinations() const
{
    if (!lifted())
        return {};
    return std::vector<int>(moves_.destinations, moves_.destinations + moves_.reachCount);
}

void PieceLift::showDestinations(bool shown)
{
    destinationsShown_ = shown;
    if (lifted())
        board_.update(marksArea());
}

// Where drawMarks draws: round the piece's hole and its destinations.
QRegion PieceLift::marksArea() const
{
    if (selected_ < 0 || selected_ >= PieceCount)
        return {};
    QRegion area = pieceArea(view_, game_.state().pieces[selected_].hole).adjusted(-2, -2, 2, 2);
    for (const int hole : destinations())
        area |= pieceArea(view_, hole).adjusted(-2, -2, 2, 2);
    return area;
}

// Over the board's picture, under the floating piece.
void PieceLift::drawMarks(QPainter& painter) const
{
    if (!lifted())
        return;
    const GameState& s = game_.state();
    drawLiftedFrom(painter, view_, s.pieces[selected_].hole, colours::player(s.playerToMove));
    if (destinationsShown_)
        drawDestinationMarks(painter, view_, destinations());
}

void PieceLift::release()
{
    // The marks go with the piece in the hand.
    board_.update(marksArea());
    piece_.reset();
    board_.holdPicture(false);
    if (hide)
        hide(NoPiece);
}

bool PieceLift::drop(int hole)
{
    if (!lifted())
        return false;
    release();
    const int from = game_.state().pieces[selected_].hole;
    const bool moved = moves_.isDestination(hole) && game_.moveByHand(selected_, hole);
    if (!moved && hole != from)
        voice_.dropRefused(refusalAt(hole));
    // The hand is empty and the same person is still to move.
    if (!moved)
        voice_.handOver(HandVoice::Over::Nothing);
    board_.refresh();
    return moved;
}

// Read from the destinations of the piece in the hand: the holes it reached
// include those of other points, where it may pass but not stop.
DropRefusal PieceLift::refusalAt(int hole) const
{
    if (hole < 0 || hole >= HoleCount)
        return DropRefusal::NotAHole;
    if (pieceOn(hole) != NoPiece)
        return DropRefusal::HoleTaken;
    for (const uint16_t* h = moves_.reachList; *h != ListEnd; ++h)
        if (*h == hole)
            return DropRefusal::OtherPlayersPoint;
    return DropRefusal::OutOfReach;
}

void PieceLift::putBack()
{
    if (!lifted())
        return;
    release();
    board_.refresh();
}

} // namespace tavolux
