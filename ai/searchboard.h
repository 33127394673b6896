#pragma once
// The move search's working board: how many pieces stand on each hole and
// compact neighbour and jump tables, with hole 127 as an always occupied
// stand-in for "no hole" so that the inner loops need no bounds tests.
// It answers the questions the search asks about one piece: its
// destinations in the order of the move rules, the nearest one to a target
// tip, and the ones that come nearer. Nothing here allocates.

#include "model/types.h"

#include <cstdint>

namespace tavolux {

constexpr int BoardSlots = 128;
constexpr uint8_t OffBoard = 127;
constexpr uint8_t Unreachable = 255;

// Per player: each hole's step distance to the player's target tip, the
// same distance or Unreachable where the player may not stop, and the (at
// most two) neighbours one step nearer the tip where it may stop, OffBoard
// for none.
struct TargetDistances {
    uint8_t distance[BoardSlots];
    uint8_t stopDistance[BoardSlots];
    uint8_t nearer[BoardSlots][2];
};
const TargetDistances& targetDistances(int player);

// The holes whose occupancy a piece's destination search looked at: its own
// hole and the neighbours and jump landings of every hole it reached. While
// none of them changes, the piece's destinations stay the same.
struct Footprint {
    uint64_t bits[2] = {0, 0};
    bool has(int hole) const { return (bits[hole >> 6] >> (hole & 63)) & 1; }
    void add(int hole) { bits[hole >> 6] |= uint64_t(1) << (hole & 63); }
};

// One way for a piece to come nearer its target tip: the holes it jumps
// over and the holes it lands on. While the jumped ones stay occupied and
// the landing ones empty, the piece can still come nearer.
struct Witness {
    Footprint over;
    Footprint land;
};

// What the search keeps of one piece at a node of a four-move line above
// its last move.
struct PieceSurvey {
    uint8_t nearest = Unreachable;  // least stopDistance of its destinations
    uint8_t first = Unreachable;    // stopDistance of its first destination, once asked
    bool firstKnown = false;
    Footprint seen;
    Witness nearer;  // when nearest is below the piece's own distance
};

class SearchBoard {
public:
    // Counts every piece in play (owner mark not 0) on its hole.
    void load(const Position& pos);
    void move(int from, int to)
    {
        --pieces_[from];
        ++pieces_[to];
    }

    // The destinations of a piece on hole h, as findDestinations lists them
    // (jump landings depth first, then steps), kept where the mover may
    // stop. Returns their number. `seen`, if given, gets the holes whose
    // occupancy decided them.
    int destinations(int h, const TargetDistances& mover, uint8_t* out, Footprint* seen = nullptr);
    // The least stopDistance over the destinations of a piece on h,
    // Unreachable when it has none. The jump landings of all pieces form one
    // graph of empty holes, so each group of landings joined by jumps is
    // searched once per position and shared by the pieces that reach it.
    // Call startPosition() after every change of the board.
    void startPosition();
    int sharedNearestDistance(int h, const TargetDistances& mover);

    // Whether a piece on h has a step or a first jump it may stop after.
    bool canMoveAtOnce(int h, const TargetDistances& mover) const;

    // Whether any jump chain takes a piece on h to a hole nearer its tip.
    bool canReachNearer(int h, const TargetDistances& mover);
    // Whether a piece on h can step to a hole nearer its target tip.
    bool canStepNearer(int h, const TargetDistances& mover) const
    {
        return pieces_[mover.nearer[h][0]] == 0 || pieces_[mover.nearer[h][1]] == 0;
    }

    // The destinations whose stopDistance is below `limit`, in no fixed
    // order, and the piece's nearest distance, footprint and, when it can
    // come nearer, a witness.
    int survey(int h, int limit, const TargetDistances& mover, uint8_t* out, PieceSurvey& piece);

private:
    template <class Visit>
    void visitReachable(int h, Visit visit, Footprint& seen);
    void witness(int h, const uint8_t* nearer, int count, Witness& w) const;
    void clearLandings(int count);

    void searchGroup(uint8_t start, const TargetDistances& mover);

    uint8_t pieces_[BoardSlots] = {};
    uint8_t landings_[BoardSlots] = {};
    // Per destination of the last survey: the hole it was reached from, the
    // hole jumped over (OffBoard for a step) and the number of jumps.
    uint8_t cameFrom_[BoardSlots] = {};
    uint8_t jumpedOver_[BoardSlots] = {};
    uint8_t jumps_[BoardSlots] = {};
    // Per hole: the position count when its group was searched, the group,
    // and per group the least stopDistance in it.
    uint32_t position_ = 1;
    uint32_t groupSeen_[BoardSlots] = {};
    uint8_t groupOf_[BoardSlots] = {};
    uint8_t groupNearest_[BoardSlots] = {};
    int groups_ = 0;
};

} // namespace tavolux
