#include "ai/duelsearch.h"

#include "model/moverules.h"

#include <algorithm>

namespace tavolux {

namespace {

constexpr int Infinity = 1 << 26;
constexpr std::size_t RememberedPositions = 512;
enum Bound : uint8_t { Exact, AtLeast, AtMost };

uint64_t mix(uint64_t x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

} // namespace

// Lower is better, as the Expert's plan counts: four points per step still
// to go and two (or as set) per step by which the piece furthest behind
// trails the average.
int DuelSearch::valueOf(int t) const
{
    int furthest = 0;
    for (const uint8_t hole : holes_[t])
        furthest = std::max(furthest, int(target_[t]->distance[hole]));
    return worth(distance_[t], furthest);
}

// The value of pieces `distance` steps from home in all, the furthest behind
// `furthest` steps.
int DuelSearch::worth(int distance, int furthest) const
{
    const int trailing = std::max(0, furthest * PiecesPerPlayer - distance);
    return distance * 4 + trailing * trailing_ / PiecesPerPlayer;
}

// From the chooser's side: the value of the best placed other player less
// its own.
int DuelSearch::evaluate() const
{
    int others = Infinity;
    for (int t = 1; t < players_; ++t)
        others = std::min(others, valueOf(t));
    return others - valueOf(0);
}

uint64_t DuelSearch::key() const
{
    uint64_t k = 0;
    for (int t = 0; t < players_; ++t)
        for (const uint8_t hole : holes_[t])
            k ^= pieceKey_[t][hole];
    return k;
}

DuelSearch::Entry* DuelSearch::probe(uint64_t key)
{
    return table_.empty() ? nullptr : &table_[key & (table_.size() - 1)];
}

// The moves of `turn` that bring its pieces furthest on, at most `keep` of
// them, best first; of equal values the move found first stays first, so
// that a choice never depends on how they are sorted.
void DuelSearch::listMoves(int turn, std::vector<Move>& out, std::size_t keep)
{
    out.clear();
    const TargetDistances& target = *target_[turn];
    // The value after a move, as valueOf() counts it, needs the piece
    // furthest behind once the moved piece has left its hole.
    int furthest = -1, behind = 0, runnerUp = 0;
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const int d = target.distance[holes_[turn][i]];
        if (d > behind) {
            runnerUp = behind;
            behind = d;
            furthest = i;
        } else {
            runnerUp = std::max(runnerUp, d);
        }
    }
    uint8_t to[BoardSlots];
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const uint8_t from = holes_[turn][i];
        const int n = board_.destinations(from, target, to);
        const int others = i == furthest ? runnerUp : behind;
        for (int j = 0; j < n; ++j) {
            const int distance = distance_[turn] + target.distance[to[j]] - target.distance[from];
            const int last = std::max(others, int(target.distance[to[j]]));
            const Move m{uint8_t(turn), uint8_t(i), from, to[j], worth(distance, last)};
            if (out.size() == keep && m.order >= out.back().order)
                continue;
            if (out.size() == keep)
                out.pop_back();
            auto at = std::upper_bound(
                out.begin(), out.end(), m, [](const Move& a, const Move& b) { return a.order < b.order; });
            out.insert(at, m);
        }
    }
}

void DuelSearch::make(const Move& m)
{
    board_.move(m.from, m.to);
    holes_[m.player][m.piece] = m.to;
    hash_ ^= pieceKey_[m.player][m.from] ^ pieceKey_[m.player][m.to];
    distance_[m.player] += target_[m.player]->distance[m.to] - target_[m.player]->distance[m.from];
}

void DuelSearch::unmake(const Move& m)
{
    board_.move(m.to, m.from);
    holes_[m.player][m.piece] = m.from;
    hash_ ^= pieceKey_[m.player][m.from] ^ pieceKey_[m.player][m.to];
    distance_[m.player] -= target_[m.player]->distance[m.to] - target_[m.player]->distance[m.from];
}

