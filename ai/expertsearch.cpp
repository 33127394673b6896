#include "ai/expertsearch.h"

#include "model/board.h"
#include "model/moverules.h"

#include <algorithm>
#include <random>

namespace tavolux {

namespace {

constexpr std::size_t RememberedPositions = 512;
constexpr int TableBits = 18; // room for every child of a beam of BeamWidth
constexpr int NoPlan = 0x3fffffff;
constexpr std::size_t LookedAt = 8; // best first moves weighed against the opponents
constexpr uint8_t HomeCost = 12; // per piece at home while the player across plays

// How much each step an opponent's best move gains counts against a first
// move. With others in play a plan's value adds up the positions on the way
// (four points per step at each of PlanDepth depths), so a step gained now
// is worth about 4 * PlanDepth: a Hostile Expert gives up half a step of its
// own to spoil an opponent's step, a Friendly one a quarter step to leave
// it room; a Neutral one only avoids handing out long jumps it does not
// need to.
int styleWeight(int style)
{
    constexpr int OwnStep = 4 * ExpertSearch::PlanDepth;
    switch (style) {
    case Friendly:
        return -OwnStep / 4;
    case Hostile:
        return OwnStep / 2;
    default:
        return 2;
    }
}

} // namespace

ExpertSearch::ExpertSearch(ExpertTuning tuning)
    : tuning_(tuning), duel_(tuning_.duelBeam, uint64_t(tuning_.duelBudget), tuning_.duelTableBits),
      groupDuel_(tuning_.duelBeam, uint64_t(tuning_.groupBudget)),
      table_(std::size_t(1) << TableBits)
{
    duel_.setTrailingWeight(tuning_.duelTrailing);
    std::mt19937_64 engine(0x7a501ce5u);
    for (uint64_t& z : zobrist_)
        z = engine();
    for (uint64_t& z : sideKey_)
        z = engine();
}

void ExpertSearch::setTuning(const ExpertTuning& tuning)
{
    tuning_ = tuning;
    duel_ = DuelSearch(tuning.duelBeam, uint64_t(tuning.duelBudget), tuning.duelTableBits);
    duel_.setTrailingWeight(tuning.duelTrailing);
    groupDuel_ = DuelSearch(tuning.duelBeam, uint64_t(tuning.groupBudget));
}

// Lower is better: four points per step still to go, and two per step by
// which the piece furthest behind trails the average, so that no piece is
// left alone at the back where nothing carries it forward.
int ExpertSearch::valueOf(const uint8_t* holes, int distance) const
{
    int atHome = 0;
    for (int i = 0; byFullTarget_ && i < PiecesPerPlayer; ++i)
        atHome += homeCost_[holes[i]];
    return atHome + distanceValue(holes, distance);
}

int ExpertSearch::distanceValue(const uint8_t* holes, int distance) const
{
    if (needed_ < PiecesPerPlayer) {
        // The pieces nearest the target fill it; the rest count a quarter.
        uint8_t d[PiecesPerPlayer];
        for (int i = 0; i < PiecesPerPlayer; ++i)
            d[i] = distanceTo_[holes[i]];
        std::sort(d, d + PiecesPerPlayer);
        int near = 0;
        for (int i = 0; i < needed_; ++i)
            near += d[i];
        const int trailing = std::max(0, d[needed_ - 1] * needed_ - near);
        return near * 4 + trailing * 2 / needed_ + (distance - near);
    }
    int furthest = 0;
    for (int i = 0; i < PiecesPerPlayer; ++i)
        furthest = std::max(furthest, int(distanceTo_[holes[i]]));
    const int trailing = std::max(0, furthest * PiecesPerPlayer - distance);
    return distance * 4 + trailing * 2 / PiecesPerPlayer;
}

uint64_t ExpertSearch::positionKey(const Position& pieces, int mover) const
{
    uint64_t key = sideKey_[mover];
    for (const PieceRecord& r : pieces)
        if (r.owner != 0)
            key ^= zobrist_[r.hole] * (uint64_t(r.owner) | 1);
    return key;
}

bool ExpertSearch::listRootMoves()
{
    rootMoves_.clear();
    board_.load(root_);
    uint8_t out[BoardSlots];
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const int k = firstPiece_ + i;
        const int n = board_.destinations(root_[k].hole, *mine_, out);
        for (int j = 0; j < n; ++j)
            rootMoves_.push_back({k, out[j]});
    }
    return !rootMoves_.empty();
}

