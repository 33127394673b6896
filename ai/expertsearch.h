#pragma once
// The Expert computer player's search. The game is above all a race, so the
// search plans the player's own moves several moves ahead: a beam search
// over sequences of its own moves, the other players' pieces standing
// still, that keeps the most promising positions at every depth (each
// position once, whichever order of moves reached it). A position is
// valued by how far the pieces still have to go, with extra weight on the
// pieces left behind. With other players in play the plan also counts the
// positions on the way, so that of two plans reaching the same place the
// one that gains ground sooner wins: the others' pieces will have moved by
// then, and a jump taken now cannot be taken away. The first moves of the best
// plans are then weighed against what they give the other players: the best
// single move each opponent has after them, counted by the player's styles (a
// Hostile Expert spoils that player's moves, a Friendly one leaves it room).
// Positions the player has already brought about in this game are avoided, so
// games among Experts never go round in circles.
//
// Where others play (and none across), first moves are instead searched
// two-sided (duelsearch.h): every player answers in turn, so the search
// sees where lanes cross and who blocks whom. Against one opponent, the
// first moves that bring the pieces furthest on at once and those of the
// best plans are searched together, deeper and deeper, positions met
// again looked up in a table; of equal values the move further on at once
// wins. Against more, the best first moves of the plan are each searched
// a few plies, and the plan decides between equal values. Of first moves
// whose values come within half a step of the best, one that brings the
// pieces on (nearer, or as near and onto lower holes) is preferred, so
// that even a player that remembers nothing does not go back and forth.
//
// Where the seat across plays, a full target finishes. Pieces left at home
// then cost extra: they stand in the way of the player across and fill its
// target for it. Holes of the target that a finished player across keeps
// count as filled, and the plan brings the pieces nearest the target into
// the free ones, the others counting less.
//
// Such tables are crowded: the pieces a long plan jumps over will mostly
// have moved by the time it gets there, and a plan that steps back to
// build a ladder loses the tempo. There the plan looks only CrowdedDepth
// moves ahead, a step gained by the first move itself counts extra, and
// the first moves weighed are also played out a few rounds with everyone
// moving (ExpertRollout): where the pieces stand then counts as much as
// the plan.
//
// A choice can be stopped from another thread through the flag it is given
// with it; it then returns at once, marked stopped, without a move.

#include "ai/duelsearch.h"
#include "ai/expertrollout.h"
#include "ai/searchboard.h"
#include "model/gamestate.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <vector>

namespace tavolux {

struct ExpertChoice {
    bool found = false;
    int piece = 0; // index in the piece table
    int hole = 0; // destination
    bool stopped = false;
    uint64_t nodes = 0; // positions expanded
};

// How the Expert weighs its first moves; the defaults play best.
struct ExpertTuning {
    // Two players: the first moves searched two-sided, both answering in
    // turn, all together and deeper and deeper: so many of those that bring
    // the pieces furthest on at once, and so many first moves of the best
    // plans beside them; so many plies deep at most, so many moves at each
    // position, so many positions in all, and a table of 2^duelTableBits
    // positions met (0: none). 0 plies: each first move is only weighed
    // against the best single move it leaves the opponent.
    int weighed = 20;
    int planned = 5;
    int duelPlies = 16;
    int duelBeam = 10;
    int duelBudget = 1000000;
    int duelTableBits = 19;
    // Points per step by which the piece furthest behind trails the
    // average, beside four per step still to go: a piece left behind costs
    // many moves at the end, when no others are near to jump over.
    int duelTrailing = 6;
    // More players: the first moves of the best plans, each searched on its
    // own, every player answering in turn, so many plies deep at most, with
    // duelBeam moves at each position and so many positions per first move;
    // the plan decides between equal values. 0 plies: as above.
    int groupWeighed = 10;
    int groupPlies = 8;
    int groupBudget = 30000;
    // Of first moves within this share of a step of the best, one that
    // brings the pieces on is preferred; 0: never.
    int nearPercent = 50;

