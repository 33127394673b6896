#pragma once
// A game in play: the record, the move history and the turn cycle that
// alternates between waiting for a person and playing computer turns. The
// user is reached only through GameUi; computer turns through ComputerTurn.

#include "model/gamestate.h"
#include "model/gameui.h"
#include "model/history.h"
#include "model/movegen.h"

#include <string>

namespace tavolux {

class Game;

// Plays one turn of the computer player to move: chooses, shows and applies
// a move and passes the turn on.
class ComputerTurn {
public:
    virtual ~ComputerTurn() = default;
    virtual void play(Game& game, GameUi& ui) = 0;
};

// The referee's prompt to a person.
inline constexpr const char* PromptLine1 = "Move mouse to one";
inline constexpr const char* PromptLine2 = "of your pieces.";

class Game {
public:
    Game(GameUi& ui, ComputerTurn* computer);

    GameState state = initialGameState();
    MoveHistory history;
    // The destinations of the piece being dragged, kept from pick-up to drop.
    MoveGenerator moves;

    // "New Game": abandon question, setup sheet, placing, first turns.
    // Returns true when a new game was started.
    bool startNewGame();
    // The turn cycle, run after every drop and whenever a computer moves first.
    void runTurns();
    // Checks whether the player who moved last has finished; true when the
    // game is over (finishOrder then holds every active player).
    bool checkPlayerFinished();
    // The model side of a valid drop of piece k on hole d. `saved` is the
    // piece's record from before the drag (its owner mark is 0 meanwhile).
    void acceptPersonMove(int k, int d, const PieceRecord& saved);
    // Turns the board to player p's preferred view, the shorter way.
    void repositionBoard(int p);

    bool undo();
    bool redo();

    // Replaces the record with a loaded one and empties the history.
    void replaceState(const GameState& loaded);

private:
    void promptPerson(int p);
    GameUi& ui_;
    ComputerTurn* computer_;
};

// The text shown when player p has brought all pieces home.
std::string finishedMessage(int p, const std::string& name);

} // namespace tavolux
