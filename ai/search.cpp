#include "ai/search.h"

#include "model/board.h"
#include "model/moverules.h"

#include <algorithm>
#include <limits>

namespace tavolux {

namespace {

bool inRange(int piece, int firstPiece) { return piece >= firstPiece && piece < firstPiece + PiecesPerPlayer; }

// The change of a player's score when piece i of the player moves from a
// hole at target distance `from` to one at `to`.
int scoreGain(bool counted, int from, int to) { return counted ? DistanceWeight[from] - DistanceWeight[to] : 0; }

} // namespace

SearchResult MoveSearch::choose(const GameState& state, TieBreak& tieBreak)
{
    state_ = &state;
    tieBreak_ = &tieBreak;
    root_ = state.pieces;
    me_ = state.playerToMove;
    first_ = state.slots[me_].firstPiece;
    used_ = 0;
    leaves_ = 0;
    bestKey_ = std::numeric_limits<int64_t>::min();
    bestCandidate_ = -1;
    bestWhole_ = 0;

    // The depth follows the progress of the player who moved just before me.
    SearchResult result;
    const int previous = previousPlayer(state, me_);
    depth_ = totalDistance(root_, state.slots[previous].firstPiece, previous) < EndgameTotal ? 4 : 2;
    result.depth = depth_;

    const bool finished = findCandidates(result);
    result.candidates = used_;
    if (finished)
        return result;
    setBaseValues();
    // Candidates that promise most go first, so that the best value rises
    // early and more last moves need only be counted. The order does not
    // change the outcome: see scoreLeaves().
    int order[MaxCandidates];
    for (int c = 0; c < used_; ++c)
        order[c] = used_ - 1 - c;
    auto promise = [this](int c) { return candidates_[c].baseValue + candidates_[c].replyBest[me_]; };
    std::stable_sort(order, order + used_, [&](int a, int b) { return promise(a) > promise(b); });
    for (int i = 0; i < used_; ++i)
        exploreCandidate(order[i]);

    result.leaves = leaves_;
    if (bestCandidate_ < 0) {
        result.move = {first_, root_[first_].hole};
        return result;
    }
    result.found = true;
    result.move = candidates_[bestCandidate_].move;
    result.best = NoValue;
    for (int c = 0; c < used_; ++c)
        result.best = std::max(result.best, candidates_[c].bestLeaf);
    return result;
}

std::vector<FirstMove> MoveSearch::tiedMoves() const
{
    std::vector<FirstMove> tied;
    if (bestCandidate_ < 0)
        return tied;
    int best = NoValue;
    for (int c = 0; c < used_; ++c)
        best = std::max(best, candidates_[c].bestLeaf);
    for (int c = 0; c < used_; ++c)
        if (candidates_[c].bestLeaf == best)
            tied.push_back(candidates_[c].move);
    std::sort(tied.begin(), tied.end(),
              [](const FirstMove& a, const FirstMove& b) { return a.piece != b.piece ? a.piece < b.piece : a.hole < b.hole; });
    return tied;
}

// Stage 1. Returns true when a first move brings all my pieces home; it is
// then the result and nothing else is searched.
bool MoveSearch::findCandidates(SearchResult& result)
{
    // Step 1. The root expands the pieces of the player after the previous
    // one, which is me whenever I am in play.
    if (nextPlayer(*state_, previousPlayer(*state_, me_)) != me_)
        return false;

    // Steps 2-4. Every move of mine, in piece and generator order, all taken.
    const TargetDistances& mine = targetDistances(me_);
    const bool byFullTarget = finishesByFullTarget(*state_, me_);
    const int score = positionScore(root_, first_, me_);
    const int total = totalDistance(root_, first_, me_);
    board_.load(root_);
    uint8_t* list = lists_[0];
    for (int i = 0; i < PieceCount; ++i) {
        if (root_[i].owner != OwnerMark[me_])
            continue;
        const int h = root_[i].hole;
        const int count = board_.destinations(h, mine, list);
        const bool counted = inRange(i, first_);
        for (int n = 0; n < count; ++n) {
            const int d = list[n];
            const int from = mine.distance[h], to = mine.distance[d];
            if (byFullTarget ? fillsTarget(root_, i, d, me_) : total + (counted ? to - from : 0) == FinishedTotal) {
                result.finishing = result.found = true;
                result.move = {i, d};
                return true;
            }
            if (used_ == MaxCandidates)
                continue;
            Candidate& c = candidates_[used_++];
            c.move = {i, d};
            std::fill(std::begin(c.replyBest), std::end(c.replyBest), NoValue);
            c.replyBest[me_] = score + scoreGain(counted, from, to);
            c.bestLeaf = NoValue;
        }
    }

    // Steps 5-6. The replies of the other players in play to each candidate.
    surveyReplies();
    for (int c = 0; c < used_; ++c)
        scoreReplies(candidates_[c]);
    return false;
}

// The replies piece i of `mover` has on the board as it stands.
MoveSearch::ReplyPiece MoveSearch::summariseReplies(int i, int mover)
{
    ReplyPiece r;
    r.mover = mover;
    const TargetDistances& theirs = targetDistances(mover);
    const int h = root_[i].hole;
    const int from = theirs.distance[h];
    const bool counted = inRange(i, state_->slots[mover].firstPiece);
    uint8_t* list = lists_[1];
    r.count = board_.destinations(h, theirs, list, &r.seen);
    for (int n = 0; n < r.count; ++n) {
        const int to = theirs.distance[list[n]];
        const int gain = scoreGain(counted, from, to);
        if (to <= from && gain > r.nearerGain)
            r.nearerGain = gain, r.nearerHole = list[n];
        if ((n == 0 || to <= from) && gain > r.anyGain)
            r.anyGain = gain, r.anyHole = list[n];
    }
    return r;
}

// Each other player's pieces and their replies at the root.
void MoveSearch::surveyReplies()
{
    const int p1 = nextPlayer(*state_, me_);
    const int p2 = nextPlayer(*state_, p1);
    for (int i = 0; i < PieceCount; ++i) {
        replies_[i] = ReplyPiece{};
        if (p1 != me_ && root_[i].owner == OwnerMark[p1])
            replies_[i] = summariseReplies(i, p1);
        else if (p1 != me_ && p2 != me_ && root_[i].owner == OwnerMark[p2])
            replies_[i] = summariseReplies(i, p2);
    }
}

// The best reply of each other player to one first move, by its own score:
// the first of the highest found in piece and generator order. A reply that
// takes a piece farther from its target tip counts only when it is the
// first destination examined. A piece whose footprint holds neither hole of
// the first move replies as at the root.
void MoveSearch::scoreReplies(Candidate& c)
{
    const int p1 = nextPlayer(*state_, me_);
    const int p2 = nextPlayer(*state_, p1);
    // With no other player in play there is nobody to reply.
    if (p1 == me_)
        return;

    Position pos = root_;
    const int start = pos[c.move.piece].hole;
    pos[c.move.piece].hole = static_cast<uint16_t>(c.move.hole);
    board_.move(start, c.move.hole);
    int score[PlayerCount] = {};
    for (int p : {p1, p2})
        score[p] = positionScore(pos, state_->slots[p].firstPiece, p);

    bool taken = false;
    for (int i = 0; i < PieceCount; ++i) {
        const ReplyPiece& atRoot = replies_[i];
        if (atRoot.mover < 0)
            continue;
        const bool same = !atRoot.seen.has(start) && !atRoot.seen.has(c.move.hole);
        const ReplyPiece r = same ? atRoot : summariseReplies(i, atRoot.mover);
        if (r.count == 0)
            continue;
        const int gain = taken ? r.nearerGain : r.anyGain;
        const int hole = taken ? r.nearerHole : r.anyHole;
        taken = true;
        if (gain == NoValue)
            continue;
        const int value = score[r.mover] + gain;
        if (value > c.replyBest[r.mover]) {
            c.replyBest[r.mover] = value;
            c.reply[r.mover] = {i, hole};
        }
    }
    board_.move(c.move.hole, start);
}

// Stage 2. Own score plus the styles toward the other players that take part
// and whose replies were scored.
void MoveSearch::setBaseValues()
{
    const PlayerSlot& me = state_->slots[me_];
    for (int c = 0; c < used_; ++c) {
        Candidate& cand = candidates_[c];
        cand.baseValue = cand.replyBest[me_];
        for (int o = 0; o < PlayerCount; ++o) {
            const int reply = cand.replyBest[o];
            if (o != me_ && state_->slots[o].active && reply != NoValue)
                cand.baseValue += styleTerm(styleToward(me, me_, o), reply);
        }
    }
}

} // namespace tavolux
