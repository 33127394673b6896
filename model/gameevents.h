#pragma once
// What happened in the game, told to whoever shows it to the players. Each
// event comes once the game's record holds what it tells, so an observer
// only reads; the window turns each into the referee's lines, the status
// line, a box, a sound or an animation, in the player's language. Every
// member does nothing by default, so a caller overrides only what it uses.

#include <vector>

namespace tavolux {

// A move as it was made: `player` moved `piece` from `start` along `path`
// (its landings, the last its destination).
struct MadeMove {
    int player = 0;
    int piece = 0;
    int start = 0;
    std::vector<int> path;
    bool byPerson = false;
};

class GameEvents {
public:
    virtual ~GameEvents() = default;

    // A new game is placed; `player` moves first.
    virtual void gameStarted(int /*player*/) {}
    // A turn starts with `player` to move.
    virtual void turnStarting(int /*player*/) {}
    // The board turned to `player`'s view before its turn; it was at
    // `fromRotation` and the record holds the new view.
    virtual void boardRepositioning(int /*player*/, int /*fromRotation*/) {}
    // The record's view changed without a turn of its own to show (a new or
    // loaded game, a rotate button).
    virtual void boardRotationChanged() {}

    // A person is asked for a move: the game waits for a piece of theirs.
    virtual void personToMove(int /*player*/) {}
    // A computer player is asked for a move and thinks.
    virtual void computerThinking(int /*player*/) {}
    // The question to `player` was withdrawn before it answered (a new or
    // loaded game, the window closing).
    virtual void turnWithdrawn(int /*player*/) {}
    // A computer found no move; its turn passes all the same.
    virtual void noValidMove(int /*player*/) {}

    // A piece moved; the record holds the move and the next player.
    virtual void moveMade(const MadeMove& /*move*/) {}
    // A computer's turn is over, moved or not.
    virtual void computerMoved(int /*player*/) {}
    // A person's move was accepted; `next` is to move now.
    virtual void personMoveAccepted(int /*next*/) {}
    // The pieces were set anew rather than moved: a new game, a loaded one,
    // an undo or a redo.
    virtual void piecesReplaced() {}

    // `player` has brought all its pieces home. When two others are still in
    // play they are asked whether they play on (see GameQuestions).
    virtual void playerFinished(int /*player*/, bool /*othersMayPlayOn*/) {}
    // The game is over: gameOver is set and finishOrder holds every player.
    virtual void gameEnded() {}

    // The record changed in a way the whole window shows.
    virtual void repaint() {}
};

// What the game asks the players; the answer comes back as a command.
class GameQuestions {
public:
    virtual ~GameQuestions() = default;
    // `player` finished and two are left: do they play on? Answer with
    // Game::playOn, now or later.
    virtual void askPlayOn(int player) = 0;
};

// When the game takes its next step. After a move, a finish or a board
// turn the game stops and says a step is due; the pace calls Game::goOn
// when the shell is ready (its animations ended, no menu open), from its
// event loop. Without a pace the game goes on at once.
class TurnPace {
public:
    virtual ~TurnPace() = default;
    virtual void stepDue() = 0;
};

// One 60-degree step of a view: clockwise lowers it, wrapping 0 to 5.
inline int stepRotation(int rotation, bool clockwise)
{
    return clockwise ? (rotation + 5) % 6 : (rotation + 1) % 6;
}

} // namespace tavolux
