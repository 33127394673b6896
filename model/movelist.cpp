#include "model/movelist.h"

#include "model/moverules.h"

namespace tavolux {

namespace {
// Move m made on s, by its player (who moved after any players passed).
GameState replayed(GameState s, const RecordedMove& m)
{
    s.playerToMove = static_cast<uint16_t>(m.player);
    return applyMove(s, m.piece, m.path.empty() ? std::vector<int>{m.start} : m.path, true).after;
}
} // namespace

void MoveList::restart(const GameState& start)
{
    start_ = start;
    moves_.clear();
    current_ = 0;
}

void MoveList::add(RecordedMove move)
{
    moves_.resize(current_);
    moves_.push_back(std::move(move));
    current_ = moves_.size();
}

// The list keeps only the moves made, so the players left after a finish
// are taken to have played on.
GameState MoveList::positionAfter(std::size_t count) const
{
    GameState s = start_;
    for (std::size_t i = 0; i < count && i < moves_.size(); ++i)
        s = replayed(s, moves_[i]);
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
