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
    // One pass of the turn cycle, run after every drop: it checks for the
    // end of the game, turns the board, and either prompts a person or plays
    // one computer turn and queues the next pass (see GameUi::queueNextPass),
    // so that the window's event loop runs between two computer turns.
    void runTurns();
    // The queued pass, if `ticket` is still the one queued; a pass queued
    // before a New Game or a load is stale and does nothing.
    void resumeTurns(unsigned ticket);
    // Runs the queued passes one after another until the cycle waits for a
    // person or the game is over (for callers without an event loop).
    void runQueuedTurns();
    // A pass is queued: computers are playing their turns.
    bool turnsPending() const { return queuedPass_ != 0; }
    // The cycle has returned to let the person to move drag a piece.
    bool waitingForPerson() const;
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

    // Replaces the record with a loaded one and empties the history; when a
    // computer is to move in the loaded game, its turn is queued.
    void replaceState(const GameState& loaded);

private:
    void promptPerson(int p);
    void queueNextPass();
    GameUi& ui_;
    ComputerTurn* computer_;
    unsigned queuedPass_ = 0; // 0: none
    unsigned lastTicket_ = 0;
};

// The text shown when player p has brought all pieces home.
std::string finishedMessage(int p, const std::string& name);

} // namespace tavolux
