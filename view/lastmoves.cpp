#include "view/lastmoves.h"

#include "model/movepath.h"

#include <algorithm>
#include <iterator>

namespace tavolux {

void LastMoves::record(const Position& after, int player, int k, int start)
{
    if (k < 0 || k >= PieceCount || after[k].hole == start || after[k].hole >= HoleCount)
        return;
    Position before = after;
    before[k].hole = static_cast<uint16_t>(start);
    record(PlayedMove{player, start, findMovePath(before, start, after[k].hole)});
}

void LastMoves::record(PlayedMove move)
{
    moves_.push_back(std::move(move));
    while (moves_.size() > Kept)
        moves_.pop_front();
    hidden_ = false;
}

void LastMoves::clear()
{
    moves_.clear();
    hidden_ = false;
}

std::vector<PlayedMove> LastMoves::shownTo(int viewer, int playersInPlay) const
{
    if (hidden_)
        return {};
    auto first = moves_.end();
    while (first != moves_.begin() && std::prev(first)->player != viewer)
        --first;
    // At most one move of each other player: a round's worth.
    const long round = std::max(1, playersInPlay - 1);
    if (moves_.end() - first > round)
        first = moves_.end() - round;
    return {first, moves_.end()};
}

std::vector<PlayedMove> LastMoves::shownFor(const GameState& s) const
{
    int inPlay = 0;
    for (int p = 0; p < PlayerCount; ++p)
        inPlay += s.inPlay(p) ? 1 : 0;
    return shownTo(trailViewer(s), inPlay);
}

int trailViewer(const GameState& s)
{
    int p = s.playerToMove;
    for (int i = 0; i < PlayerCount; ++i) {
        if (s.inPlay(p) && !s.slots[p].isComputer())
            return p;
        p = nextPlayer(s, p);
    }
    return s.playerToMove;
}

} // namespace tavolux