// Where the seat across plays, pieces left at home cost extra, and the
// target holes that a finished player across keeps are taken for good: the
// own pieces needed are those that fill the rest.
void ExpertSearch::countFreeTargetHoles(const GameState& state)
{
    needed_ = PiecesPerPlayer;
    byFullTarget_ = finishesByFullTarget(state, me_);
    std::fill(std::begin(homeCost_), std::end(homeCost_), uint8_t(0));
    if (!byFullTarget_)
        return;
    // Pieces left at home stand in the way of the player across and fill
    // its target for it.
    for (const uint16_t hole : StartHoles[me_])
        homeCost_[hole] = HomeCost;
    const int across = oppositeSeat(me_);
    if (state.inPlay(across))
        return;
    int held = 0;
    for (const uint16_t hole : StartHoles[across])
        for (const PieceRecord& r : root_)
            held += r.owner == OwnerMark[across] && r.hole == hole ? 1 : 0;
    if (held < PiecesPerPlayer)
        needed_ = PiecesPerPlayer - held;
}

bool ExpertSearch::finishes(const Node& node) const
{
    if (!byFullTarget_)
        return node.distance == HomeDistanceSum;
    int inTarget = 0;
    for (const uint8_t hole : node.holes)
        inTarget += distanceTo_[hole] <= 3 ? 1 : 0;
    return inTarget >= needed_;
}

// Puts a child into next_, or improves the one with the same holes.
void ExpertSearch::keep(const Node& child)
{
    const std::size_t mask = table_.size() - 1;
    for (std::size_t at = child.key & mask;; at = (at + 1) & mask) {
        Slot& slot = table_[at];
        if (slot.depth != depth_) {
            // Kept at most half full, so that a probe always ends; a child
            // beyond that is one of too many to matter.
            if (next_.size() >= table_.size() / 2)
                return;
            slot = {child.key, depth_, static_cast<uint32_t>(next_.size())};
            next_.push_back(child);
            return;
        }
        if (slot.key == child.key) {
            Node& kept = next_[slot.index];
            if (child.value < kept.value || (child.value == kept.value && child.first < kept.first))
                kept = child;
            return;
        }
    }
}

// The children of a node: every move of every piece, the others standing.
void ExpertSearch::expand(const Node& node)
{
    for (int i = 0; i < PiecesPerPlayer; ++i)
        board_.move(root_[firstPiece_ + i].hole, node.holes[i]);
    uint8_t out[BoardSlots];
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const int from = node.holes[i];
        const int n = board_.destinations(from, *mine_, out);
        for (int j = 0; j < n; ++j) {
            Node child = node;
            child.holes[i] = out[j];
            child.distance = node.distance - distanceTo_[from] + distanceTo_[out[j]];
            child.key = node.key ^ zobrist_[from] ^ zobrist_[out[j]];
            const int own = valueOf(child.holes, child.distance);
            child.path = node.path + own;
            child.value = own + (othersMove_ ? child.path : 0);
            keep(child);
        }
    }
    for (int i = 0; i < PiecesPerPlayer; ++i)
        board_.move(node.holes[i], root_[firstPiece_ + i].hole);
    ++nodes_;
}

