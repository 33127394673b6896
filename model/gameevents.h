#pragma once
// What the game tells whoever shows it to the players, and the few things
// it asks them. The turn cycle, the history commands and the computer's
// turns speak only through this interface, named for what happens in the
// game; the window turns each event into the referee's lines, the status
// line, a box, a sound or an animation, in the player's language. Every
// member does nothing by default and every question is answered Yes, so a
// caller (the command-line tool, a test) overrides only what it uses.

namespace tavolux {

class GameEvents {
public:
    virtual ~GameEvents() = default;

    // A game is in progress: may New Game abandon it?
    virtual bool mayAbandonGame() { return true; }
    // The players and options of a new game are chosen; true when they were
    // (the record's slots and options have then been written).
    virtual bool setUpNewGame() { return true; }
    // A new game is placed; `player` moves first.
    virtual void gameStarted(int /*player*/) {}

    // A pass of the turn cycle starts with `player` to move.
    virtual void turnStarting(int /*player*/) {}
    // The board rotates to `player`'s view before its turn.
    virtual void boardRepositioning(int /*player*/) {}
    // One animated 60-degree step of the board; afterwards the record's
    // boardRotation holds the new view (see stepRotation).
    virtual void rotateBoardStep(bool /*clockwise*/) {}
    // The board view was set to the record's rotation without animation.
    virtual void boardRotationChanged() {}
    // A person is to move and the cycle waits for their piece. Mouse input
    // queued while the program was busy is thrown away.
    virtual void personToMove(int /*player*/) {}

    // The turn cycle hands the turn to a computer player, and gets it back
    // once the move is made. (The first move of a new game is played by
    // New Game itself, outside the cycle.)
    virtual void computerTurnStarts(int /*player*/) {}
    virtual void computerTurnEnds(int /*player*/) {}
    // A computer player starts thinking about its move.
    virtual void computerThinking(int /*player*/) {}
    // It found no move; its turn passes all the same.
    virtual void noValidMove(int /*player*/) {}
    // It moves piece `piece` from `start` along path[0..length-1]; told
    // before the record changes, so that the move can be shown.
    virtual void computerMoving(int /*player*/, int /*piece*/, int /*start*/, const int* /*path*/,
                                int /*length*/)
    {
    }
    // Its turn is over (the record holds the move and the next player).
    virtual void computerMoved(int /*player*/) {}
    // It stopped thinking without a move because the game was closed,
    // replaced or taken back meanwhile; nothing was moved.
    virtual void computerTurnAbandoned(int /*player*/) {}
    // A computer has moved and the cycle goes on: the window lets its event
    // loop run and then calls Game::resumeTurns(ticket). Callers without an
    // event loop may do nothing and use Game::runQueuedTurns.
    virtual void queueNextPass(unsigned /*ticket*/) {}

    // Piece `piece` of `player` has moved away from hole `start`, by a
    // person's drop or a computer's turn; the record holds the move.
    virtual void moveMade(int /*player*/, int /*piece*/, int /*start*/) {}
    // A person's move was accepted; `next` is to move now.
    virtual void personMoveAccepted(int /*next*/) {}
    // The pieces were set anew rather than moved: a new game, a loaded one,
    // an undo or a redo.
    virtual void piecesReplaced() {}

    // `player` has brought all its pieces home. When two other players are
    // still in play, the answer tells whether they play on.
    virtual bool playerFinished(int /*player*/, bool /*othersMayPlayOn*/) { return true; }
    // The game is over; finishOrder holds every active player.
    virtual void gameEnded() {}

    // The record changed in a way the whole window shows.
    virtual void repaint() {}
};

// One 60-degree step of a view: clockwise lowers it, wrapping 0 to 5.
inline int stepRotation(int rotation, bool clockwise)
{
    return clockwise ? (rotation + 5) % 6 : (rotation + 1) % 6;
}

} // namespace tavolux
