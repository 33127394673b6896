#include "ai/expertrollout.h"

#include "ai/search.h"
#include "model/moverules.h"

namespace tavolux {

ExpertRollout::ExpertRollout() : search_(std::make_unique<MoveSearch>())
{
    off_.setEnabled(false);
}

ExpertRollout::~ExpertRollout() = default;

Position ExpertRollout::playOut(const GameState& state, int piece, int hole, int rounds, int& finishedAt)
{
    GameState s = state;
    const int me = s.playerToMove;
    finishedAt = 0;
    s.pieces[piece].hole = static_cast<uint16_t>(hole);
    if (isHome(s, me)) {
        finishedAt = 1;
        return s.pieces;
    }
    int p = me;
    for (int round = 1; round <= rounds; ++round) {
        for (p = nextPlayer(s, p); ; p = nextPlayer(s, p)) {
            s.playerToMove = static_cast<uint16_t>(p);
            const SearchResult r = search_->choose(s, off_);
            if (r.found)
                s.pieces[r.move.piece].hole = static_cast<uint16_t>(r.move.hole);
            if (isHome(s, p)) {
                if (p == me)
                    finishedAt = round + 1;
                return s.pieces;
            }
            if (p == me)
                break;
        }
    }
    return s.pieces;
}

} // namespace tavolux