// Walks the beam; each root move gets the value of the best position its
// plans reach at the deepest level they survive to, deeper plans first.
// Returns the depth at which a plan first brings every piece home, 0 if
// none does.
int ExpertSearch::plan()
{
    Node start;
    start.distance = 0;
    start.key = 0;
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        start.holes[i] = static_cast<uint8_t>(root_[firstPiece_ + i].hole);
        start.distance += distanceTo_[start.holes[i]];
        start.key ^= zobrist_[start.holes[i]];
    }
    beam_.clear();
    for (std::size_t m = 0; m < rootMoves_.size(); ++m) {
        Node child = start;
        const RootMove& move = rootMoves_[m];
        const int i = move.piece - firstPiece_;
        child.holes[i] = static_cast<uint8_t>(move.hole);
        child.distance = start.distance - distanceTo_[start.holes[i]] + distanceTo_[move.hole];
        child.key = start.key ^ zobrist_[start.holes[i]] ^ zobrist_[move.hole];
        child.value = valueOf(child.holes, child.distance);
        child.path = child.value;
        child.first = static_cast<int>(m);
        rootMoves_[m].plan = child.value;
        if (byFullTarget_ ? fillsTarget(root_, move.piece, move.hole, me_) : finishes(child))
            rootMoves_[m].finishAt = 1;
        beam_.push_back(child);
    }
    for (const RootMove& m : rootMoves_)
        if (m.finishAt)
            return 1;

    const auto better = [](const Node& a, const Node& b) {
        return a.value != b.value ? a.value < b.value : a.first < b.first;
    };
    std::vector<int> reached(rootMoves_.size(), 1);
    const int planDepth = crowded_ ? CrowdedDepth : PlanDepth;
    for (int depth = 2; depth <= planDepth; ++depth) {
        if (stopped())
            return 0;
        if (beam_.size() > std::size_t(BeamWidth)) {
            std::nth_element(beam_.begin(), beam_.begin() + BeamWidth, beam_.end(), better);
            beam_.resize(BeamWidth);
        }
        next_.clear();
        ++depth_;
        for (const Node& node : beam_)
            expand(node);
        if (next_.empty())
            break;
        int finished = 0;
        for (const Node& node : next_) {
            RootMove& m = rootMoves_[node.first];
            if (reached[node.first] < depth) {
                reached[node.first] = depth;
                m.plan = NoPlan;
            }
            m.plan = std::min(m.plan, node.value);
            if (!m.finishAt && finishes(node)) {
                m.finishAt = depth;
                finished = depth;
            }
        }
        if (finished)
            return finished;
        beam_.swap(next_);
    }
    // A root move whose plans were all dropped early counts as worse than
    // any that lasted longer.
    for (std::size_t m = 0; m < rootMoves_.size(); ++m)
        rootMoves_[m].plan += (planDepth - reached[m]) * (NoPlan / (planDepth + 1));
    return 0;
}

// The most that one move of `opponent` brings a piece nearer its tip after
// the root move m.
int ExpertSearch::opponentsBestGain(const RootMove& m, int opponent)
{
    Position pos = root_;
    pos[m.piece].hole = static_cast<uint16_t>(m.hole);
    board_.load(pos);
    const TargetDistances& theirs = targetDistances(opponent);
    uint8_t out[BoardSlots];
    int best = 0;
    for (const PieceRecord& r : pos) {
        if (r.owner != OwnerMark[opponent])
            continue;
        const int n = board_.destinations(r.hole, theirs, out);
        for (int j = 0; j < n; ++j)
            best = std::max(best, int(theirs.distance[r.hole]) - int(theirs.distance[out[j]]));
    }
    return best;
}

// At a crowded table, what a first move is worth beside its plan: the step
// it gains at once, and where the pieces stand after a few rounds played
// out with everyone moving (a finish on the way beats any position).
long ExpertSearch::crowdedValue(const GameState& state, const RootMove& m)
{
    const long now = long(distanceTo_[m.hole]) - distanceTo_[root_[m.piece].hole];
    int finishedAt = 0;
    const Position end = rollout_.playOut(state, m.piece, m.hole, PlayedOutRounds, finishedAt);
    if (finishedAt)
        return -NoPlan + finishedAt;
    uint8_t holes[PiecesPerPlayer];
    int distance = 0;
    for (int k = 0; k < PiecesPerPlayer; ++k) {
        holes[k] = static_cast<uint8_t>(end[firstPiece_ + k].hole);
        distance += distanceTo_[holes[k]];
    }
    return FirstStepWeight * now + long(PlayedOutWeight) * valueOf(holes, distance);
}