// The value of the position with `turn` to move, searched `depth` plies.
int DuelSearch::search(int depth, int ply, int turn, int alpha, int beta)
{
    if (++nodes_ > budget_ || (stop_ != nullptr && stop_->load(std::memory_order_relaxed))) {
        outOfBudget_ = true;
        return 0;
    }
    if (depth == 0)
        return evaluate();
    const int next = (turn + 1) % players_;
    // The player to move is part of the position.
    const uint64_t here = hash_ ^ pieceKey_[turn][BoardSlots - 1];
    Entry* entry = probe(here);
    int firstFrom = -1, firstTo = -1;
    if (entry != nullptr && entry->key == here) {
        if (entry->depth >= depth &&
            (entry->bound == Exact || (entry->bound == AtLeast && entry->value >= beta) ||
                (entry->bound == AtMost && entry->value <= alpha)))
            return entry->value;
        firstFrom = entry->from;
        firstTo = entry->to;
    }
    std::vector<Move>& moves = moves_[std::size_t(ply)];
    listMoves(turn, moves, std::size_t(beam_));
    if (moves.empty())
        return search(depth - 1, ply + 1, next, alpha, beta);
    const std::size_t count = std::min<std::size_t>(moves.size(), std::size_t(beam_));
    // The best move of an earlier search of this position first.
    for (std::size_t i = 1; i < count; ++i)
        if (moves[i].from == firstFrom && moves[i].to == firstTo) {
            std::rotate(moves.begin(), moves.begin() + long(i), moves.begin() + long(i) + 1);
            break;
        }
    const bool mine = turn == 0;
    const int alphaIn = alpha, betaIn = beta;
    int best = mine ? -Infinity : Infinity;
    std::size_t bestAt = 0;
    for (std::size_t i = 0; i < count && !outOfBudget_; ++i) {
        const Move m = moves[i];
        make(m);
        int score;
        if (distance_[turn] == HomeDistanceSum)
            score = mine ? Win - ply : -(Win - ply);
        else
            score = search(depth - 1, ply + 1, next, alpha, beta);
        unmake(m);
        if (mine ? score > best : score < best) {
            best = score;
            bestAt = i;
        }
        if (mine)
            alpha = std::max(alpha, score);
        else
            beta = std::min(beta, score);
        if (alpha >= beta)
            break;
    }
    if (entry != nullptr && !outOfBudget_) {
        const uint8_t bound = best <= alphaIn ? AtMost : best >= betaIn ? AtLeast : Exact;
        *entry = {here, best, int8_t(depth), bound, moves[bestAt].from, moves[bestAt].to};
    }
    return best;
}

// The root moves ordered by their scores, the best first; of equal scores
// the one searched earlier stays first.
void DuelSearch::bestFirst(std::vector<Move>& root, const std::vector<int>& scores)
{
    std::vector<std::size_t> byScore(root.size());
    for (std::size_t i = 0; i < byScore.size(); ++i)
        byScore[i] = i;
    std::stable_sort(byScore.begin(), byScore.end(), [&](std::size_t a, std::size_t b) { return scores[a] > scores[b]; });
    std::vector<Move> sorted;
    for (const std::size_t i : byScore)
        sorted.push_back(root[i]);
    root.swap(sorted);
}

void DuelSearch::load(const GameState& state)
{
    players_ = 0;
    // In turn order, the player to move first.
    for (int k = 0, p = state.playerToMove; k < PlayerCount; ++k, p = TurnCycle[(TurnPlace[p] + 1) % PlayerCount]) {
        if (!state.inPlay(p))
            continue;
        const int t = players_++;
        order_[t] = p;
        first_[t] = state.slots[p].firstPiece;
        target_[t] = &targetDistances(p);
        distance_[t] = 0;
        for (int i = 0; i < PiecesPerPlayer; ++i) {
            holes_[t][i] = static_cast<uint8_t>(state.pieces[first_[t] + i].hole);
            distance_[t] += target_[t]->distance[holes_[t][i]];
        }
    }
    for (int t = 0; t < players_; ++t)
        for (int h = 0; h < BoardSlots; ++h)
            pieceKey_[t][h] = mix(uint64_t(order_[t]) << 8 | uint64_t(h));
    hash_ = key();
    if (tableBits_ > 0) {
        table_.assign(std::size_t(1) << tableBits_, Entry{});
    }
    board_.load(state.pieces);
    moves_.resize(MaxDepth + 2);
    nodes_ = 0;
    outOfBudget_ = false;
}

void DuelSearch::start(const GameState& state)
{
    load(state);
}

