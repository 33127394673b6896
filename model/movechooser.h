#pragma once
// How a computer player's move reaches the turn cycle: the computer only
// chooses, from the game record; the cycle shows and makes the move. A
// chooser may let the window's event loop run while it thinks; the game may
// then be replaced meanwhile, and the cycle drops the stale choice.

#include "model/gamestate.h"

#include <vector>

namespace tavolux {

// A piece and the holes it lands on, the last being its destination.
// Without a move, `found` is false and the path is the piece's own hole.
// A choice given up before it was made (the window closing, say) is
// `abandoned`: the turn cycle then makes no move at all.
struct ChosenMove {
    bool found = false;
    int piece = 0;
    std::vector<int> path;
    bool abandoned = false;
};

class MoveChooser {
public:
    virtual ~MoveChooser() = default;
    // The move of the computer player state.playerToMove.
    virtual ChosenMove chooseMove(const GameState& state) = 0;
    // The game is being replaced (New Game, Load): a choice being made,
    // with the event loop running, comes back abandoned as soon as it can.
    virtual void giveUp() {}
};

} // namespace tavolux
