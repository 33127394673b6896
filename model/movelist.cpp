#include "model/movelist.h"

#include "model/moverules.h"

#include <algorithm>

namespace tavolux {

namespace {
// Move m made on s, by its player (who moved after any players passed).
// After a finish the two left play on unless the game ended there.
GameState replayed(GameState s, const RecordedMove& m, bool endsThere = false)
{
    s.playerToMove = static_cast<uint16_t>(m.player);
    return applyMove(s, m.piece, m.path.empty() ? std::vector<int>{m.start} : m.path, !endsThere).after;
}
} // namespace

void MoveList::restart(const GameState& start)
{
    start_ = start;
    moves_.clear();
    current_ = 0;
    endedWithLast_ = false;
}

void MoveList::add(RecordedMove move)
{
    moves_.resize(current_);
    moves_.push_back(std::move(move));
    current_ = moves_.size();
    endedWithLast_ = false;
}

void MoveList::endWithLast() { endedWithLast_ = !moves_.empty(); }

// After a finish the next move shows that the two left played on; after the
// last move, whether the game ended there.
GameState MoveList::positionAfter(std::size_t count) const
{
    return replay(count, endedWithLast_ && count >= moves_.size());
}

GameState MoveList::positionEndingAfter(std::size_t count) const { return replay(count, true); }

GameState MoveList::replay(std::size_t count, bool endsThere) const
{
    count = std::min(count, moves_.size());
    GameState s = start_;
    for (std::size_t i = 0; i < count; ++i)
        s = replayed(s, moves_[i], endsThere && i + 1 == count);
    return s;
}

int MoveList::movesBy(int p, std::size_t count) const
{
    int n = 0;
    for (std::size_t i = 0; i < count && i < moves_.size(); ++i)
        n += moves_[i].player == p ? 1 : 0;
    return n;
}

void MoveList::follow(const GameState& now)
{
    // Nearest first, so that a position met twice finds the later of the
    // two when stepping back, the earlier when stepping on.
    std::vector<Position> line(moves_.size() + 1);
    GameState s = start_;
    line[0] = s.pieces;
    for (std::size_t i = 0; i < moves_.size(); ++i) {
        s = replayed(s, moves_[i]);
        line[i + 1] = s.pieces;
    }
    for (std::size_t d = 0; d <= moves_.size(); ++d) {
        for (std::size_t i : {current_ - std::min(d, current_), current_ + d}) {
            if (i <= moves_.size() && line[i] == now.pieces) {
                current_ = i;
                return;
            }
        }
    }
    restart(now);
}

} // namespace tavolux
