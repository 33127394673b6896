// Stage 3 of the move search: my own moves after each first move, walked
// depth first on one board, and the values of the lines.

#include "ai/search.h"

#include "model/board.h"

#include <algorithm>

namespace tavolux {

namespace {

int scoreGain(bool counted, int from, int to) { return counted ? DistanceWeight[from] - DistanceWeight[to] : 0; }

// Random keys per piece and hole for the line cache's position key.
struct PositionKeys {
    uint64_t key[PieceCount][BoardSlots];
    PositionKeys()
    {
        uint64_t x = 0x9E3779B97F4A7C15u;
        for (auto& piece : key)
            for (uint64_t& k : piece) {
                x += 0x9E3779B97F4A7C15u;
                uint64_t z = x;
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
                k = z ^ (z >> 31);
            }
    }
};

// The number of bits set, without a call into the runtime library on
// processors that may lack an instruction for it.
int bitCount(uint32_t x)
{
    x -= (x >> 1) & 0x55555555u;
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((x * 0x01010101u) >> 24);
}

uint64_t positionKey(int k, int hole)
{
    static const PositionKeys keys;
    return keys.key[k][hole];
}

} // namespace

// Sets up the candidate's predicted position (my first move and the best
// reply of each other player) and walks every line that starts there.
void MoveSearch::exploreCandidate(int index)
{
    Candidate& c = candidates_[index];
    Position pos = root_;
    pos[c.move.piece].hole = static_cast<uint16_t>(c.move.hole);
    for (int p = 0; p < PlayerCount; ++p)
        if (p != me_ && c.replyBest[p] != NoValue)
            pos[c.reply[p].piece].hole = static_cast<uint16_t>(c.reply[p].hole);

    board_.load(pos);
    mine_ = &targetDistances(me_);
    myCount_ = 0;
    for (int i = 0; i < PieceCount; ++i) {
        if (pos[i].owner != OwnerMark[me_])
            continue;
        myHole_[myCount_] = static_cast<uint8_t>(pos[i].hole);
        counted_[myCount_] = i >= first_ && i < first_ + PiecesPerPlayer;
        ++myCount_;
    }
    positionKey_ = 0;
    for (int k = 0; k < myCount_; ++k)
        positionKey_ ^= positionKey(k, myHole_[k]);
    cache_.clear();
    current_ = index;
    base_ = c.baseValue;
    c.bestLeaf = NoValue;
    expand(1, positionScore(pos, first_, me_), totalDistance(pos, first_, me_));
}

// The destinations of piece k that a node takes: every one that comes
// nearer my target tip, and the first destination examined at the node
// whatever it is. The survey notes what decides them.
int MoveSearch::takenDestinations(int k, bool& taken, uint8_t* list, PieceSurvey& survey)
{
    const int h = myHole_[k];
    const int from = mine_->distance[h];
    if (taken)
        return board_.survey(h, from, *mine_, list, survey);
    const int count = board_.destinations(h, *mine_, list);
    uint8_t nearer[BoardSlots];
    board_.survey(h, from, *mine_, nearer, survey);
    survey.first = count > 0 ? mine_->stopDistance[list[0]] : Unreachable;
    survey.firstKnown = true;
    if (count == 0)
        return 0;
    taken = true;
    int kept = 1;
    for (int n = 1; n < count; ++n)
        if (mine_->distance[list[n]] < from)
            list[kept++] = list[n];
    return kept;
}

// A node two moves above the end of a line (or the last move itself, when
// lines are two moves long): every move of mine that comes nearer my target
// tip, and the first destination examined whatever it is. Every piece is
// surveyed first, so that the node below needs to survey again only the
// pieces the next move can affect.
void MoveSearch::expand(int level, int score, int total)
{
    if (level == depth_ - 1) {
        scoreLastMoves(score, -1, 0, 0);
        return;
    }
    bool taken = false;
    aboveTaken_ = 0;
    for (int k = 0; k < myCount_; ++k) {
        aboveTaken_ |= uint32_t(taken) << k;
        aboveCount_[k] = takenDestinations(k, taken, above_[k], aboveSurveys_[k]);
    }
    for (int k = 0; k < myCount_; ++k)
        for (int n = 0; n < aboveCount_[k]; ++n)
            playLine(k, above_[k][n], level, score, total);
}

// The node before the last move, reached by moving piece `moved` from
// `from` to `to`: every piece is surveyed first, so that the last moves
// need to search again only the pieces a move can affect. A piece keeps
// its survey from the node above when the move left its footprint alone
// and whether an earlier piece can move is unchanged.
void MoveSearch::expandBeforeLast(int level, int score, int total, int moved, int from, int to)
{
    bool taken = false;
    for (int k = 0; k < myCount_; ++k) {
        const PieceSurvey& above = aboveSurveys_[k];
        const bool same = k != moved && (aboveTaken_ >> k & 1) == taken && !above.seen.has(from) && !above.seen.has(to);
        if (!same) {
            beforeLastCount_[k] = takenDestinations(k, taken, beforeLast_[k], surveys_[k]);
            continue;
        }
        surveys_[k] = above;
        beforeLastCount_[k] = aboveCount_[k];
        std::copy_n(above_[k], aboveCount_[k], beforeLast_[k]);
        taken |= above.nearest != Unreachable;
    }
    prepareLastMoves(score);
    leftPiece_ = -1;
    for (int k = 0; k < myCount_; ++k)
        for (int n = 0; n < beforeLastCount_[k]; ++n)
            playLine(k, beforeLast_[k][n], level, score, total);
}

// Moves piece k to `to` as the next move of the line; the line ends there
// when all my pieces are home.
void MoveSearch::playLine(int k, int to, int level, int score, int total)
{
    const int from = myHole_[k];
    const int df = mine_->distance[from], dt = mine_->distance[to];
    const int nextScore = score + scoreGain(counted_[k], df, dt);
    const int nextTotal = total + (counted_[k] ? dt - df : 0);
    if (nextTotal == FinishedTotal) {
        scoreLeaf(nextScore + base_);
        return;
    }
    const uint64_t change = positionKey(k, from) ^ positionKey(k, to);
    board_.move(from, to);
    myHole_[k] = static_cast<uint8_t>(to);
    positionKey_ ^= change;
    if (level == depth_ - 2)
        scoreLastMoves(nextScore, k, from, to);
    else
        expandBeforeLast(level + 1, nextScore, nextTotal, k, from, to);
    positionKey_ ^= change;
    myHole_[k] = static_cast<uint8_t>(from);
    board_.move(to, from);
}

// The last move of a line. When the node follows a survey (piece `moved`
// went from `from` to `to`), its outcome may already be in the line cache.
// A node that cannot reach the best value so far is only counted.
void MoveSearch::scoreLastMoves(int score, int moved, int from, int to)
{
    const bool cached = moved >= 0;
    LastMoveSummary s;
    if (const LastMoveSummary* known = cached ? cache_.find(positionKey_, myHole_, myCount_) : nullptr) {
        s = *known;
    } else {
        uint32_t recount = 0;
        const uint32_t changed = changedPieces(moved, from, to, recount);
        if (mayReachBest(score, moved, to, changed))
            s = summariseLastMoves(changed);
        else
            s.leaves = static_cast<uint8_t>(countLastMoves(recount));
        if (cached)
            cache_.store(positionKey_, myHole_, myCount_, s);
    }
    if (!s.valued) {
        leaves_ += s.leaves;
        return;
    }
    scoreLeaves(score + s.bestGain + base_, s.atBest);
    leaves_ += s.leaves - s.atBest;
}

// What every last move after this node can take from the survey: which
// pieces can move at all and which can come nearer, what each may gain, and
// whether any line through here can reach the best value so far. The next
// move gains at most the best surveyed gain, or loses; the last move gains
// at most the weight of a piece's hole, and a piece moved away from the tip
// gains at most back what it lost.
void MoveSearch::prepareLastMoves(int score)
{
    advancing_ = movable_ = 0;
    int mostGain = 0, mostWeight = 0;
    for (int k = 0; k < myCount_; ++k) {
        const int nearest = surveys_[k].nearest;
        const int here = mine_->distance[myHole_[k]];
        movable_ |= uint32_t(nearest != Unreachable) << k;
        advancing_ |= uint32_t(nearest < here) << k;
        weight_[k] = counted_[k] ? DistanceWeight[here] : 0;
        surveyGain_[k] = counted_[k] && nearest < here ? weight_[k] - DistanceWeight[nearest] : 0;
        mostGain = std::max(mostGain, surveyGain_[k]);
        mostWeight = std::max(mostWeight, weight_[k]);
    }
    countOnly_ = bestCandidate_ >= 0 && score + base_ + mostGain + mostWeight < bestWhole_;
}

// The pieces (as bits) whose destinations must be searched again: all of
// them without a survey, else the moved one and those whose footprint holds
// the hole it left or the hole it took. `recount` gets the pieces whose
// count of last moves may have changed: of the pieces that could come
// nearer, only those whose witness the move broke. The last moves of one
// piece are played one after another, so what the hole it leaves touches
// is worked out once for them all.
uint32_t MoveSearch::changedPieces(int moved, int from, int to, uint32_t& recount)
{
    if (moved < 0)
        return recount = (1u << myCount_) - 1;
    if (leftPiece_ != moved) {
        leftPiece_ = moved;
        leftSeen_ = leftWitness_ = 0;
        for (int k = 0; k < myCount_; ++k) {
            leftSeen_ |= uint32_t(surveys_[k].seen.has(from)) << k;
            leftWitness_ |= uint32_t(surveys_[k].nearer.over.has(from)) << k;
        }
    }
    uint32_t changed = (1u << moved) | leftSeen_, broken = leftWitness_;
    for (int k = 0; k < myCount_; ++k) {
        changed |= uint32_t(surveys_[k].seen.has(to)) << k;
        broken |= uint32_t(surveys_[k].nearer.land.has(to)) << k;
    }
    recount = (1u << moved) | (changed & ~advancing_) | (broken & advancing_);
    return changed;
}

// Whether a last move from a node with this score could give a leaf worth
// at least the best whole-number value so far. An unchanged piece gains
// what its survey says; a changed one at most the weight of the hole it
// leaves. The leaves of a node that cannot could neither win nor tie.
bool MoveSearch::mayReachBest(int score, int moved, int to, uint32_t changed) const
{
    if (bestCandidate_ < 0)
        return true;
    int most = 0;
    if (moved < 0) {
        for (int k = 0; k < myCount_; ++k)
            most = std::max(most, counted_[k] ? DistanceWeight[mine_->distance[myHole_[k]]] : 0);
        return score + base_ + most >= bestWhole_;
    }
    if (countOnly_)
        return false;
    for (int k = 0; k < myCount_; ++k)
        if (k != moved)
            most = std::max(most, changed >> k & 1 ? weight_[k] : surveyGain_[k]);
    if (counted_[moved])
        most = std::max(most, int(DistanceWeight[mine_->distance[to]]));
    return score + base_ + most >= bestWhole_;
}

// Per piece only its move that comes nearest the target tip, or, for the
// first piece that can move at all, its first destination when none comes
// nearer. Unchanged pieces keep their surveyed destinations. The leaves
// below the best gain are only counted: they belong to the same first move
// as the best ones and cannot make another first move win.
LastMoveSummary MoveSearch::summariseLastMoves(uint32_t changed)
{
    LastMoveSummary s;
    s.valued = true;
    bool taken = false;
    board_.startPosition();
    for (int k = 0; k < myCount_; ++k) {
        const bool fresh = changed >> k & 1;
        const int h = myHole_[k];
        int nearest = fresh ? board_.sharedNearestDistance(h, *mine_) : surveys_[k].nearest;
        if (nearest == Unreachable)
            continue;
        const int here = mine_->distance[h];
        if (!taken) {
            taken = true;
            if (nearest >= here)
                nearest = firstDestinationDistance(k, fresh);
        } else if (nearest >= here) {
            continue;
        }
        const int gain = scoreGain(counted_[k], here, nearest);
        if (s.leaves == 0 || gain > s.bestGain) {
            s.bestGain = static_cast<int16_t>(gain);
            s.atBest = 0;
        }
        s.atBest += gain == s.bestGain;
        ++s.leaves;
    }
    return s;
}

// The number of leaves of a last move: one per piece that can come nearer
// its target tip, and one for the first piece that can move at all when it
// cannot. The pieces to recount are searched again, by a search that stops
// at the first nearer hole; the others are counted from the survey. Whether
// a piece that cannot come nearer can move at all matters only while no
// piece before it can.
int MoveSearch::countLastMoves(uint32_t recount)
{
    uint32_t advancing = advancing_ & ~recount;
    uint32_t movable = movable_ & ~recount;
    uint32_t unsure = 0;
    board_.startPosition();
    for (uint32_t bits = recount; bits != 0; bits &= bits - 1) {
        const int k = __builtin_ctz(bits);
        const int h = myHole_[k];
        if (board_.canStepNearer(h, *mine_) || board_.canReachNearer(h, *mine_)) {
            advancing |= 1u << k;
            movable |= 1u << k;
        } else if (board_.canMoveAtOnce(h, *mine_)) {
            movable |= 1u << k;
        } else {
            unsure |= 1u << k;
        }
    }
    // Pieces before the first that surely moves: search them in full.
    while (unsure != 0 && (movable == 0 || __builtin_ctz(unsure) < __builtin_ctz(movable))) {
        const int k = __builtin_ctz(unsure);
        unsure &= unsure - 1;
        movable |= uint32_t(board_.sharedNearestDistance(myHole_[k], *mine_) != Unreachable) << k;
    }
    const uint32_t first = movable & (0u - movable);
    return bitCount(advancing) + ((first & ~advancing) != 0);
}

// The target distance of piece k's first destination in the rules' order.
int MoveSearch::firstDestinationDistance(int k, bool fresh)
{
    PieceSurvey& before = surveys_[k];
    if (!fresh && before.firstKnown)
        return before.first;
    uint8_t* list = lists_[depth_ - 1];
    board_.destinations(myHole_[k], *mine_, list);
    const int first = mine_->stopDistance[list[0]];
    if (!fresh) {
        before.first = static_cast<uint8_t>(first);
        before.firstKnown = true;
    }
    return first;
}

void MoveSearch::scoreLeaf(int value) { scoreLeaves(value, 1); }

// `count` leaves worth value + draw / 32767 each. The rules walk the
// candidates from the last to the first and keep the first leaf of the
// highest value, so of equal ones the leaf of the later candidate wins,
// whatever order they are met in here. The random term is drawn only when
// it could matter.
void MoveSearch::scoreLeaves(int value, int count)
{
    if (count == 0)
        return;
    leaves_ += count;
    Candidate& c = candidates_[current_];
    if (value > c.bestLeaf)
        c.bestLeaf = value;
    if (bestCandidate_ < 0 || value > bestWhole_)
        bestWhole_ = value;
    const bool later = current_ > bestCandidate_;
    const int64_t scaled = int64_t(value) * TieBreak::Scale;
    if (scaled + TieBreak::Scale < bestKey_ || (scaled + TieBreak::Scale == bestKey_ && !later))
        return;
    for (int i = 0; i < count; ++i) {
        const int64_t key = scaled + tieBreak_->draw();
        if (key > bestKey_ || (key == bestKey_ && later)) {
            bestKey_ = key;
            bestCandidate_ = current_;
        }
    }
}

} // namespace tavolux
