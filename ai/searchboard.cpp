#include "ai/searchboard.h"

#include "model/board.h"
#include "model/movegen.h"

#include <algorithm>

namespace tavolux {

namespace {

// Neighbour (the hole jumped over) and jump landing per direction.
struct Links {
    uint8_t over[DirectionCount];
    uint8_t land[DirectionCount];
};

// Only the jumps that stay on the board.
struct Jumps {
    uint8_t count;
    uint8_t over[DirectionCount];
    uint8_t land[DirectionCount];
};

struct LinkTable {
    Links hole[BoardSlots] = {};
    Jumps jumps[BoardSlots] = {};
    Footprint around[BoardSlots]; // neighbours and jump landings of a hole
    LinkTable()
    {
        auto slot = [](int h) { return static_cast<uint8_t>(h < 0 ? OffBoard : h); };
        auto mark = [](Footprint& f, int h) { f.bits[h >> 6] |= uint64_t(1) << (h & 63); };
        for (int h = 0; h < BoardSlots; ++h)
            for (int d = 0; d < DirectionCount; ++d) {
                hole[h].over[d] = h < HoleCount ? slot(neighbour(h, d)) : OffBoard;
                hole[h].land[d] = h < HoleCount ? slot(jump(h, d)) : OffBoard;
                mark(around[h], hole[h].over[d]);
                mark(around[h], hole[h].land[d]);
                if (hole[h].land[d] != OffBoard) {
                    Jumps& j = jumps[h];
                    j.over[j.count] = hole[h].over[d];
                    j.land[j.count++] = hole[h].land[d];
                }
            }
    }
};

const LinkTable& links()
{
    static const LinkTable table;
    return table;
}

void addAround(Footprint& seen, const Footprint& around)
{
    seen.bits[0] |= around.bits[0];
    seen.bits[1] |= around.bits[1];
}

struct DistanceTables {
    TargetDistances player[PlayerCount];
    DistanceTables()
    {
        for (int p = 0; p < PlayerCount; ++p)
            for (int h = 0; h < BoardSlots; ++h) {
                const bool onBoard = h < HoleCount;
                const uint8_t d = onBoard ? static_cast<uint8_t>(holeDistance(h, TargetApex[p])) : Unreachable;
                player[p].distance[h] = d;
                player[p].stopDistance[h] = onBoard && mayStopOn(p, h) ? d : Unreachable;
                player[p].nearer[h][0] = player[p].nearer[h][1] = OffBoard;
                for (int dir = 0, n = 0; onBoard && dir < DirectionCount; ++dir) {
                    const int next = neighbour(h, dir);
                    if (next >= 0 && mayStopOn(p, next) && holeDistance(next, TargetApex[p]) < d && n < 2)
                        player[p].nearer[h][n++] = static_cast<uint8_t>(next);
                }
            }
    }
};

} // namespace

const TargetDistances& targetDistances(int player)
{
    static const DistanceTables tables;
    return tables.player[player];
}

void SearchBoard::load(const Position& pos)
{
    for (uint8_t& n : pieces_)
        n = 0;
    pieces_[OffBoard] = 1;
    for (const PieceRecord& r : pos)
        if (r.owner != 0)
            ++pieces_[r.hole];
}

void SearchBoard::clearLandings(int count)
{
    for (int i = 0; i < count; ++i)
        pieces_[landings_[i]] = 0;
}

int SearchBoard::destinations(int h, const TargetDistances& mover, uint8_t* out, Footprint* seen)
{
    const LinkTable& table = links();
    if (seen) {
        *seen = Footprint{};
        addAround(*seen, table.around[h]);
    }
    // The jump chains in the rules' depth-first order: each landing is marked
    // as occupied at once and followed before the next direction is tried.
    struct Frame {
        uint8_t hole;
        uint8_t direction;
    };
    Frame stack[BoardSlots];
    int depth = 0, landed = 0, kept = 0;
    stack[depth++] = {static_cast<uint8_t>(h), 0};
    while (depth > 0) {
        Frame& f = stack[depth - 1];
        if (f.direction == DirectionCount) {
            --depth;
            continue;
        }
        const Links& l = table.hole[f.hole];
        const int d = f.direction++;
        const uint8_t land = l.land[d];
        if (pieces_[l.over[d]] == 0 || pieces_[land] != 0)
            continue;
        pieces_[land] = 1;
        landings_[landed++] = land;
        if (mover.stopDistance[land] != Unreachable)
            out[kept++] = land;
        if (seen)
            addAround(*seen, table.around[land]);
        stack[depth++] = {land, 0};
    }
    clearLandings(landed);
    const Links& l = table.hole[h];
    for (int d = 0; d < DirectionCount; ++d) {
        const uint8_t step = l.over[d];
        if (pieces_[step] == 0 && mover.stopDistance[step] != Unreachable)
            out[kept++] = step;
    }
    return kept;
}

// Calls visit(hole) for every hole a piece on h can reach, steps first,
// then the jump landings in no fixed order, and notes its footprint.
template <class Visit>
void SearchBoard::visitReachable(int h, Visit visit, Footprint& seen)
{
    const LinkTable& table = links();
    seen = Footprint{};
    seen.add(h);
    addAround(seen, table.around[h]);
    const Links& start = table.hole[h];
    for (int d = 0; d < DirectionCount; ++d) {
        const uint8_t step = start.over[d];
        if (pieces_[step] != 0)
            continue;
        cameFrom_[step] = static_cast<uint8_t>(h);
        jumpedOver_[step] = OffBoard;
        jumps_[step] = 0;
        visit(step);
    }

    // Landings lie an even number of lattice steps from h and the holes
    // jumped over an odd number, so marking landings as occupied never
    // creates a piece to jump over; the marks only stop revisits.
    uint8_t todo[BoardSlots];
    int pending = 0, landed = 0;
    todo[pending++] = static_cast<uint8_t>(h);
    jumps_[h] = 0;
    while (pending > 0) {
        const uint8_t at = todo[--pending];
        const Links& l = table.hole[at];
        for (int d = 0; d < DirectionCount; ++d) {
            const uint8_t land = l.land[d];
            if (pieces_[l.over[d]] == 0 || pieces_[land] != 0)
                continue;
            pieces_[land] = 1;
            landings_[landed++] = land;
            todo[pending++] = land;
            cameFrom_[land] = at;
            jumpedOver_[land] = l.over[d];
            jumps_[land] = static_cast<uint8_t>(jumps_[at] + 1);
            addAround(seen, table.around[land]);
            visit(land);
        }
    }
    clearLandings(landed);
}

// The way to one of the nearer destinations of the last survey that takes
// fewest holes: a step when there is one, else the shortest jump chain.
void SearchBoard::witness(int h, const uint8_t* nearer, int count, Witness& w) const
{
    w = Witness{};
    int target = nearer[0];
    for (int n = 1; n < count; ++n)
        if (jumps_[nearer[n]] < jumps_[target])
            target = nearer[n];
    for (int at = target; at != h; at = cameFrom_[at]) {
        w.land.add(at);
        w.over.add(jumpedOver_[at]);
    }
}

void SearchBoard::startPosition()
{
    groups_ = 0;
    if (++position_ != 0)
        return;
    // The stamps would repeat after 2^32 positions: start them afresh.
    std::fill(std::begin(groupSeen_), std::end(groupSeen_), 0u);
    position_ = 1;
}

// Floods the group of landings joined to `start` by jumps.
void SearchBoard::searchGroup(uint8_t start, const TargetDistances& mover)
{
    const LinkTable& table = links();
    const uint8_t group = static_cast<uint8_t>(groups_++);
    int nearest = mover.stopDistance[start];
    uint8_t todo[BoardSlots];
    int pending = 0;
    todo[pending++] = start;
    groupSeen_[start] = position_;
    groupOf_[start] = group;
    // The tests mispredict often, so the loop is written without branches.
    while (pending > 0) {
        const Jumps& j = table.jumps[todo[--pending]];
        for (int d = 0; d < j.count; ++d) {
            const uint8_t land = j.land[d];
            const bool fresh = (pieces_[j.over[d]] != 0) & (pieces_[land] == 0) & (groupSeen_[land] != position_);
            groupSeen_[land] = fresh ? position_ : groupSeen_[land];
            groupOf_[land] = fresh ? group : groupOf_[land];
            todo[pending] = land;
            pending += fresh;
            const int d2 = fresh ? mover.stopDistance[land] : Unreachable;
            nearest = d2 < nearest ? d2 : nearest;
        }
    }
    groupNearest_[group] = static_cast<uint8_t>(nearest);
}

bool SearchBoard::canMoveAtOnce(int h, const TargetDistances& mover) const
{
    const Links& l = links().hole[h];
    for (int d = 0; d < DirectionCount; ++d) {
        const uint8_t over = l.over[d], land = l.land[d];
        if (pieces_[over] == 0 ? mover.stopDistance[over] != Unreachable
                               : pieces_[land] == 0 && mover.stopDistance[land] != Unreachable)
            return true;
    }
    return false;
}

bool SearchBoard::canReachNearer(int h, const TargetDistances& mover)
{
    const LinkTable& table = links();
    const int here = mover.distance[h];
    uint8_t todo[BoardSlots];
    int pending = 0, landed = 0;
    bool found = false;
    todo[pending++] = static_cast<uint8_t>(h);
    while (pending > 0 && !found) {
        const Jumps& j = table.jumps[todo[--pending]];
        for (int d = 0; d < j.count; ++d) {
            const uint8_t land = j.land[d];
            if (pieces_[j.over[d]] == 0 || pieces_[land] != 0)
                continue;
            pieces_[land] = 1;
            landings_[landed++] = land;
            todo[pending++] = land;
            found |= mover.stopDistance[land] < here;
        }
    }
    clearLandings(landed);
    return found;
}

int SearchBoard::sharedNearestDistance(int h, const TargetDistances& mover)
{
    int nearest = Unreachable;
    const Links& l = links().hole[h];
    for (int d = 0; d < DirectionCount; ++d) {
        const uint8_t over = l.over[d], land = l.land[d];
        if (pieces_[over] == 0) {
            if (mover.stopDistance[over] < nearest)
                nearest = mover.stopDistance[over];
            continue;
        }
        if (pieces_[land] != 0)
            continue;
        if (groupSeen_[land] != position_)
            searchGroup(land, mover);
        if (groupNearest_[groupOf_[land]] < nearest)
            nearest = groupNearest_[groupOf_[land]];
    }
    return nearest;
}

int SearchBoard::survey(int h, int limit, const TargetDistances& mover, uint8_t* out, PieceSurvey& piece)
{
    int kept = 0, nearest = Unreachable;
    visitReachable(
        h,
        [&](uint8_t hole) {
            const int d = mover.stopDistance[hole];
            if (d < limit)
                out[kept++] = hole;
            if (d < nearest)
                nearest = d;
        },
        piece.seen);
    piece.nearest = static_cast<uint8_t>(nearest);
    piece.firstKnown = false;
    if (kept > 0)
        witness(h, out, kept, piece.nearer);
    return kept;
}

} // namespace tavolux
