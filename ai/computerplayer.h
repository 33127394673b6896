#pragma once
// A computer player's choice: the move search and the path of the chosen
// move, which the turn cycle shows and makes. One object serves every
// computer player of a game; it holds the search's working storage and the
// random tie-break.

#include "ai/evaluation.h"
#include "ai/search.h"
#include "model/movechooser.h"

#include <cstdint>

namespace tavolux {

class ComputerPlayer : public MoveChooser {
public:
    // The move of state.playerToMove.
    ChosenMove chooseMove(const GameState& state) override;

    // By default the tie-break is seeded from the clock at every turn. A
    // fixed seed, given once, makes a series of turns repeatable; switched
    // off, the random term is always 0.
    void useSeed(uint32_t seed);
    void setRandom(bool enabled) { tieBreak_.setEnabled(enabled); }

    // The search's figures for the last turn played.
    const SearchResult& lastSearch() const { return last_; }

private:
    MoveSearch search_;
    TieBreak tieBreak_;
    bool seedFromClock_ = true;
    SearchResult last_;
};

} // namespace tavolux
