// The search against the literal reference search: on positions from games
// among computer players, from the opening to the endgames that are searched
// four moves deep, both must agree on every figure and, without the random
// term, on the move.

#include "ai/search.h"
#include "model/board.h"
#include "reference_search.h"
#include "selfplay_positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>

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
    int active[DesignSeatCount];
    int styles[DesignSeatCount][2];
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

// A position no game need reach: pieces scattered over the board, often with
// the player before the one to move nearly home so that the search looks
// four moves deep, random styles and sometimes a finished player.
GameState scatteredPosition(std::mt19937& rng)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    if (rng() % 3 == 0)
        s.slots[rng() % DesignSeatCount].active = 0;
    placeStartingPieces(s);
    for (PlayerSlot& slot : s.slots) {
        slot.picture = 0;
        slot.styleTowardLower = static_cast<int32_t>(rng() % 3);
        slot.styleTowardHigher = static_cast<int32_t>(rng() % 3);
    }
    do
        s.playerToMove = static_cast<uint16_t>(rng() % DesignSeatCount);
    while (!s.slots[s.playerToMove].active);
    const int me = s.playerToMove;
    const int before = previousPlayer(s, me);

    std::set<int> used;
    auto place = [&](int piece, int hole) {
        s.pieces[piece].hole = static_cast<uint16_t>(hole);
        used.insert(hole);
    };
    auto freeHole = [&] {
        int h;
        do
            h = static_cast<int>(rng() % HoleCount);
        while (used.count(h));
        return h;
    };
    if (before != me && rng() % 4 != 0) {
        // Nearly home: the ten holes nearest its target tip, one left out.
        std::vector<int> holes(HoleCount);
        for (int h = 0; h < HoleCount; ++h)
            holes[h] = h;
        std::stable_sort(holes.begin(), holes.end(), [&](int a, int b) {
            return holeDistance(a, TargetApex[before]) < holeDistance(b, TargetApex[before]);
        });
        const int f = s.slots[before].firstPiece;
        for (int k = 0; k < PiecesPerPlayer; ++k)
            place(f + k, holes[k < 9 ? k : 10 + static_cast<int>(rng() % 6)]);
    }
    for (int i = 0; i < PieceCount; ++i)
        if (s.pieces[i].owner != 0 && !used.count(s.pieces[i].hole) && (rng() % 5 != 0 || used.size() > 100))
            place(i, freeHole());
    // Pieces left on their start holes may now share a hole with a scattered
    // one; move them apart so that every position could occur in play.
    std::set<int> seen;
    for (PieceRecord& r : s.pieces)
        if (r.owner != 0 && !seen.insert(r.hole).second)
            r.hole = static_cast<uint16_t>(freeHole()), seen.insert(r.hole);
    const int other = nextPlayer(s, me);
    if (other != before && rng() % 4 == 0)
        s.slots[other].finished = 1;
    return s;
}

TEST(SearchAgreement, MatchesReferenceOnScatteredPositions)
{
    std::mt19937 rng(20261208);
    auto search = std::make_unique<MoveSearch>();
    TieBreak off;
    off.setEnabled(false);
    int compared = 0, deep = 0;
    while (compared < 120) {
        const GameState s = scatteredPosition(rng);
        // The reference is slow; positions with very many lines are left out.
        if (search->choose(s, off).leaves > 40000)
            continue;
        deep += expectAgreement(s, "scattered position " + std::to_string(compared)) == 4;
        ++compared;
    }
    EXPECT_GT(deep, 30);
}

TEST(SearchAgreement, MatchesReferenceBeyondTheCandidateLimit)
{
    // No game gets here: all thirty pieces carry Player #1's mark, which a
    // saved file may claim. Only the first 250 first moves are candidates.
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    const int holes[DesignSeatCount * PiecesPerPlayer] = {53, 27, 29, 89, 116, 16, 103, 4, 93, 57, 77, 43, 1, 69, 71,
                                   52, 92, 9, 63, 58, 7, 38, 30, 47, 106, 113, 61, 115, 79, 50};
    for (int i = 0; i < DesignSeatCount * PiecesPerPlayer; ++i)
        s.pieces[i] = {static_cast<uint16_t>(holes[i]), OwnerMark[0]};
    auto search = std::make_unique<MoveSearch>();
    TieBreak off;
    off.setEnabled(false);
    EXPECT_EQ(search->choose(s, off).candidates, MaxCandidates);
    expectAgreement(s, "thirty pieces of one player");
}

} // namespace
} // namespace tavolux::testing