int DuelSearch::valuesAfter(int piece, int hole, int plies, int* values)
{
    const int i = piece - first_[0];
    const Move m{0, uint8_t(i), holes_[0][i], uint8_t(hole), 0};
    make(m);
    nodes_ = 0;
    outOfBudget_ = false;
    // Deeper and deeper while the budget lasts.
    values[0] = -evaluate();
    int done = 0;
    if (distance_[0] == HomeDistanceSum || players_ < 2) {
        for (int depth = 0; depth <= plies; ++depth)
            values[depth] = -Win;
        done = plies;
    }
    while (done < plies) {
        const int value = search(done + 1, 1, 1 % players_, -Infinity, Infinity);
        if (outOfBudget_)
            break;
        values[++done] = -value;
    }
    unmake(m);
    return done;
}

int DuelSearch::valueFirstMoves(const GameState& state, std::vector<FirstMove>& firsts, int plies, int margin,
    const std::atomic<bool>* stop)
{
    load(state);
    stop_ = stop;
    if (firsts.empty())
        return 0;
    std::vector<Move> root;
    for (const FirstMove& f : firsts) {
        const int i = f.piece - first_[0];
        root.push_back({0, uint8_t(i), holes_[0][i], uint8_t(f.hole), int(root.size())});
    }
    std::vector<int> values(root.size(), 0);
    int done = 0;
    for (int depth = 1; depth <= std::min(plies, MaxDepth); ++depth) {
        std::vector<int> scores(root.size(), -Infinity);
        int best = -Infinity;
        for (std::size_t i = 0; i < root.size() && !outOfBudget_; ++i) {
            make(root[i]);
            if (distance_[0] == HomeDistanceSum)
                scores[i] = Win;
            else if (players_ < 2)
                scores[i] = -evaluate();
            else
                scores[i] =
                    search(depth - 1, 1, 1 % players_, best == -Infinity ? -Infinity : best - margin - 1, Infinity);
            unmake(root[i]);
            best = std::max(best, scores[i]);
        }
        if (outOfBudget_)
            break;
        for (std::size_t i = 0; i < root.size(); ++i)
            values[std::size_t(root[i].order)] = scores[i];
        bestFirst(root, scores);
        done = depth;
        if (best >= Win - MaxDepth || players_ < 2)
            break;
    }
    for (std::size_t i = 0; i < firsts.size(); ++i)
        firsts[i].value = values[i];
    stop_ = nullptr;
    return done;
}

DuelChoice DuelSearch::choose(const GameState& state)
{
    DuelChoice choice;
    load(state);
    if (players_ == 0)
        return choice;

    // The root moves, those that bring about a position seen before left
    // out while any other is left.
    std::vector<Move> root;
    listMoves(0, root, std::size_t(-1));
    if (root.empty())
        return choice;
    std::vector<Move> fresh;
    for (const Move& m : root) {
        make(m);
        const bool repeats = std::find(seen_.begin(), seen_.end(), key()) != seen_.end();
        unmake(m);
        if (!repeats)
            fresh.push_back(m);
    }
    if (!fresh.empty())
        root.swap(fresh);
    if (root.size() > std::size_t(2 * beam_))
        root.resize(std::size_t(2 * beam_));

    Move best = root.front();
    if (players_ > 1) {
        std::vector<int> scores(root.size());
        for (int depth = 1; depth <= MaxDepth; ++depth) {
            int alpha = -Infinity;
            for (std::size_t i = 0; i < root.size() && !outOfBudget_; ++i) {
                make(root[i]);
                scores[i] =
                    distance_[0] == HomeDistanceSum ? Win : search(depth - 1, 1, 1 % players_, alpha - 1, Infinity);
                unmake(root[i]);
                alpha = std::max(alpha, scores[i]);
            }
            if (outOfBudget_)
                break;
            const bool won = *std::max_element(scores.begin(), scores.end()) >= Win - MaxDepth;
            bestFirst(root, scores);
            best = root.front();
            choice.depth = depth;
            if (won)
                break;
        }
    }
    make(best);
    seen_.push_back(key());
    if (seen_.size() > RememberedPositions)
        seen_.pop_front();
    choice.found = true;
    choice.piece = first_[0] + best.piece;
    choice.hole = best.to;
    choice.nodes = nodes_;
    return choice;
}

} // namespace tavolux
