#pragma once
// Every move of the current game, persons' and computers' alike, from the
// position the game started from: kept beside the undo history, not in its
// place. The current point follows the board: a move made after stepping
// back replaces what followed it, and after an Undo or a Redo the point is
// wherever the moves lead to the position on the board.

#include "model/gamestate.h"

#include <cstddef>
#include <vector>

namespace tavolux {

struct RecordedMove {
    int player = 0;
    int piece = 0;          // index in the piece table
    int start = 0;          // the hole it left
    std::vector<int> path;  // the holes it landed on, the last one its destination
    bool byPerson = false;
    int destination() const { return path.empty() ? start : path.back(); }
    friend bool operator==(const RecordedMove&, const RecordedMove&) = default;
};

class MoveList {
public:
    // A fresh list from `start` (a new game's opening, a loaded position).
    void restart(const GameState& start);
    // Appends a move made on the board; moves after the current point go.
    void add(RecordedMove move);
    // The board was set to `pieces` by Undo or Redo: the current point moves
    // to the nearest one whose position it is. When none is (a Redo into a
    // line the list no longer holds), the list starts afresh from there.
    void follow(const GameState& now);
    // The game ended with the last move: when that move brought a player
    // home with two others left, those two stopped there and did not play
    // on. A move added later, after an Undo, takes it back.
    void endWithLast();
    bool endedWithLast() const { return endedWithLast_; }

    const std::vector<RecordedMove>& moves() const { return moves_; }
    std::size_t current() const { return current_; } // moves made so far
    const GameState& start() const { return start_; }
    // The record as it stood after the first `count` moves: the pieces, the
    // player to move, the players finished on the way and, after the last
    // move of a game that ended there, the places of all.
    GameState positionAfter(std::size_t count) const;
    // The same for a game that ended with the `count`th move.
    GameState positionEndingAfter(std::size_t count) const;
    // How many moves player p made among the first `count`.
    int movesBy(int p, std::size_t count) const;

private:
    GameState start_ = initialGameState();
    std::vector<RecordedMove> moves_;
    std::size_t current_ = 0;
    bool endedWithLast_ = false;

    GameState replay(std::size_t count, bool endsThere) const;
};

} // namespace tavolux
