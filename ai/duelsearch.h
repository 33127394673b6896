#pragma once
// An alpha-beta search over every player's moves in turn, which sees where
// the players' lanes cross: the tools' sparring partner for measuring the
// Expert, and the Expert's look at the replies to its best first moves.
// A position is valued by how far each player's pieces still have to go
// (four points a step, and two, or as set, per step by which the piece
// furthest behind trails the average), the player to choose against the
// one of the others who is furthest on. With more than two players the
// others are taken to play against it alone (paranoid): each of them
// lowers its value. At every position only the few moves that bring the
// mover furthest on are searched (a beam), deeper and deeper until a
// budget of positions is spent, so that a choice is the same on any
// machine.
// Positions it has brought about before are not chosen again while
// another move is left. Nothing here allocates after the first choice.

#include "ai/searchboard.h"
#include "model/gamestate.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <vector>

namespace tavolux {

struct DuelChoice {
    bool found = false;
    int piece = 0;
    int hole = 0;
    int depth = 0; // plies of the last search finished
    uint64_t nodes = 0; // positions visited
};

class DuelSearch {
public:
    static constexpr int MaxDepth = 16;

    // Moves searched at every position below the root, and positions
    // visited per choice.
    // With a table of positions (tableBits > 0: 2^tableBits entries), a
    // position met again at the same depth is not searched again, and the
    // best move found there before is searched first; the table is emptied
    // before every choice, so a choice still depends on the position alone.
    DuelSearch(int beam, uint64_t nodeBudget, int tableBits = 0)
        : beam_(beam), budget_(nodeBudget), tableBits_(tableBits)
    {
    }

    // Points per step by which the piece furthest behind trails the
    // average (2 unless set).
    void setTrailingWeight(int points) { trailing_ = points; }

    DuelChoice choose(const GameState& state);
    void forgetPositions() { seen_.clear(); }

    // For the player to move of `state`, after start(): the values of
    // moving `piece` to `hole` (lower is better, four points a step, as its
    // own value less the others'), the others answering, searched 0, 1, ...
    // plies deep after it, into values[0..plies] while the budget lasts.
    // Returns the deepest search finished. A finish within reach counts
    // +-Win less the plies to it.
    static constexpr int Win = 1 << 24;
    void start(const GameState& state);
    int valuesAfter(int piece, int hole, int plies, int* values);

    struct FirstMove {
        int piece = 0;
        int hole = 0;
        int value = 0;
    };
    // For the player to move of `state`: the first moves `firsts` (piece,
    // hole) searched together, deeper and deeper up to `plies` while the
    // budget lasts, the best first. Each gets its value for the mover
    // (higher is better, four points a step), exact for those within
    // `margin` of the best and at most best - margin - 1 for the rest.
    // Returns the plies of the deepest search finished, 0 if none was.
    // Once *stop is true the search gives up, as when out of budget.
    int valueFirstMoves(const GameState& state, std::vector<FirstMove>& firsts, int plies, int margin,
        const std::atomic<bool>* stop = nullptr);

private:
    struct Move {
        uint8_t player, piece, from, to;
        int order; // the mover's value after it, lower first
    };

    int valueOf(int p) const;
    int worth(int distance, int furthest) const;
    int evaluate() const;
    int search(int depth, int ply, int turn, int alpha, int beta);
    void listMoves(int turn, std::vector<Move>& out, std::size_t keep);
    void make(const Move& m);
    void unmake(const Move& m);
    uint64_t key() const;

    void load(const GameState& state);
    static void bestFirst(std::vector<Move>& root, const std::vector<int>& scores);

    struct Entry {
        uint64_t key = 0;
        int32_t value = 0;
        int8_t depth = -1;
        uint8_t bound = 0; // Exact, AtLeast or AtMost
        uint8_t from = 0, to = 0;
    };
    Entry* probe(uint64_t key);

    int beam_;
    uint64_t budget_;
    int tableBits_;
    int trailing_ = 2;
    std::vector<Entry> table_;
    uint64_t pieceKey_[PlayerCount][BoardSlots] = {};
    uint64_t hash_ = 0; // of the pieces as they stand, kept by make() and unmake()
    int players_ = 0;
    int order_[PlayerCount] = {}; // in turn order, the chooser first
    int first_[PlayerCount] = {}; // its first piece in the table
    uint8_t holes_[PlayerCount][PiecesPerPlayer] = {};
    int distance_[PlayerCount] = {};
    const TargetDistances* target_[PlayerCount] = {};
    SearchBoard board_;
    uint64_t nodes_ = 0;
    bool outOfBudget_ = false;
    const std::atomic<bool>* stop_ = nullptr;
    std::vector<std::vector<Move>> moves_;
    std::deque<uint64_t> seen_;
};

} // namespace tavolux
