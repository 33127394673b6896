#include "ai/beginnermove.h"

#include "ai/searchboard.h"

#include <algorithm>
#include <vector>

namespace tavolux {

namespace {

constexpr std::size_t Choices = 2;

// Four points per step still to go and two per step by which the piece
// furthest behind trails the average; lower is better.
int valueOf(const TargetDistances& mine, const uint16_t* holes)
{
    int distance = 0, furthest = 0;
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        distance += mine.distance[holes[i]];
        furthest = std::max(furthest, int(mine.distance[holes[i]]));
    }
    return distance * 4 + std::max(0, furthest * PiecesPerPlayer - distance) * 2 / PiecesPerPlayer;
}

} // namespace

BeginnerChoice beginnerMove(const GameState& state, std::minstd_rand& random)
{
    const int me = state.playerToMove;
    const int first = state.slots[me].firstPiece;
    const TargetDistances& mine = targetDistances(me);
    BeginnerChoice choice;
    choice.piece = first;
    choice.hole = state.pieces[first].hole;

    uint16_t holes[PiecesPerPlayer];
    for (int i = 0; i < PiecesPerPlayer; ++i)
        holes[i] = state.pieces[first + i].hole;
    const int now = valueOf(mine, holes);

    struct Move {
        int piece, hole, value;
    };
    std::vector<Move> moves;
    SearchBoard board;
    board.load(state.pieces);
    uint8_t out[BoardSlots];
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const int n = board.destinations(holes[i], mine, out);
        const uint16_t from = holes[i];
        for (int j = 0; j < n; ++j) {
            holes[i] = out[j];
            moves.push_back({first + i, out[j], valueOf(mine, holes)});
        }
        holes[i] = from;
    }
    if (moves.empty())
        return choice;

    std::vector<Move> better;
    for (const Move& m : moves)
        if (m.value < now)
            better.push_back(m);
    if (better.empty()) {
        choice.stuck = true;
        return choice;
    }
    // Any of the few best, as a player who sees the good moves but not which
    // of them is best.
    const std::size_t few = std::min<std::size_t>(better.size(), Choices);
    std::partial_sort(better.begin(), better.begin() + few, better.end(),
                      [](const Move& a, const Move& b) { return a.value < b.value; });
    const Move chosen = better[std::uniform_int_distribution<std::size_t>(0, few - 1)(random)];
    choice.found = true;
    choice.piece = chosen.piece;
    choice.hole = chosen.hole;
    return choice;
}

} // namespace tavolux
