// The Expert's root choice where others play: its most promising first
// moves searched two-sided, every player answering in turn.

#include "ai/expertsearch.h"

#include "model/board.h"

#include <algorithm>

namespace tavolux {

namespace {

// A point of the two-sided value (a quarter step) outweighs any difference
// in the order the first moves were found in: that only breaks ties.
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

// The root moves in the order the two-sided search tries moves: by the
// value of the position right after them, the order of generation deciding
// ties. Returns each move's place in it.
std::vector<int> ExpertSearch::stepOrder(std::vector<int>& order) const
{
    std::vector<int> value(rootMoves_.size());
    for (std::size_t m = 0; m < rootMoves_.size(); ++m) {
        uint8_t holes[PiecesPerPlayer];
        int distance = 0;
        for (int i = 0; i < PiecesPerPlayer; ++i) {
            const int k = firstPiece_ + i;
            holes[i] = static_cast<uint8_t>(k == rootMoves_[m].piece ? rootMoves_[m].hole : root_[k].hole);
            distance += distanceTo_[holes[i]];
        }
        value[m] = valueOf(holes, distance);
    }
    order.resize(rootMoves_.size());
    for (std::size_t m = 0; m < order.size(); ++m)
        order[m] = static_cast<int>(m);
    std::stable_sort(order.begin(), order.end(),
        [&](int a, int b) { return value[std::size_t(a)] < value[std::size_t(b)]; });
    std::vector<int> place(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        place[std::size_t(order[i])] = static_cast<int>(i);
    return place;
}

// What the player's styles add to a first move's two-sided value, in
// points: for each opponent, the steps of the best single move it is left.
long ExpertSearch::styleExtra(const GameState& state, const RootMove& m)
{
    long points = 0;
    for (int o = 0; o < PlayerCount; ++o) {
        const long extra = o == me_ || !state.inPlay(o) ? 0 : extraPoints(styleToward(state.slots[me_], me_, o));
        if (extra != 0)
            points += extra * opponentsBestGain(m, o);
    }
    return points;
}

// Of the first moves `tried` with their scores (lower is better), the best;
// when that goes back, or sideways onto higher holes, the best of those
// near it in value that brings the pieces on.
int ExpertSearch::preferProgress(const std::vector<int>& tried, const std::vector<long>& score) const
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < tried.size(); ++i)
        if (score[i] < score[best])
            best = i;
    const RootMove& chosen = rootMoves_[tried[best]];
    const long here = progressKey(RootMove{chosen.piece, root_[chosen.piece].hole});
    if (progressKey(chosen) < here)
        return tried[best];
    const long near = StepPoints * PointWeight * tuning_.nearPercent / 100;
    std::size_t on = tried.size();
    for (std::size_t i = 0; i < tried.size(); ++i)
        if (score[i] <= score[best] + near && progressKey(rootMoves_[tried[i]]) < here &&
            (on == tried.size() || score[i] < score[on]))
            on = i;
    return tried[on == tried.size() ? best : on];
}

// Two players: the first moves that bring the pieces furthest on at once
// and the first moves of the best plans, none that repeats a position
// while others are left, searched together; the one further on at once
// wins between equal values.
int ExpertSearch::chooseByDuel(const std::vector<int>& byPlan, const GameState& state)
{
    std::vector<int> byStep;
    const std::vector<int> place = stepOrder(byStep);
    const std::size_t most = std::size_t(std::max(1, tuning_.weighed));
    std::vector<int> tried;
    const auto take = [&](const std::vector<int>& from, std::size_t count) {
        for (std::size_t i = 0; i < from.size() && count > 0; ++i) {
            const int m = from[i];
            if (repeats(rootMoves_[m]) || std::find(tried.begin(), tried.end(), m) != tried.end())
                continue;
            tried.push_back(m);
            --count;
        }
    };
    take(byStep, most);
    take(byPlan, std::size_t(std::max(0, tuning_.planned)));
    for (std::size_t i = 0; tried.empty() && i < byStep.size() && i < most; ++i)
        tried.push_back(byStep[i]);

    std::vector<DuelSearch::FirstMove> firsts;
    for (const int m : tried)
        firsts.push_back({rootMoves_[m].piece, rootMoves_[m].hole, 0});
    duel_.valueFirstMoves(state, firsts, tuning_.duelPlies, int(StepPoints * tuning_.nearPercent / 100), stop_);
    std::vector<long> score(tried.size());
    for (std::size_t i = 0; i < tried.size(); ++i) {
        const long points = -firsts[i].value + styleExtra(state, rootMoves_[tried[i]]);
        score[i] = points * PointWeight + place[std::size_t(tried[i])];
    }
    return preferProgress(tried, score);
}

// More players: the best first moves of the plan that do not repeat a
// position (or, when all repeat, the best), each searched on its own with
// everyone answering, all valued at the deepest search every one of them
// finished, so that none gains by the side that moved last; the plan
// decides between equal values.
int ExpertSearch::chooseByGroupDuel(const std::vector<int>& byPlan, const GameState& state)
{
    const std::size_t most = std::size_t(std::max(1, tuning_.groupWeighed));
    std::vector<int> tried;
    for (const int m : byPlan)
        if (tried.size() < most && !repeats(rootMoves_[m]))
            tried.push_back(m);
    for (std::size_t i = 0; tried.empty() && i < byPlan.size() && i < most; ++i)
        tried.push_back(byPlan[i]);

    groupDuel_.start(state);
    const int plies = std::min(tuning_.groupPlies, DuelSearch::MaxDepth);
    const std::size_t row = std::size_t(plies + 1);
    std::vector<int> values(tried.size() * row);
    int depth = plies;
    for (std::size_t i = 0; i < tried.size() && !stopped(); ++i) {
        const RootMove& m = rootMoves_[tried[i]];
        depth = std::min(depth, groupDuel_.valuesAfter(m.piece, m.hole, plies, &values[i * row]));
    }
    std::vector<long> score(tried.size());
    for (std::size_t i = 0; i < tried.size(); ++i) {
        const RootMove& m = rootMoves_[tried[i]];
        const long points = values[i * row + std::size_t(depth)] + styleExtra(state, m);
        score[i] = points * PointWeight + m.plan;
    }
    return preferProgress(tried, score);
}

} // namespace tavolux
