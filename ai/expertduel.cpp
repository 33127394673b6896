// The Expert's root choice where others play: the best first moves of its
// plan searched two-sided, every player answering in turn.

#include "ai/expertsearch.h"

#include "model/board.h"

#include <algorithm>

namespace tavolux {

namespace {

// A point of the two-sided value (a quarter step) outweighs the plan's
// differences among the best first moves: the plan only breaks ties.
constexpr long PointWeight = 1000;
constexpr long StepPoints = 4;

// What each step of an opponent's best single move counts beside the
// two-sided value, which already counts it as one of the player's own
// steps: a Hostile Expert half a step more, a Friendly one a quarter less.
long extraPoints(int style)
{
    switch (style) {
    case Friendly:
        return -StepPoints / 4;
    case Hostile:
        return StepPoints / 2;
    default:
        return 0;
    }
}

} // namespace

// Lower is further on: the pieces' distance to the tip, then their holes.
long ExpertSearch::progressKey(const RootMove& m) const
{
    long distance = 0, holes = 0;
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const int k = firstPiece_ + i;
        const int hole = k == m.piece ? m.hole : root_[k].hole;
        distance += distanceTo_[hole];
        holes += hole;
    }
    return distance * BoardSlots * PiecesPerPlayer + holes;
}

// Of the best first moves that do not repeat a position (or, when all
// repeat, of the best first moves), the one with the best two-sided value;
// of those within a margin of it, the best that brings the pieces on.
int ExpertSearch::chooseByDuel(const std::vector<int>& order, const GameState& state)
{
    const std::size_t most = std::size_t(std::max(1, tuning_.weighed));
    std::vector<int> tried;
    for (const int m : order)
        if (tried.size() < most && !repeats(rootMoves_[m]))
            tried.push_back(m);
    for (std::size_t i = 0; tried.empty() && i < order.size() && i < most; ++i)
        tried.push_back(order[i]);

    // Every first move is valued at the same depth, the deepest that all
    // reached, so that none gains by the side that moved last.
    duel_.start(state);
    const int plies = std::min(tuning_.duelPlies, DuelSearch::MaxDepth);
    const std::size_t row = std::size_t(plies + 1);
    std::vector<int> values(tried.size() * row);
    int depth = plies;
    for (std::size_t i = 0; i < tried.size() && !stopped(); ++i) {
        const RootMove& m = rootMoves_[tried[i]];
        depth = std::min(depth, duel_.valuesAfter(m.piece, m.hole, plies, &values[i * row]));
    }
    std::vector<long> score(tried.size());
    for (std::size_t i = 0; i < tried.size(); ++i) {
        const RootMove& m = rootMoves_[tried[i]];
        long points = values[i * row + std::size_t(depth)];
        for (int o = 0; o < PlayerCount; ++o) {
            const long extra = o == me_ || !state.inPlay(o) ? 0 : extraPoints(styleToward(state.slots[me_], me_, o));
            if (extra != 0)
                points += extra * opponentsBestGain(m, o);
        }
        score[i] = points * PointWeight + m.plan;
    }

    std::size_t best = 0;
    for (std::size_t i = 1; i < tried.size(); ++i)
        if (score[i] < score[best])
            best = i;
    const RootMove& chosen = rootMoves_[tried[best]];
    const long here = progressKey(RootMove{chosen.piece, root_[chosen.piece].hole});
    if (progressKey(chosen) < here)
        return tried[best];
    // The best goes back, or sideways onto higher holes: a first move near
    // it in value that comes on is taken instead.
    const long near = StepPoints * PointWeight * tuning_.nearPercent / 100;
    std::size_t on = tried.size();
    for (std::size_t i = 0; i < tried.size(); ++i)
        if (score[i] <= score[best] + near && progressKey(rootMoves_[tried[i]]) < here &&
            (on == tried.size() || score[i] < score[on]))
            on = i;
    return tried[on == tried.size() ? best : on];
}

} // namespace tavolux
