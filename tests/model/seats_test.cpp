// The seats across the board: their tables, the zones they may stop in, the
// turn going round the board, and where their pieces are placed.

#include "model/board.h"
#include "model/gamestate.h"
#include "model/movegen.h"
#include "model/moverules.h"
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

// Bottom against top: each seat's ten pieces on the named holes.
GameState bottomAgainstTop(const std::vector<const char*>& bottom, const std::vector<const char*>& top)
{
    GameState s = initialGameState();
    s.slots[1].active = s.slots[2].active = 0;
    s.slots[3].active = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    for (int k = 0; k < PiecesPerPlayer; ++k) {
        s.pieces[k].hole = static_cast<uint16_t>(hole(bottom[k]));
        s.pieces[10 + k].hole = static_cast<uint16_t>(hole(top[k]));
    }
    return s;
}

TEST(FullTarget, AFullTargetWithAnOwnPieceFinishesAndNoneWithoutOne)
{
    // Nine of the top's pieces never left; bottom steps into the last hole.
    const std::vector<const char*> top = {"a1", "b1", "b2", "c1", "c2", "c3", "d1", "d2", "d3", "i5"};
    const std::vector<const char*> bottom = {"e8", "n1", "n2", "n3", "n4", "o1", "o2", "o3", "p1", "p2"};
    GameState s = bottomAgainstTop(bottom, top);
    EXPECT_TRUE(finishesByFullTarget(s, 0));
    EXPECT_FALSE(isHome(s, 0));
    const MoveOutcome out = applyMove(s, 0, {hole("d4")}, true);
    EXPECT_EQ(out.finished, 0);
    EXPECT_TRUE(isHome(out.after, 0));
    EXPECT_TRUE(out.gameOver);
    EXPECT_EQ(std::vector<int>(out.after.finishOrder, out.after.finishOrder + out.after.finishCount),
              (std::vector<int>{0, 3}));

    // The target full of the top's own pieces: bottom has not finished.
    GameState opening = bottomAgainstTop(bottom, top);
    placeStartingPieces(opening);
    EXPECT_FALSE(isHome(opening, 0));
    EXPECT_FALSE(isHome(opening, 3));

    // Without the seat across, all ten must be home as on the classic table.
    GameState alone = s;
    alone.slots[3].active = 0;
    EXPECT_FALSE(finishesByFullTarget(alone, 0));
    EXPECT_FALSE(isHome(alone, 0));
    alone.pieces[0].hole = static_cast<uint16_t>(hole("d4"));
    EXPECT_FALSE(isHome(alone, 0)) << "one piece home is not ten";
}

TEST(FullTarget, FinishedPlayersKeepTheirHolesAndTheOthersPlaceAfterThem)
{
    GameState s = initialGameState();
    for (PlayerSlot& slot : s.slots)
        slot.active = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    EXPECT_EQ(s.slotCount, PlayerCount);
    // Four finish one after the other, as play on is answered yes.
    for (int p : {1, 4, 0, 2}) {
        const int left = finishPlayer(s, p);
        EXPECT_EQ(left, PlayerCount - s.finishCount);
    }
    EXPECT_EQ(nextPlayer(s, 1), 3);
    EXPECT_EQ(nextPlayer(s, 3), 5);
    // Stopped after the fourth: the two left in turn order after it.
    placeRemaining(s, 2);
    EXPECT_EQ(std::vector<int>(s.finishOrder, s.finishOrder + s.finishCount), (std::vector<int>{1, 4, 0, 2, 5, 3}));
}

} // namespace
