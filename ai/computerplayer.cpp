#include "ai/computerplayer.h"

#include "ai/movepath.h"

#include <chrono>

namespace tavolux {

namespace {
uint32_t tickCount()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
} // namespace

void ComputerPlayer::useSeed(uint32_t seed)
{
    tieBreak_.seed(seed);
    seedFromClock_ = false;
}

void ComputerPlayer::play(Game& game, GameUi& ui)
{
    GameState& s = game.state;
    const int me = s.playerToMove;
    ui.showReferee(s.slots[me].name, "Computer AI is", "thinking......", "");
    if (seedFromClock_)
        tieBreak_.seed(tickCount());
    ui.setBusy(true);

    last_ = search_.choose(s, tieBreak_);
    if (!last_.found)
        ui.reportError(ComputerAiCaption, NoMoveMessage);

    // The piece is left out of the board while the animation shows it.
    PieceRecord& piece = s.pieces[last_.move.piece];
    const int start = piece.hole;
    const std::vector<int> path = findMovePath(s.pieces, start, last_.move.hole);
    const uint32_t owner = piece.owner;
    piece.owner = 0;
    ui.animateMove(last_.move.piece, start, path.data(), static_cast<int>(path.size()));
    piece.hole = static_cast<uint16_t>(last_.move.hole);
    piece.owner = owner;
    game.moves.rebuildOccupancy(s.pieces);
    if (last_.found)
        ui.pieceMoved(me, last_.move.piece, start);
    s.playerToMove = nextPlayer(s, me);

    ui.setBusy(false);
    if (s.soundEnabled)
        ui.beep();
}

} // namespace tavolux
