// The Expert where players sit across and others play too: it takes the
// ground a move gains now, and judges its first moves played out with
// everyone moving.

#include "ai/expertrollout.h"
#include "ai/expertsearch.h"
#include "model/board.h"
#include "model/notation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tavolux::testing {
namespace {

// An Expert at seat 0, to move, against Standards, all Neutral; each seat's
// pieces on the ten holes named (none named: its start holes).
GameState crowded(const std::vector<std::pair<int, const char*>>& seats)
{
    GameState s = initialGameState();
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p].active = 0;
    for (const auto& [seat, holes] : seats)
        s.slots[seat].active = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    for (const auto& [seat, holes] : seats) {
        PlayerSlot& slot = s.slots[seat];
        slot.strength = seat == 0 ? Expert : Standard;
        slot.styleTowardLower = slot.styleTowardHigher = Neutral;
        std::istringstream names(holes);
        std::string name;
        for (int k = 0; names >> name; ++k)
            s.pieces[slot.firstPiece + k].hole = static_cast<uint16_t>(*parseHole(name));
    }
    s.playerToMove = 0;
    return s;
}

std::string chosen(const GameState& s)
{
    const ExpertChoice c = std::make_unique<ExpertSearch>()->choose(s);
    return holeName(s.pieces[c.piece].hole) + "-" + holeName(c.hole);
}

// Half way at four players. Planning twelve moves with everyone else
// standing, the Expert shuffled c2-b2 inside its target to build a ladder
// that would be gone by then; the eight steps m8-e6 are on offer now.
TEST(CrowdedTable, TheJumpOnOfferNowBeatsALongPlansFirstStep)
{
    EXPECT_EQ(chosen(crowded({{0, "c2 h3 i5 i7 j6 k5 k8 l7 m7 m8"}, {1, "e5 f4 f5 g2 g3 h1 i3 i8 k10 m13"},
                              {3, "c1 d2 d4 e9 g5 h6 j3 j5 l5 o2"}, {4, "e1 e4 h5 h7 j4 j7 j9 k7 l11 m10"}})),
              "m8-e6");
}

// The player across has reached o2 and the Expert's last pieces at home
// (n2, p2) are about to be shut in. With everyone standing the long run
// k8-e8 looked best; played out it leaves more of them at home than
// bringing n2 out now, which the Expert does.
TEST(CrowdedTable, PlayedOutItLeadsItsLastPiecesOutOfHome)
{
    const GameState s = crowded({{0, "c2 h3 i5 i7 j6 k5 k8 m8 n2 p2"}, {1, "e5 f2 f4 f5 g3 h1 i2 i3 k10 m13"},
                                 {3, "c1 d2 d4 e7 e9 f6 h6 j5 l5 o2"}, {4, "e1 e4 h5 j7 j9 k7 l8 l11 l12 m10"}});
    const auto leftAtHome = [&](int piece, const char* to) {
        int finishedAt = -1, home = 0;
        const Position end = ExpertRollout().playOut(s, piece, *parseHole(to), ExpertSearch::PlayedOutRounds, finishedAt);
        for (int k = 0; k < PiecesPerPlayer; ++k)
            home += std::count(std::begin(StartHoles[0]), std::end(StartHoles[0]), end[k].hole);
        return finishedAt == 0 ? home : -1;
    };
    EXPECT_GT(leftAtHome(6, "e8"), leftAtHome(8, "m7")); // pieces 6 and 8: k8 and n2
    EXPECT_EQ(chosen(s), "n2-m7");
}

// Played out, a move that fills the target finishes at once.
TEST(CrowdedTable, PlayingOutSeesAFinishAtOnce)
{
    const GameState s = crowded({{0, "e8 n1 n2 n3 n4 o1 o2 o3 p1 p2"}, {3, "a1 b1 b2 c1 c2 c3 d1 d2 d3 i5"}, {1, ""}});
    int finishedAt = -1;
    ExpertRollout().playOut(s, 0, *parseHole("d4"), 2, finishedAt);
    EXPECT_EQ(finishedAt, 1);
}

} // namespace
} // namespace tavolux::testing
