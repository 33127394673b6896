#include "model/board.h"
#include "model/gamestate.h"
#include "model/movegen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

using namespace tavolux;

namespace {

std::vector<int> list(const uint16_t* l)
{
    std::vector<int> out;
    for (; *l != ListEnd; ++l)
        out.push_back(*l);
    return out;
}

// A table whose first records stand on the given holes for `owner`.
Position positionWith(std::initializer_list<int> holes, uint32_t owner)
{
    Position pos{};
    int i = 0;
    for (int h : holes)
        pos[i++] = {static_cast<uint16_t>(h), owner};
    return pos;
}

GameState openingOfThree()
{
    GameState s = initialGameState();
    placeStartingPieces(s);
    return s;
}

TEST(FindDestinations, OpeningMovesOfThreePlayers)
{
    GameState s = openingOfThree();
    MoveGenerator gen;
    gen.findDestinations(0, 0, s.pieces); // player 1's piece on 111
    EXPECT_EQ(list(gen.destinations), (std::vector<int>{103, 102}));
    gen.findDestinations(0, 7, s.pieces); // on 118, boxed in
    EXPECT_EQ(gen.reachCount, 0);
    EXPECT_EQ(gen.destinations[0], ListEnd);
    gen.findDestinations(1, 12, s.pieces); // player 2's piece on 12: two jumps
    EXPECT_EQ(list(gen.reachList), (std::vector<int>{14, 37}));
    EXPECT_EQ(list(gen.destinations), (std::vector<int>{14, 37}));
}

TEST(FindDestinations, JumpsFirstInDepthFirstOrderThenStepsThenZoneFilter)
{
    // Pieces on 27 and 16, the mover on 38.
    Position pos = positionWith({38, 27, 16}, OwnerMark[0]);
    MoveGenerator gen;
    gen.findDestinations(1, 0, pos);
    EXPECT_EQ(list(gen.reachList), (std::vector<int>{15, 17, 39, 26, 37, 48, 49}));
    EXPECT_EQ(list(gen.destinations), (std::vector<int>{39, 26, 37, 48, 49}));
    gen.findDestinations(0, 0, pos);
    EXPECT_EQ(list(gen.destinations), (std::vector<int>{15, 17, 39, 48, 49}));
    EXPECT_EQ(gen.reachCount, 5);
}

TEST(FindDestinations, HoleReachedByTwoRoutesIsListedOnceAndStartNever)
{
    // A ring of pieces around 60 lets chains come back towards the start.
    Position pos = positionWith({60, 61, 51, 50, 59, 69, 70}, OwnerMark[0]);
    MoveGenerator gen;
    gen.findDestinations(0, 0, pos);
    std::vector<int> reach = list(gen.reachList);
    std::vector<int> sorted = reach;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "no duplicates";
    EXPECT_EQ(std::count(reach.begin(), reach.end(), 60), 0);
    EXPECT_EQ(reach.front(), 62); // east first
}

TEST(FindDestinations, DraggedPieceWithOwnerZeroStillMarksItsHole)
{
    GameState s = openingOfThree();
    MoveGenerator gen;
    gen.findDestinations(0, 0, s.pieces);
    const std::vector<int> before = list(gen.destinations);
    s.pieces[0].owner = 0; // picked up
    gen.findDestinations(0, 0, s.pieces);
    EXPECT_EQ(list(gen.destinations), before);
    EXPECT_FALSE(gen.isDestination(111));
}

TEST(FindDestinations, PiecesOutOfPlayOccupyNothing)
{
    Position pos = positionWith({60, 61}, OwnerMark[0]);
    pos[1].owner = 0;
    MoveGenerator gen;
    gen.findDestinations(0, 0, pos);
    EXPECT_EQ(list(gen.reachList), (std::vector<int>{61, 51, 50, 59, 69, 70}));
}

TEST(TurnOrder, SkipsInactiveAndFinishedPlayers)
{
    GameState s = initialGameState();
    EXPECT_EQ(nextPlayer(s, 0), 1);
    EXPECT_EQ(nextPlayer(s, 2), 0);
    EXPECT_EQ(previousPlayer(s, 0), 2);
    s.slots[1].finished = 1;
    EXPECT_EQ(nextPlayer(s, 0), 2);
    EXPECT_EQ(previousPlayer(s, 2), 0);
    s.slots[2].active = 0;
    EXPECT_EQ(nextPlayer(s, 0), 0) << "the starting player is tested last";
}

TEST(Placement, ActiveSlotsGetConsecutivePieces)
{
    GameState s = initialGameState();
    s.slots[0].active = 0;
    placeStartingPieces(s);
    EXPECT_EQ(s.slots[0].firstPiece, 0);
    EXPECT_EQ(s.slots[1].firstPiece, 0);
    EXPECT_EQ(s.slots[2].firstPiece, 10);
    EXPECT_EQ(s.pieces[0].hole, 10);
    EXPECT_EQ(s.pieces[10].owner, OwnerMark[2]);
    EXPECT_EQ(s.pieces[20].owner, 0u);
    EXPECT_EQ(s.playerToMove, 1);

    GameState t = initialGameState();
    t.slots[1].active = 0;
    placeStartingPieces(t);
    EXPECT_EQ(t.slots[2].firstPiece, 10);
    EXPECT_EQ(t.slots[1].firstPiece, 10);
    EXPECT_EQ(t.playerToMove, 0);
}

} // namespace