    // The root choice of earlier versions, kept for measuring.
    static ExpertTuning reference()
    {
        ExpertTuning t;
        t.duelPlies = t.groupPlies = 0;
        return t;
    }
};

class ExpertSearch {
public:
    explicit ExpertSearch(ExpertTuning tuning = {});
    // Weighs its first moves so from now on.
    void setTuning(const ExpertTuning& tuning);

    // The move of state.playerToMove. Once *stop is true this choice gives
    // up; nullptr: it always finishes.
    ExpertChoice choose(const GameState& state, const std::atomic<bool>* stop = nullptr);

    // Forgets the positions of earlier games.
    void forgetPositions() { seen_.clear(); }
    // Adds the position after a move of `mover` to those brought about.
    void rememberPosition(const Position& pieces, int mover);

    // The plan: positions kept per depth and how many moves deep it looks.
    static constexpr int BeamWidth = 1000;
    static constexpr int PlanDepth = 12;
    // At a crowded table: the plan's depth, the rounds a first move is
    // played out, and what a step counts in each part of its value.
    static constexpr int CrowdedDepth = 4;
    static constexpr int PlayedOutRounds = 2;
    static constexpr int FirstStepWeight = 10;
    static constexpr int PlayedOutWeight = 10;

private:
    struct Node {
        uint8_t holes[PiecesPerPlayer];
        int distance = 0; // sum of the pieces' step distances to the tip
        int value = 0; // what the beam sorts by, lower is better
        int path = 0; // the sum of the values of the positions on the way
        uint64_t key = 0; // of the set of holes
        int first = 0; // index into the root moves
    };

    struct RootMove {
        int piece = 0;
        int hole = 0;
        int plan = 0x7fffffff; // best plan value found through it
        int finishAt = 0; // depth at which its plan brings all home, 0: none
    };

    int valueOf(const uint8_t* holes, int distance) const;
    int distanceValue(const uint8_t* holes, int distance) const;
    bool finishes(const Node& node) const;
    void countFreeTargetHoles(const GameState& state);
    bool listRootMoves();
    void expand(const Node& node);
    void keep(const Node& child);
    int plan();
    int chooseAmong(const std::vector<int>& order, const GameState& state, int finishing);
    int chooseByDuel(const std::vector<int>& byPlan, const GameState& state);
    int chooseByGroupDuel(const std::vector<int>& byPlan, const GameState& state);
    int preferProgress(const std::vector<int>& tried, const std::vector<long>& score) const;
    long styleExtra(const GameState& state, const RootMove& m);
    std::vector<int> stepOrder(std::vector<int>& order) const;
    bool repeats(const RootMove& m) const;
    long progressKey(const RootMove& m) const;
    int opponentsBestGain(const RootMove& m, int opponent);
    long crowdedValue(const GameState& state, const RootMove& m);
    uint64_t positionKey(const Position& pieces, int mover) const;
    bool stopped() const { return stop_ != nullptr && stop_->load(std::memory_order_relaxed); }

    ExpertTuning tuning_;
    int me_ = 0;
    int firstPiece_ = 0;
    Position root_{};
    const TargetDistances* mine_ = nullptr;
    const uint8_t* distanceTo_ = nullptr;
    bool othersMove_ = false; // other players are in play
    bool byFullTarget_ = false; // the seat across plays: a full target finishes
    bool crowded_ = false; // that, and others in play
    int needed_ = PiecesPerPlayer; // own pieces that fill the target: its holes
                                   // others do not keep
    uint8_t homeCost_[BoardSlots] = {};
    SearchBoard board_;
    ExpertRollout rollout_;
    DuelSearch duel_;      // two players
    DuelSearch groupDuel_; // more
    std::vector<RootMove> rootMoves_;
    std::vector<Node> beam_, next_;
    // Where each position of next_ is, by its key: open addressing, entries
    // of an earlier depth count as free.
    struct Slot {
        uint64_t key = 0;
        uint32_t depth = 0;
        uint32_t index = 0;
    };
    std::vector<Slot> table_;
    uint32_t depth_ = 0;
    uint64_t zobrist_[128] = {};
    uint64_t sideKey_[PlayerCount] = {};
    uint64_t nodes_ = 0;
    std::deque<uint64_t> seen_;
    const std::atomic<bool>* stop_ = nullptr; // of the choice being made
};

} // namespace tavolux
