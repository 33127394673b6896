#include "model/history.h"

#include <algorithm>

namespace tavolux {

void MoveHistory::record(const Position& before)
{
    // Undo writes the snapshot at pos_, so pos_ must stay below Capacity.
    if (pos_ + 1 >= Capacity) {
        std::copy(snapshots_ + 1, snapshots_ + Capacity, snapshots_);
        --pos_;
        if (top_ > 0)
            --top_;
        if (floor_ > 0)
            --floor_;
    }
    snapshots_[pos_] = before;
    ++pos_;
    top_ = std::max(top_, pos_);
}

bool MoveHistory::undo(Position& pieces)
{
    if (pos_ == floor_)
        return false;
    snapshots_[pos_] = pieces;
    --pos_;
    pieces = snapshots_[pos_];
    return true;
}

bool MoveHistory::redo(Position& pieces)
{
    if (pos_ == top_)
        return false;
    ++pos_;
    pieces = snapshots_[pos_];
    return true;
}

void MoveHistory::clear()
{
    pos_ = 0;
    top_ = 0;
    floor_ = 0;
}

void MoveHistory::seal()
{
    top_ = pos_;
    floor_ = pos_;
}

} // namespace tavolux
