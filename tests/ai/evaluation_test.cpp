// Position measures, style terms and the random tie-break.

#include "ai/evaluation.h"
#include "model/board.h"
#include "model/gamestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace tavolux {
namespace {

GameState startedGame()
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

// The ten holes nearest a player's target tip: its target point.
std::vector<int> targetPoint(int player)
{
    std::vector<int> holes;
    for (int h = 0; h < HoleCount; ++h)
        holes.push_back(h);
    std::stable_sort(holes.begin(), holes.end(), [player](int a, int b) {
        return holeDistance(a, TargetApex[player]) < holeDistance(b, TargetApex[player]);
    });
    holes.resize(PiecesPerPlayer);
    return holes;
}

TEST(Evaluation, StartHolesAndTargetPointGiveTheFixedTotals)
{
    GameState s = startedGame();
    for (int p = 0; p < DesignSeatCount; ++p) {
        const int first = s.slots[p].firstPiece;
        EXPECT_EQ(totalDistance(s.pieces, first, p), StartTotal);
        EXPECT_EQ(positionScore(s.pieces, first, p), -260);
        const std::vector<int> home = targetPoint(p);
        for (int k = 0; k < PiecesPerPlayer; ++k)
            s.pieces[first + k].hole = static_cast<uint16_t>(home[k]);
        EXPECT_EQ(totalDistance(s.pieces, first, p), FinishedTotal);
        EXPECT_EQ(positionScore(s.pieces, first, p), -20);
    }
}

TEST(Evaluation, DistancesBeyondEightWeighThreePerStep)
{
    // All ten pieces on the tip but one: only that one counts.
    GameState s = startedGame();
    for (int k = 0; k < PiecesPerPlayer; ++k)
        s.pieces[k].hole = TargetApex[0];
    EXPECT_EQ(totalDistance(s.pieces, 0, 0), 0);
    EXPECT_EQ(positionScore(s.pieces, 0, 0), 0);

    int nine = 0;
    while (holeDistance(nine, TargetApex[0]) != 9)
        ++nine;
    s.pieces[3].hole = static_cast<uint16_t>(nine);
    EXPECT_EQ(totalDistance(s.pieces, 0, 0), 9);
    EXPECT_EQ(positionScore(s.pieces, 0, 0), -11);
}

TEST(Evaluation, ScoresReadTheTenPiecesFromTheFirstOneWhateverTheirMarks)
{
    GameState s = startedGame();
    for (PieceRecord& r : s.pieces)
        r.owner = 0;
    EXPECT_EQ(totalDistance(s.pieces, s.slots[1].firstPiece, 1), StartTotal);
}

TEST(Evaluation, StylesAddIgnoreOrSubtractTwiceTheReply)
{
    EXPECT_EQ(styleTerm(Friendly, -254), -254);
    EXPECT_EQ(styleTerm(Neutral, -254), 0);
    EXPECT_EQ(styleTerm(Hostile, -254), 508);
    EXPECT_EQ(styleTerm(7, -254), 0);
}

TEST(Evaluation, TieBreakDrawsRepeatablyWithinItsRangeAndZeroWhenOff)
{
    TieBreak a, b;
    a.seed(42);
    b.seed(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int draw = a.draw();
        ASSERT_EQ(draw, b.draw());
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, TieBreak::Scale);
        seen.insert(draw);
    }
    EXPECT_GT(seen.size(), 1500u);
    EXPECT_GE(randomTieBreak(a), 0.0);
    EXPECT_LE(randomTieBreak(a), 1.0);

    a.setEnabled(false);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(a.draw(), 0);
}

} // namespace
} // namespace tavolux
