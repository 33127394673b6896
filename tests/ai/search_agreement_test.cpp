// The search against the literal reference search: on positions from games
// among computer players, from the opening to the endgames that are searched
// four moves deep, both must agree on every figure and, without the random
// term, on the move.

#include "ai/search.h"
#include "reference_search.h"
#include "selfplay_positions.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavolux::testing {

namespace {

// Returns the depth searched.
int expectAgreement(const GameState& s, const std::string& where)
{
    SCOPED_TRACE(where);
    auto search = std::make_unique<MoveSearch>();
    TieBreak off;
    off.setEnabled(false);
    const SearchResult fast = search->choose(s, off);
    const ReferenceResult ref = referenceSearch(s, [] { return 0.0; });
    EXPECT_EQ(fast.depth, ref.depth);
    EXPECT_EQ(fast.candidates, ref.candidates);
    EXPECT_EQ(fast.finishing, ref.finishing);
    EXPECT_EQ(fast.found, ref.found);
    EXPECT_EQ(fast.move.piece, ref.move.piece);
    EXPECT_EQ(fast.move.hole, ref.move.hole);
    if (fast.finishing || !fast.found || fast.finishing != ref.finishing || fast.found != ref.found)
        return fast.depth;
    EXPECT_EQ(fast.leaves, ref.leaves);
    EXPECT_EQ(fast.best, ref.best);
    std::vector<ReferenceMove> ties;
    for (const FirstMove& m : search->tiedMoves())
        ties.push_back({m.piece, m.hole});
    EXPECT_EQ(ties, ref.ties);
    return fast.depth;
}

struct GameSetup {
    int active[PlayerCount];
    int styles[PlayerCount][2];
    uint32_t seed;
};

class SearchAgreement : public ::testing::TestWithParam<GameSetup> {};

TEST_P(SearchAgreement, MatchesReferenceThroughoutAGame)
{
    const GameSetup& g = GetParam();
    const SelfPlayGame game = playComputerGame(g.active, g.styles, g.seed, 400);
    ASSERT_TRUE(game.over);
    int deep = 0;
    for (std::size_t t = 0; t < game.positions.size(); ++t)
        if (expectAgreement(game.positions[t], "turn " + std::to_string(t)) == 4)
            ++deep;
    EXPECT_GT(deep, 0) << "the game never reached an endgame searched four moves deep";
    RecordProperty("positions", static_cast<int>(game.positions.size()));
    RecordProperty("depthFour", deep);
}

INSTANTIATE_TEST_SUITE_P(
    Games, SearchAgreement,
    ::testing::Values(GameSetup{{1, 1, 1}, {{1, 1}, {2, 0}, {2, 0}}, 1},
                      GameSetup{{1, 1, 1}, {{2, 2}, {0, 2}, {1, 1}}, 2},
                      GameSetup{{1, 1, 0}, {{1, 1}, {1, 1}, {1, 1}}, 3},
                      GameSetup{{0, 1, 1}, {{1, 1}, {2, 2}, {0, 0}}, 4},
                      GameSetup{{1, 0, 1}, {{0, 0}, {1, 1}, {2, 2}}, 5}));

} // namespace
} // namespace tavolux::testing
