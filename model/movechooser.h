#pragma once
// How a computer player's move reaches the turn cycle: the computer only
// chooses, from the game record; the cycle shows and makes the move.

#include "model/gamestate.h"

#include <vector>

namespace tavolux {

// A piece and the holes it lands on, the last being its destination.
// Without a move, `found` is false and the path is the piece's own hole.
struct ChosenMove {
    bool found = false;
    int piece = 0;
    std::vector<int> path;
};

class MoveChooser {
public:
    virtual ~MoveChooser() = default;
    // The move of the computer player state.playerToMove.
    virtual ChosenMove chooseMove(const GameState& state) = 0;
};

} // namespace tavolux
