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

// Per player: each hole's step distance to the player's target tip, and the
// same distance or Unreachable where the player may not stop.
struct TargetDistances {
    uint8_t distance[BoardSlots];
    uint8_t stopDistance[BoardSlots];
};
const TargetDistances& targetDistances(int player);

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
    // stop. Returns their number.
    int destinations(int h, const TargetDistances& mover, uint8_t* out);
    // The least stopDistance over the destinations of a piece on h;
    // Unreachable when it has none.
    int nearestDistance(int h, const TargetDistances& mover);
    // The destinations whose stopDistance is below `limit`, in no fixed order.
    int nearerDestinations(int h, int limit, const TargetDistances& mover, uint8_t* out);

private:
    template <class Visit>
    void visitReachable(int h, Visit visit);
    void clearLandings(int count);

    uint8_t pieces_[BoardSlots] = {};
    uint8_t landings_[BoardSlots] = {};
};

} // namespace tavolux