ExpertChoice ExpertSearch::choose(const GameState& state, const std::atomic<bool>* stop)
{
    stop_ = stop;
    ExpertChoice choice;
    me_ = state.playerToMove;
    firstPiece_ = state.slots[me_].firstPiece;
    root_ = state.pieces;
    mine_ = &targetDistances(me_);
    distanceTo_ = mine_->distance;
    countFreeTargetHoles(state);
    othersMove_ = false;
    for (int p = 0; p < PlayerCount; ++p)
        othersMove_ = othersMove_ || (p != me_ && state.inPlay(p));
    crowded_ = byFullTarget_ && othersMove_;
    nodes_ = 0;
    choice.piece = firstPiece_;
    choice.hole = root_[firstPiece_].hole;
    if (!listRootMoves())
        return choice;

    const int finishing = plan();
    if (stopped()) {
        choice.stopped = true;
        return choice;
    }

    // The root moves worth a closer look: those whose plans finish first,
    // or the best plans, with what they leave the opponents.
    std::vector<int> order(rootMoves_.size());
    for (std::size_t m = 0; m < order.size(); ++m)
        order[m] = static_cast<int>(m);
    const auto planOrder = [&](int a, int b) {
        const RootMove &x = rootMoves_[a], &y = rootMoves_[b];
        if (finishing && (x.finishAt == finishing) != (y.finishAt == finishing))
            return x.finishAt == finishing;
        return x.plan != y.plan ? x.plan < y.plan : a < b;
    };
    std::sort(order.begin(), order.end(), planOrder);
    const int best = chooseAmong(order, state, finishing);
    if (stopped()) {
        choice.stopped = true;
        return choice;
    }
    const RootMove& chosen = rootMoves_[best];
    Position after = root_;
    after[chosen.piece].hole = static_cast<uint16_t>(chosen.hole);
    rememberPosition(after, me_);
    choice.found = true;
    choice.piece = chosen.piece;
    choice.hole = chosen.hole;
    choice.nodes = nodes_;
    return choice;
}

void ExpertSearch::rememberPosition(const Position& pieces, int mover)
{
    seen_.push_back(positionKey(pieces, mover));
    if (seen_.size() > RememberedPositions)
        seen_.pop_front();
}

bool ExpertSearch::repeats(const RootMove& m) const
{
    Position after = root_;
    after[m.piece].hole = static_cast<uint16_t>(m.hole);
    return std::find(seen_.begin(), seen_.end(), positionKey(after, me_)) != seen_.end();
}

// The first move among `order` (the root moves, best plans first). Where
// others play, the best are searched two-sided; at a table where the seat
// across plays, and where a plan finishes, as earlier versions chose.
int ExpertSearch::chooseAmong(const std::vector<int>& order, const GameState& state, int finishing)
{
    if (othersMove_ && !finishing && !byFullTarget_) {
        int others = 0;
        for (int p = 0; p < PlayerCount; ++p)
            others += p != me_ && state.inPlay(p) ? 1 : 0;
        if (others == 1 && tuning_.duelPlies > 0)
            return chooseByDuel(order, state);
        if (others > 1 && tuning_.groupPlies > 0)
            return chooseByGroupDuel(order, state);
    }
    // A position brought about before is never chosen again while another
    // move is left: the best first moves are weighed, and when all of them
    // repeat, the best of the rest that does not.
    const std::size_t looked = finishing ? 1 : std::min<std::size_t>(order.size(), LookedAt);
    int best = -1;
    long bestScore = 0;
    bool bestRepeats = true;
    for (std::size_t i = 0; i < order.size() && (i < looked || bestRepeats); ++i) {
        const RootMove& m = rootMoves_[order[i]];
        const bool repeated = repeats(m);
        if (best >= 0 && repeated && !bestRepeats)
            continue;
        long score = m.plan;
        if (crowded_) {
            score += crowdedValue(state, m);
            if (stopped())
                return order.front(); // the caller sees the stop and gives up
        }
        for (int o = 0; o < PlayerCount; ++o) {
            if (o == me_ || !state.inPlay(o))
                continue;
            const int style = styleToward(state.slots[me_], me_, o);
            score += long(styleWeight(style)) * opponentsBestGain(m, o);
        }
        if (best < 0 || (bestRepeats && !repeated) || score < bestScore) {
            best = order[i];
            bestScore = score;
            bestRepeats = repeated;
        }
    }

    return best;
}

} // namespace tavolux
