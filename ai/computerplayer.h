#pragma once
// A computer player's choice: the move search of the player's strength and
// the path of the chosen move, which the turn cycle shows and makes. One
// object serves every computer player of a game; it holds the searches'
// working storage and the random terms.

#include "ai/evaluation.h"
#include "ai/expertsearch.h"
#include "ai/search.h"
#include "model/movechooser.h"

#include <atomic>
#include <cstdint>
#include <random>

namespace tavolux {

class ComputerPlayer : public MoveChooser {
public:
    // The move of state.playerToMove.
    ChosenMove chooseMove(const GameState& state) override { return chooseMove(state, nullptr); }
    // The same, given up (and marked abandoned) once *stop is true, which
    // another thread may set meanwhile; nullptr: the choice always finishes.
    ChosenMove chooseMove(const GameState& state, const std::atomic<bool>* stop);

    // By default the tie-break is seeded from the clock at every turn. A
    // fixed seed, given once, makes a series of turns repeatable; switched
    // off, the random term is always 0.
    void useSeed(uint32_t seed);
    void setRandom(bool enabled) { tieBreak_.setEnabled(enabled); }

    // The Expert forgets the positions it brought about, or learns one
    // brought about by player `mover` earlier in the game.
    void forgetPositions() { expert_.forgetPositions(); }
    void rememberPosition(const Position& pieces, int mover) { expert_.rememberPosition(pieces, mover); }

    // How the Expert weighs its first moves (the tests make it lighter).
    void setExpertTuning(const ExpertTuning& tuning) { expert_.setTuning(tuning); }

    // The Standard search's figures for the last turn it played.
    const SearchResult& lastSearch() const { return last_; }

private:
    ChosenMove chooseStandard(const GameState& s);
    MoveSearch search_;
    ExpertSearch expert_;
    std::minstd_rand beginnerRandom_;
    TieBreak tieBreak_;
    bool seedFromClock_ = true;
    SearchResult last_;
};

} // namespace tavolux
