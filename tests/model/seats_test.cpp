// The seats across the board: their tables, the zones they may stop in, the
// turn going round the board, and where their pieces are placed.

#include "model/board.h"
#include "model/gamestate.h"
#include "model/movegen.h"
#include "model/notation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace tavolux;

namespace {

int hole(const char* name) { return *parseHole(name); }

std::vector<std::string> names(const uint16_t* list)
{
    std::vector<std::string> out;
    for (; *list != ListEnd; ++list)
        out.push_back(holeName(*list));
    return out;
}

// A table whose first records stand on the named holes for `owner`.
Position positionWith(const std::vector<const char*>& holes, uint32_t owner)
{
    Position pos{};
    int i = 0;
    for (const char* h : holes)
        pos[i++] = {static_cast<uint16_t>(hole(h)), owner};
    return pos;
}

TEST(SeatTables, EachSeatAcrossStartsInTheTargetAndCrossesToTheHome)
{
    for (int k = 0; k < DesignSeatCount; ++k) {
        std::vector<int> target;
        for (int h = 0; h < HoleCount; ++h)
            if (holeDistance(h, TargetApex[k]) <= 3)
                target.push_back(h);
        EXPECT_EQ(std::vector<int>(std::begin(StartHoles[k + 3]), std::end(StartHoles[k + 3])), target) << k;
        // The tip of the home point: its hole farthest from the centre.
        const uint16_t* tip = std::max_element(std::begin(StartHoles[k]), std::end(StartHoles[k]),
                                               [](int a, int b) { return holeDistance(a, 60) < holeDistance(b, 60); });
        EXPECT_EQ(TargetApex[k + 3], *tip) << k;
        EXPECT_EQ(oppositeSeat(k), k + 3);
        EXPECT_EQ(oppositeSeat(k + 3), k);
    }
    EXPECT_EQ(holeName(TargetApex[3]), "q1");
    uint32_t seen = 0;
    for (uint32_t mark : OwnerMark) {
        EXPECT_EQ(seen & mark, 0u);
        seen |= mark;
    }
}

TEST(SeatZones, SeatsAcrossStopInTheirOwnAxisZonesOnlyAndPassThroughOthers)
{
    // Pieces on f5 and e7 and the mover on g4: it jumps to e6 and on to e8
    // (the top Zone), or steps to g5, f4, g3 (upper-left Zone), h3 or h4.
    const Position pos = positionWith({"g4", "f5", "e7"}, OwnerMark[3]);
    MoveGenerator gen;
    const std::vector<std::string> reach = {"e6", "e8", "g5", "f4", "g3", "h3", "h4"};
    const std::vector<std::vector<std::string>> kept = {
        {"e6", "e8", "g5", "h3", "h4"}, // top (3), bottom's axis
        {"g5", "f4", "g3", "h3", "h4"}, // lower-right (4), upper-left's axis
        {"g5", "h3", "h4"},             // lower-left (5): neither Zone is its own
    };
    for (int p = 3; p < PlayerCount; ++p) {
        gen.findDestinations(p, 0, pos);
        EXPECT_EQ(names(gen.reachList), reach) << p;
        EXPECT_EQ(names(gen.destinations), kept[p - 3]) << p;
        for (int h = 0; h < HoleCount; ++h)
            EXPECT_EQ(mayStopOn(p, h), mayStopOn(p - 3, h)) << p << " " << h;
    }

    // A chain through the top Zone ends on the interior for the lower-left
    // seat: g4 over f5 to e6, over e7 to e8, over f7 to g6.
    Position chain = positionWith({"g4", "f5", "e7", "f7"}, OwnerMark[5]);
    gen.findDestinations(5, 0, chain);
    const std::vector<std::string> through = names(gen.destinations);
    EXPECT_NE(std::find(through.begin(), through.end(), "g6"), through.end());
    EXPECT_EQ(std::find(through.begin(), through.end(), "e8"), through.end());
}

TEST(SeatTurns, TheTurnGoesRoundTheBoardClockwise)
{
    GameState s = initialGameState();
    for (PlayerSlot& slot : s.slots)
        slot.active = 1;
    std::vector<int> round;
    int p = 0;
    for (int i = 0; i < PlayerCount; ++i)
        round.push_back(p = nextPlayer(s, p));
    EXPECT_EQ(round, (std::vector<int>{5, 1, 3, 2, 4, 0}));
    for (int q = 0; q < PlayerCount; ++q)
        EXPECT_EQ(previousPlayer(s, nextPlayer(s, q)), q);

    // Two opposite pairs: bottom, upper-left, top, lower-right.
    s.slots[2].active = s.slots[5].active = 0;
    EXPECT_EQ(nextPlayer(s, 0), 1);
    EXPECT_EQ(nextPlayer(s, 1), 3);
    EXPECT_EQ(nextPlayer(s, 3), 4);
    EXPECT_EQ(nextPlayer(s, 4), 0);
    s.slots[3].finished = 1;
    EXPECT_EQ(previousPlayer(s, 4), 1);
}

TEST(SeatPlacement, TenRecordsPerActiveSeatInSeatOrder)
{
    GameState s = initialGameState();
    EXPECT_TRUE(usesOnlyDesignSeats(s));
    s.slots[0].active = 0;
    s.slots[3].active = s.slots[4].active = 1;
    EXPECT_FALSE(usesOnlyDesignSeats(s));
    placeStartingPieces(s);
    EXPECT_EQ(s.playerToMove, 1) << "bottom sits out: the next seat round the board begins";
    const int first[PlayerCount] = {0, 0, 10, 20, 30, 40};
    for (int p = 0; p < PlayerCount; ++p)
        EXPECT_EQ(s.slots[p].firstPiece, first[p]) << p;
    EXPECT_EQ(holeName(s.pieces[20].hole), "a1");
    EXPECT_EQ(s.pieces[39].owner, OwnerMark[4]);
    EXPECT_EQ(s.pieces[40].owner, 0u);
    EXPECT_EQ(s.pieces[59].owner, 0u);
}

} // namespace
