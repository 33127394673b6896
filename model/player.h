#pragma once
// A seat's player as the game sees it. The game asks it for a move and goes
// back to whoever called it; the player answers when it is ready, through
// the answer it was handed, or never, when the question is withdrawn first.
// A person answers from the board, a computer from a worker thread, a
// player elsewhere from its connection: all look alike to the game.

#include "model/movechooser.h"

#include <functional>

namespace tavolux {

using MoveAnswer = std::function<void(const ChosenMove&)>;

class Player {
public:
    virtual ~Player() = default;
    // The move of position.playerToMove, answered at once or later, once.
    virtual void takeTurn(const GameState& position, MoveAnswer answer) = 0;
    // The question is withdrawn (the game was replaced or closed): stop
    // thinking; an answer given anyway is ignored.
    virtual void withdraw() {}
};

// A computer that answers at once with a chooser's move, for callers
// without an event loop (the command-line tool, tests).
class ChoosingPlayer : public Player {
public:
    explicit ChoosingPlayer(MoveChooser& chooser) : chooser_(chooser) {}
    void takeTurn(const GameState& position, MoveAnswer answer) override { answer(chooser_.chooseMove(position)); }
    void withdraw() override { chooser_.giveUp(); }

private:
    MoveChooser& chooser_;
};

} // namespace tavolux
