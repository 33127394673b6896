#pragma once
// The Beginner computer player: it looks one move ahead only and takes, at
// random, any move that brings its pieces on as a whole (the same measure
// as the Expert's plans: the steps still to go, with weight on the piece
// furthest behind). Without one (a piece that must go round, a hole at
// home only a detour fills) it says so, and its caller plans the way out.

#include "model/gamestate.h"

#include <random>

namespace tavolux {

struct BeginnerChoice {
    bool found = false;
    bool stuck = false; // moves there are, but none brings the pieces on
    int piece = 0;
    int hole = 0;
};

BeginnerChoice beginnerMove(const GameState& state, std::minstd_rand& random);

} // namespace tavolux
