// The move search on positions whose outcome is known: the opening worked
// out by hand, the styles, the depth, the finishing move, a player without
// moves and other players that are out of play.

#include "ai/search.h"
#include "model/board.h"
#include "model/movegen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace tavolux {
namespace {

GameState opening(int toMove)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.playerToMove = static_cast<uint16_t>(toMove);
    return s;
}

struct Searched {
    SearchResult result;
    std::vector<FirstMove> ties;
};

Searched search(const GameState& s, bool random = false, uint32_t seed = 1)
{
    auto search = std::make_unique<MoveSearch>();
    TieBreak tieBreak;
    tieBreak.setEnabled(random);
    tieBreak.seed(seed);
    Searched out;
    out.result = search->choose(s, tieBreak);
    out.ties = search->tiedMoves();
    return out;
}

// The ten holes nearest a player's target tip, nearest first.
std::vector<int> nearestHoles(int player)
{
    std::vector<int> holes;
    for (int h = 0; h < HoleCount; ++h)
        holes.push_back(h);
    std::stable_sort(holes.begin(), holes.end(), [player](int a, int b) {
        return holeDistance(a, TargetApex[player]) < holeDistance(b, TargetApex[player]);
    });
    return holes;
}

bool occupied(const GameState& s, int hole)
{
    for (const PieceRecord& r : s.pieces)
        if (r.owner != 0 && r.hole == hole)
            return true;
    return false;
}

// Puts player p's pieces on the nine holes nearest its tip and the tenth on
// a free hole at `distance` from it: total 17 + distance.
void nearlyHome(GameState& s, int p, int distance)
{
    const std::vector<int> holes = nearestHoles(p);
    const int first = s.slots[p].firstPiece;
    for (int k = 0; k < 9; ++k)
        s.pieces[first + k].hole = static_cast<uint16_t>(holes[k]);
    s.pieces[first + 9].hole = 0xFFFF;
    for (int h : holes)
        if (holeDistance(h, TargetApex[p]) == distance && !occupied(s, h)) {
            s.pieces[first + 9].hole = static_cast<uint16_t>(h);
            return;
        }
    FAIL() << "no free hole at distance " << distance;
}

TEST(MoveSearch, OpeningForPlayerOneWithNeutralStyles)
{
    const Searched s = search(opening(0));
    EXPECT_EQ(s.result.depth, 2);
    EXPECT_EQ(s.result.candidates, 14);
    ASSERT_TRUE(s.result.found);
    EXPECT_EQ(s.result.best, -496);
    // 115 to 102 and 104, 117 to 104 and 106.
    const std::vector<FirstMove> tied = {{4, 102}, {4, 104}, {6, 104}, {6, 106}};
    EXPECT_EQ(s.ties, tied);
    // Without the random term the rules take the last of them found first.
    EXPECT_EQ(s.result.move, (FirstMove{6, 104}));
}

TEST(MoveSearch, OpeningForPlayerTwoWithTheDefaultStyles)
{
    const Searched s = search(opening(1));
    EXPECT_EQ(s.result.candidates, 14);
    EXPECT_EQ(s.result.best, -242);
    // 12 to 14 and 37, 35 to 37 and 56: pieces 12 and 17.
    const std::vector<FirstMove> tied = {{12, 14}, {12, 37}, {17, 37}, {17, 56}};
    EXPECT_EQ(s.ties, tied);
}

TEST(MoveSearch, EveryPlayerHasFourteenFirstMovesAtTheOpening)
{
    for (int p = 0; p < DesignSeatCount; ++p)
        EXPECT_EQ(search(opening(p)).result.candidates, 14) << "player " << p;
}

TEST(MoveSearch, StylesAddOrSubtractTheOtherPlayersBestReplies)
{
    // Player #2 at the opening: every reply score of #1 and #3 is -254.
    GameState s = opening(1);
    const struct {
        int lower, higher, best;
    } cases[] = {
        {Neutral, Neutral, -496},
        {Hostile, Friendly, -496 + 508 - 254},
        {Friendly, Friendly, -496 - 254 - 254},
        {Hostile, Hostile, -496 + 508 + 508},
    };
    for (const auto& c : cases) {
        s.slots[1].styleTowardLower = c.lower;
        s.slots[1].styleTowardHigher = c.higher;
        EXPECT_EQ(search(s).result.best, c.best) << c.lower << "," << c.higher;
    }
}

