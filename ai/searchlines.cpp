// Stage 3 of the move search: my own moves after each first move, walked
// depth first on one board, and the values of the lines.

#include "ai/search.h"

#include "model/board.h"

namespace tavolux {

namespace {
int scoreGain(bool counted, int from, int to) { return counted ? DistanceWeight[from] - DistanceWeight[to] : 0; }
}

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
        myPiece_[myCount_] = static_cast<uint8_t>(i);
        myHole_[myCount_] = static_cast<uint8_t>(pos[i].hole);
        counted_[myCount_] = i >= first_ && i < first_ + PiecesPerPlayer;
        ++myCount_;
    }
    current_ = index;
    base_ = c.baseValue;
    c.bestLeaf = NoValue;
    expand(1, positionScore(pos, first_, me_), totalDistance(pos, first_, me_));
}

// A node above the last move of a line: every move of mine that comes
// nearer my target tip, and the first destination examined whatever it is.
void MoveSearch::expand(int level, int score, int total)
{
    if (level == depth_ - 1) {
        scoreLastMoves(score);
        return;
    }
    uint8_t* list = lists_[level];
    bool taken = false;
    for (int k = 0; k < myCount_; ++k) {
        const int h = myHole_[k];
        int count;
        if (taken) {
            count = board_.nearerDestinations(h, mine_->distance[h], *mine_, list);
        } else {
            count = board_.destinations(h, *mine_, list);
            if (count == 0)
                continue;
            taken = true;
            int kept = 1;
            for (int n = 1; n < count; ++n)
                if (mine_->distance[list[n]] < mine_->distance[h])
                    list[kept++] = list[n];
            count = kept;
        }
        for (int n = 0; n < count; ++n)
            playLine(k, list[n], level, score, total);
    }
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
    board_.move(from, to);
    myHole_[k] = static_cast<uint8_t>(to);
    expand(level + 1, nextScore, nextTotal);
    myHole_[k] = static_cast<uint8_t>(from);
    board_.move(to, from);
}

// The last move of a line: per piece only its move that comes nearest the
// target tip, or, for the first piece that can move at all, its first
// destination when none comes nearer.
void MoveSearch::scoreLastMoves(int score)
{
    bool taken = false;
    for (int k = 0; k < myCount_; ++k) {
        const int h = myHole_[k];
        const int from = mine_->distance[h];
        int to = board_.nearestDistance(h, *mine_);
        if (to == Unreachable)
            continue;
        if (!taken) {
            taken = true;
            if (to >= from) {
                uint8_t* list = lists_[depth_ - 1];
                board_.destinations(h, *mine_, list);
                to = mine_->distance[list[0]];
            }
        } else if (to >= from) {
            continue;
        }
        scoreLeaf(score + scoreGain(counted_[k], from, to) + base_);
    }
}

// A leaf worth value + draw / 32767: it replaces the best one only when
// strictly greater, so the random term is drawn only when it could matter.
void MoveSearch::scoreLeaf(int value)
{
    ++leaves_;
    Candidate& c = candidates_[current_];
    if (value > c.bestLeaf)
        c.bestLeaf = value;
    const int64_t scaled = int64_t(value) * TieBreak::Scale;
    if (scaled + TieBreak::Scale <= bestKey_)
        return;
    const int64_t key = scaled + tieBreak_->draw();
    if (key > bestKey_) {
        bestKey_ = key;
        bestCandidate_ = current_;
    }
}

} // namespace tavolux
