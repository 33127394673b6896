// The computers finish by a full target where the seat across plays: the
// move that takes the target's last free hole is found and played.

#include "ai/computerplayer.h"
#include "ai/expertsearch.h"
#include "ai/search.h"
#include "model/moverules.h"
#include "model/notation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tavolux::testing {
namespace {

// Bottom to move against top; nine of the top's pieces never left home, and
// bottom's piece on e8 steps into the last free hole, d4. A finished seat
// across keeps its pieces there for good.
GameState lastHoleFree(bool topFinished)
{
    const std::vector<const char*> bottom = {"e8", "n1", "n2", "n3", "n4", "o1", "o2", "o3", "p1", "p2"};
    const std::vector<const char*> top = {"a1", "b1", "b2", "c1", "c2", "c3", "d1", "d2", "d3", "i5"};
    GameState s = initialGameState();
    s.slots[1].active = 0;
    s.slots[3].active = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    for (int k = 0; k < PiecesPerPlayer; ++k) {
        s.pieces[k].hole = static_cast<uint16_t>(*parseHole(bottom[k]));
        s.pieces[20 + k].hole = static_cast<uint16_t>(*parseHole(top[k]));
    }
    if (topFinished) {
        s.slots[3].finished = 1;
        s.finishOrder[0] = 3;
        s.finishCount = 1;
    }
    s.playerToMove = 0;
    return s;
}

TEST(FullTargetChoice, EveryStrengthTakesTheLastFreeHole)
{
    const int d4 = *parseHole("d4");
    for (const bool topFinished : {false, true}) {
        const GameState s = lastHoleFree(topFinished);
        ASSERT_FALSE(isHome(s, 0));
        ASSERT_TRUE(fillsTarget(s.pieces, 0, d4, 0));

        auto search = std::make_unique<MoveSearch>();
        TieBreak off;
        off.setEnabled(false);
        const SearchResult standard = search->choose(s, off);
        EXPECT_TRUE(standard.finishing) << topFinished;
        EXPECT_EQ(standard.move.piece, 0);
        EXPECT_EQ(standard.move.hole, d4);

        auto expert = std::make_unique<ExpertSearch>();
        const ExpertChoice choice = expert->choose(s);
        EXPECT_EQ(choice.piece, 0) << topFinished;
        EXPECT_EQ(choice.hole, d4) << topFinished;
    }
}

} // namespace
} // namespace tavolux::testing
