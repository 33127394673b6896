#include "model/moverules.h"

#include "model/board.h"

#include <algorithm>

namespace tavolux {

bool finishesByFullTarget(const GameState& s, int p)
{
    return s.slots[oppositeSeat(p)].active != 0;
}

bool piecesHome(const Position& pieces, int p, bool byFullTarget)
{
    if (!byFullTarget) {
        int sum = 0;
        for (const PieceRecord& r : pieces)
            if (r.owner & OwnerMark[p])
                sum += holeDistance(r.hole, TargetApex[p]);
        return sum == HomeDistanceSum;
    }
    // The target point is the home point of the seat across.
    bool own = false;
    for (const uint16_t hole : StartHoles[oppositeSeat(p)]) {
        const auto on = std::find_if(std::begin(pieces), std::end(pieces),
                                     [&](const PieceRecord& r) { return r.owner != 0 && r.hole == hole; });
        if (on == std::end(pieces))
            return false;
        own = own || on->owner == OwnerMark[p];
    }
    return own;
}

bool fillsTarget(Position pieces, int piece, int hole, int p)
{
    pieces[piece].hole = static_cast<uint16_t>(hole);
    return piecesHome(pieces, p, true);
}

bool isHome(const GameState& s, int p)
{
    return piecesHome(s.pieces, p, finishesByFullTarget(s, p));
}

void passTurn(GameState& s, int p)
{
    s.playerToMove = nextPlayer(s, p);
}

int finishingPlayer(const GameState& s)
{
    const int p = previousPlayer(s, s.playerToMove);
    return !s.slots[p].finished && isHome(s, p) ? p : -1;
}

int finishPlayer(GameState& s, int p)
{
    s.slots[p].finished = 1;
    if (s.finishCount < PlayerCount)
        s.finishOrder[s.finishCount++] = static_cast<uint16_t>(p);
    int remaining = 0;
    for (int q = 0; q < PlayerCount; ++q)
        remaining += s.inPlay(q) ? 1 : 0;
    return remaining;
}

void placeRemaining(GameState& s, int p)
{
    for (int q = nextPlayer(s, p); s.inPlay(q) && s.finishCount < PlayerCount; q = nextPlayer(s, q)) {
        bool placed = false;
        for (int i = 0; i < s.finishCount; ++i)
            placed = placed || s.finishOrder[i] == q;
        if (placed)
            break;
        s.finishOrder[s.finishCount++] = static_cast<uint16_t>(q);
    }
}

MoveOutcome applyMove(const GameState& before, int piece, const std::vector<int>& path, bool othersPlayOn)
{
    MoveOutcome out{before};
    GameState& s = out.after;
    const int p = s.playerToMove;
    if (!path.empty())
        s.pieces[piece].hole = static_cast<uint16_t>(path.back());
    passTurn(s, p);
    if (!s.slots[p].finished && isHome(s, p)) {
        out.finished = p;
        const int remaining = finishPlayer(s, p);
        if (remaining < 2 || !othersPlayOn) {
            placeRemaining(s, p);
            s.gameOver = 1;
        }
    }
    out.gameOver = s.gameOver != 0;
    out.nextPlayer = s.playerToMove;
    return out;
}

} // namespace tavolux
