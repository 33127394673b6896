#pragma once
// A game in play: the record, the move history and the turn cycle that
// alternates between waiting for a person and playing computer turns. Every
// move, a person's or a computer's, is made by one operation. The players
// are told what happens through GameEvents; computers choose their moves
// through a MoveChooser.

#include "model/gameevents.h"
#include "model/gamestate.h"
#include "model/history.h"
#include "model/movelist.h"
#include "model/movechooser.h"
#include "model/movegen.h"

namespace tavolux {

class Game {
public:
    Game(GameEvents& events, MoveChooser* computer);

    GameState state = initialGameState();
    MoveHistory history;
    // Every move of this game, beside the history.
    MoveList moveList;
    // The destinations of the piece being dragged, kept from pick-up to drop.
    MoveGenerator moves;

    // "New Game": abandon question, setup sheet, placing, first turns.
    // Returns true when a new game was started.
    bool startNewGame();
    // One pass of the turn cycle, run after every drop: it checks for the
    // end of the game, turns the board, and either prompts a person or plays
    // one computer turn and queues the next pass (see GameEvents::queueNextPass),
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
    // A computer's turn is under way (it may think with the event loop
    // running) or the next pass is queued. Nobody moves by hand meanwhile,
    // and commands on the person's position wait until it is over.
    bool computersPlaying() const { return queuedPass_ != 0 || computerTurnUnderWay(); }
    bool computerTurnUnderWay() const { return turnsUnderWay_ > 0; }
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
    // False when the choice was abandoned or the game changed meanwhile.
    bool playComputerTurn(int p);
    // Moves piece k of the player to move along `path` (its landings, the
    // last its destination) and passes the turn; a person's move is recorded
    // in the history first.
    void makeMove(int k, const std::vector<int>& path, bool byPerson, bool moved);
    void queueNextPass();
    GameEvents& events_;
    MoveChooser* computer_;
    unsigned queuedPass_ = 0; // 0: none
    int turnsUnderWay_ = 0;   // computer turns begun and not ended (a New Game may start one inside another)
    unsigned lastTicket_ = 0;
    // Counts the changes of the record that a computer's choice, made while
    // the event loop ran, must not outlive: new game, load, undo, redo.
    unsigned generation_ = 0;
};

} // namespace tavolux
