#include "ai/evaluation.h"

#include "model/board.h"
#include "model/gamestate.h"

namespace tavolux {

int totalDistance(const Position& pos, int firstPiece, int player)
{
    int sum = 0;
    for (int i = firstPiece; i < firstPiece + PiecesPerPlayer && i < PieceCount; ++i)
        sum += holeDistance(pos[i].hole, TargetApex[player]);
    return sum;
}

int positionScore(const Position& pos, int firstPiece, int player)
{
    int sum = 0;
    for (int i = firstPiece; i < firstPiece + PiecesPerPlayer && i < PieceCount; ++i)
        sum += DistanceWeight[holeDistance(pos[i].hole, TargetApex[player])];
    return -sum;
}

int styleTerm(int style, int replyScore)
{
    switch (style) {
    case Friendly:
        return replyScore;
    case Hostile:
        return -2 * replyScore;
    default:
        return 0;
    }
}

} // namespace tavolux