TEST(MoveSearch, PlayersOutOfPlayAddNothingWhateverTheStyle)
{
    // Player #3 finished, then not taking part: #1's styles toward it do
    // not matter, only its style toward #2 does.
    for (const bool finished : {true, false}) {
        GameState s = opening(0);
        if (finished)
            s.slots[2].finished = 1;
        else
            s.slots[2].active = 0;
        std::set<int> bests;
        for (int style : {Friendly, Neutral, Hostile}) {
            s.slots[0].styleTowardHigher = style;
            bests.insert(search(s).result.best);
        }
        EXPECT_EQ(bests.size(), 1u);
        s.slots[0].styleTowardLower = Hostile;
        EXPECT_NE(search(s).result.best, *bests.begin());
    }
}

TEST(MoveSearch, LooksFourMovesDeepWhenThePreviousPlayerIsNearlyHome)
{
    // Player #3 moves just before #1: its total decides #1's depth.
    GameState s = opening(0);
    nearlyHome(s, 2, 10);
    EXPECT_EQ(search(s).result.depth, 4);
    s = opening(0);
    nearlyHome(s, 2, 11);
    EXPECT_EQ(search(s).result.depth, 2);
}

TEST(MoveSearch, PlaysAFinishingFirstMoveAtOnce)
{
    // Nine pieces home, the tenth one step from the last free target hole.
    GameState s = opening(0);
    const std::vector<int> holes = nearestHoles(0);
    for (int k = 0; k < 9; ++k)
        s.pieces[k].hole = static_cast<uint16_t>(holes[k]);
    int step = -1;
    for (int d = 0; d < DirectionCount && step < 0; ++d)
        if (neighbour(holes[9], d) >= 0 && !occupied(s, neighbour(holes[9], d)) &&
            holeDistance(neighbour(holes[9], d), TargetApex[0]) > holeDistance(holes[9], TargetApex[0]))
            step = neighbour(holes[9], d);
    ASSERT_GE(step, 0);
    s.pieces[9].hole = static_cast<uint16_t>(step);

    const Searched r = search(s);
    EXPECT_TRUE(r.result.finishing);
    EXPECT_TRUE(r.result.found);
    EXPECT_EQ(r.result.move, (FirstMove{9, holes[9]}));
    EXPECT_EQ(r.result.leaves, 0u);
}

TEST(MoveSearch, APlayerWithoutMovesKeepsItsFirstPieceInPlace)
{
    // Player #1 on its start holes, walled in by the other players' pieces
    // on every hole it could step or jump to.
    GameState s = opening(0);
    std::set<int> wall;
    for (int k = 0; k < PiecesPerPlayer; ++k)
        for (int d = 0; d < DirectionCount; ++d) {
            const int n = neighbour(s.pieces[k].hole, d), j = jump(s.pieces[k].hole, d);
            if (n >= 0 && !occupied(s, n))
                wall.insert(n);
            if (j >= 0 && !occupied(s, j))
                wall.insert(j);
        }
    ASSERT_LE(wall.size(), 20u);
    int piece = 10;
    for (int h : wall)
        s.pieces[piece++].hole = static_cast<uint16_t>(h);
    MoveGenerator gen;
    for (int k = 0; k < PiecesPerPlayer; ++k) {
        gen.findDestinations(0, k, s.pieces);
        ASSERT_EQ(gen.reachCount, 0) << "piece " << k;
    }

    const Searched r = search(s);
    EXPECT_FALSE(r.result.found);
    EXPECT_EQ(r.result.candidates, 0);
    EXPECT_EQ(r.result.move, (FirstMove{0, s.pieces[0].hole}));
    EXPECT_TRUE(r.ties.empty());
}

TEST(MoveSearch, TheRandomTermPicksAmongTheTiedMovesOnly)
{
    const GameState s = opening(0);
    const std::vector<FirstMove> tied = search(s).ties;
    std::set<std::pair<int, int>> chosen;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const Searched r = search(s, true, seed);
        EXPECT_EQ(r.result.best, -496);
        EXPECT_NE(std::find(tied.begin(), tied.end(), r.result.move), tied.end());
        chosen.insert({r.result.move.piece, r.result.move.hole});
    }
    EXPECT_GT(chosen.size(), 1u);
}

} // namespace
} // namespace tavolux
