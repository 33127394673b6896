#pragma once
// A look at how a move of the Expert fares once everyone moves. Where many
// players share the board the pieces the Expert's plan jumps over and
// around do not stand still, so its best-looking first moves are also
// played out: every player in play, the Expert too, moves a few rounds by
// the Standard's search (without its random term), and the Expert's
// pieces are valued where they end up.

#include "ai/evaluation.h"
#include "model/gamestate.h"

#include <memory>

namespace tavolux {

class MoveSearch;

class ExpertRollout {
public:
    ExpertRollout();
    ~ExpertRollout();

    // The position after `piece` of the player to move goes to `hole` and
    // then `rounds` rounds of every player in play; the rounds stop early
    // once a player's pieces are home. `finishedAt` gets the round the mover
    // finished in (1 for the move itself), 0 if it did not.
    Position playOut(const GameState& state, int piece, int hole, int rounds, int& finishedAt);

private:
    std::unique_ptr<MoveSearch> search_;
    TieBreak off_;
};

} // namespace tavolux
