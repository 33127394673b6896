#pragma once
// The undo/redo history of the persons' moves: whole positions, one snapshot
// stored before each accepted person move. Holds at most Capacity snapshots;
// when it is full the oldest one is dropped, so the most recent moves always
// stay undoable and nothing is written beyond the table.
//
// A player who has finished keeps its place for the rest of the game, so
// once a game goes on after a player finished, the history is sealed at that
// position: Undo stops there, and the snapshots above it (from a line of play
// given up before the finish) are no longer reachable by Redo.

#include "model/types.h"

namespace tavolux {

class MoveHistory {
public:
    static constexpr int Capacity = 300;

    // Stores the position from which a person is about to move.
    void record(const Position& before);
    // Returns false (and changes nothing) when there is nothing to undo/redo.
    bool undo(Position& pieces);
    bool redo(Position& pieces);
    void clear();
    // Makes the position now on the board the earliest one Undo returns to
    // and the latest one Redo reaches.
    void seal();

    bool canUndo() const { return pos_ != floor_; }
    bool canRedo() const { return pos_ != top_; }
    uint16_t pos() const { return pos_; }
    uint16_t top() const { return top_; }

private:
    Position snapshots_[Capacity]{};
    uint16_t pos_ = 0;
    uint16_t top_ = 0;
    uint16_t floor_ = 0;
};

} // namespace tavolux
