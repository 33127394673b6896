// The Expert at tables where players sit across and others play too: it
// takes the ground a move gains now instead of a long plan's first step,
// and it judges its first moves by how they fare with everyone moving.

#include "ai/expertrollout.h"
#include "ai/expertsearch.h"
#include "model/board.h"
#include "model/moverules.h"
#include "model/notation.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tavolux::testing {
namespace {

struct Seat {
    int seat;
    const char* holes; // ten hole names
};

// The seats given, an Expert at seat 0 (to move) against Standards, all
// Neutral, the pieces on the holes named.
GameState crowded(const std::vector<Seat>& seats)
{
    GameState s = initialGameState();
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p].active = 0;
    for (const Seat& seat : seats)
        s.slots[seat.seat].active = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    for (const Seat& seat : seats) {
        PlayerSlot& slot = s.slots[seat.seat];
        slot.strength = seat.seat == 0 ? Expert : Standard;
        slot.styleTowardLower = slot.styleTowardHigher = Neutral;
        std::istringstream names(seat.holes);
        std::string name;
        for (int k = 0; names >> name; ++k)
            s.pieces[slot.firstPiece + k].hole = static_cast<uint16_t>(*parseHole(name));
    }
    s.playerToMove = 0;
    return s;
}

std::string chosen(const GameState& s)
{
    auto expert = std::make_unique<ExpertSearch>();
    const ExpertChoice c = expert->choose(s);
    return holeName(s.pieces[c.piece].hole) + "-" + holeName(c.hole);
}

// Four players, half way. Planning twelve moves with everyone else
// standing still, the Expert used to shuffle c2-b2 inside its target,
// setting up a ladder that would be gone by the time it got there; now it
// takes the eight steps m8-e6 on offer at once.
TEST(CrowdedTable, TheJumpOnOfferNowBeatsALongPlansFirstStep)
{
    const GameState s = crowded({
        {0, "c2 h3 i5 i7 j6 k5 k8 l7 m7 m8"},
        {1, "e5 f4 f5 g2 g3 h1 i3 i8 k10 m13"},
        {3, "c1 d2 d4 e9 g5 h6 j3 j5 l5 o2"},
        {4, "e1 e4 h5 h7 j4 j7 j9 k7 l11 m10"},
    });
    EXPECT_EQ(chosen(s), "m8-e6");
}

// Four players. The player across has reached o2, and the Expert's last
// pieces at home (n2, p2) are about to be shut in. With everyone standing
// still the long run k8-e8 looked best; played out with everyone moving it
// leaves more pieces at home than bringing n2 out now, which the Expert
// does.
TEST(CrowdedTable, PlayedOutItLeadsItsLastPiecesOutOfHome)
{
    const GameState s = crowded({
        {0, "c2 h3 i5 i7 j6 k5 k8 m8 n2 p2"},
        {1, "e5 f2 f4 f5 g3 h1 i2 i3 k10 m13"},
        {3, "c1 d2 d4 e7 e9 f6 h6 j5 l5 o2"},
        {4, "e1 e4 h5 j7 j9 k7 l8 l11 l12 m10"},
    });
    const auto atHome = [&](const char* from, const char* to) {
        ExpertRollout rollout;
        const int piece = [&] {
            for (int k = 0; k < PiecesPerPlayer; ++k)
                if (s.pieces[k].hole == *parseHole(from))
                    return k;
            return -1;
        }();
        int finishedAt = -1;
        const Position end = rollout.playOut(s, piece, *parseHole(to), ExpertSearch::PlayedOutRounds, finishedAt);
        EXPECT_EQ(finishedAt, 0);
        int home = 0;
        for (int k = 0; k < PiecesPerPlayer; ++k)
            for (const uint16_t h : StartHoles[0])
                home += end[k].hole == h ? 1 : 0;
        return home;
    };
    EXPECT_GT(atHome("k8", "e8"), atHome("n2", "m7"));
    EXPECT_EQ(chosen(s), "n2-m7");
}

// Played out, every player in play moves once a round, the mover last, and
// a move that fills the target finishes at once.
TEST(CrowdedTable, PlayingOutMovesEveryoneAndSeesAFinish)
{
    const GameState s = crowded({{0, ""}, {1, ""}, {3, ""}, {4, ""}}); // the start
    ExpertRollout rollout;
    int finishedAt = -1;
    const Position end = rollout.playOut(s, 0, *parseHole("m5"), 1, finishedAt);
    EXPECT_EQ(finishedAt, 0);
    for (const int p : {0, 1, 3, 4}) {
        int moved = 0;
        for (int k = 0; k < PiecesPerPlayer; ++k)
            moved += end[s.slots[p].firstPiece + k].hole != s.pieces[s.slots[p].firstPiece + k].hole ? 1 : 0;
        EXPECT_GE(moved, 1) << p;
        EXPECT_LE(moved, p == 0 ? 2 : 1) << p;
    }

    // Bottom's e8 steps into the target's last free hole, d4.
    const GameState last = crowded({{0, "e8 n1 n2 n3 n4 o1 o2 o3 p1 p2"}, {3, "a1 b1 b2 c1 c2 c3 d1 d2 d3 i5"}});
    rollout.playOut(last, 0, *parseHole("d4"), 2, finishedAt);
    EXPECT_EQ(finishedAt, 1);
}

} // namespace
} // namespace tavolux::testing
