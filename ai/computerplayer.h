#pragma once
// A computer player's turn: thinking message, move search, the path of the
// chosen move for the animation, the move itself and the next player. One
// object serves every computer player of a game; it holds the search's
// working storage and the random tie-break.

#include "ai/evaluation.h"
#include "ai/search.h"
#include "model/game.h"

#include <cstdint>

namespace tavolux {

inline constexpr const char* ComputerAiCaption = "Computer AI";
inline constexpr const char* NoMoveMessage = "No valid move was found!";

class ComputerPlayer : public ComputerTurn {
public:
    // The play() of Game's turn cycle: one turn of game.state.playerToMove.
    void play(Game& game, GameUi& ui) override;

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
