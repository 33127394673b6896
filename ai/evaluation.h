#pragma once
// How far a player is from home on any position, and the terms the move
// search adds up into one value per line of play: the weighted own score,
// the style terms toward the other players and the random tie-break.

#include "model/moverules.h"
#include "model/types.h"

#include <cstdint>
#include <random>

namespace tavolux {

// Weight of a piece at each step distance from its target tip: up to 8 the
// distance itself, every further step weighs 3.
constexpr int DistanceWeight[17] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 14, 17, 20, 23, 26, 29, 32};

constexpr int FinishedTotal = HomeDistanceSum; // all ten pieces home
constexpr int StartTotal = 140;     // all ten pieces on their start holes
constexpr int EndgameTotal = 28;    // below it the search looks four moves deep
constexpr int NoValue = -1000000;   // a score not recorded yet
constexpr int MaxCandidates = 250;

// Sum of the step distances to the player's target tip of the ten pieces
// from firstPiece on (owner marks are not looked at).
int totalDistance(const Position& pos, int firstPiece, int player);

// Minus the sum of the DistanceWeight of those ten pieces: -260 on the start
// holes, -20 with every piece home.
int positionScore(const Position& pos, int firstPiece, int player);

// A style's share of a reply score: Friendly adds it, Neutral ignores it,
// Hostile subtracts it twice. Unknown styles count as Neutral.
int styleTerm(int style, int replyScore);

// The random part of a leaf value: a whole number 0..32767 that stands for
// draw / 32767.0. Seeded once per computer turn; switched off it always
// draws 0, which makes the search deterministic.
class TieBreak {
public:
    static constexpr int Scale = 32767;

    void seed(uint32_t value) { engine_.seed(value); }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }
    int draw() { return enabled_ ? static_cast<int>(engine_() >> 16) : 0; }

private:
    std::minstd_rand engine_;
    bool enabled_ = true;
};

// randomTieBreak as a number in [0, 1].
inline double randomTieBreak(TieBreak& tieBreak) { return tieBreak.draw() / double(TieBreak::Scale); }

} // namespace tavolux
