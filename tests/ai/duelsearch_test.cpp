// The two-sided search (the tools' sparring partner and the Expert's look
// at replies) and the Expert's memory of positions: every choice is legal,
// a finish in reach is taken, and a remembered position is not brought
// about again.

#include "ai/computerplayer.h"
#include "ai/duelsearch.h"
#include "ai/expertsearch.h"
#include "cli/ladder.h"
#include "model/board.h"
#include "model/movegen.h"
#include "model/movepath.h"
#include "model/moverules.h"
#include "model/savefile.h"
#include "selfplay_positions.h"
#include "tests/support/light_expert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <string>

namespace tavolux::testing {
namespace {

bool legal(const GameState& s, int piece, int hole)
{
    const PlayerSlot& slot = s.slots[s.playerToMove];
    if (piece < slot.firstPiece || piece >= slot.firstPiece + PiecesPerPlayer)
        return false;
    MoveGenerator gen;
    gen.findDestinations(s.playerToMove, piece, s.pieces);
    return gen.isDestination(hole);
}

TEST(DuelSearch, ChoosesOnlyLegalMovesAtTwoAndThreePlayers)
{
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Neutral, Neutral}, {Neutral, Neutral}};
    const int tables[2][DesignSeatCount] = {{1, 1, 0}, {1, 1, 1}};
    auto duel = std::make_unique<DuelSearch>(6, 3000);
    int checked = 0;
    for (const auto& active : tables) {
        const SelfPlayGame game = playComputerGame(active, styles, 9, 300);
        for (std::size_t i = 0; i < game.positions.size(); i += 3, ++checked) {
            const GameState& s = game.positions[i];
            const DuelChoice c = duel->choose(s);
            ASSERT_TRUE(c.found) << "position " << i;
            EXPECT_TRUE(legal(s, c.piece, c.hole)) << "position " << i << " piece " << c.piece << " to " << c.hole;
            EXPECT_GE(c.depth, 1);
        }
    }
    EXPECT_GT(checked, 40);
}

// Player #1 with nine pieces in its target and the tenth a step from the
// free hole; player #2 at home.
GameState oneStepFromHome(int& freeHole)
{
    GameState s = initialGameState();
    s.slots[2].active = 0;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    const TargetDistances& mine = targetDistances(0);
    for (int i = 0; i < PiecesPerPlayer; ++i)
        s.pieces[i].hole = StartHoles[oppositeSeat(0)][i];
    // A piece on the target's edge steps back out of it.
    for (int i = 0; i < PiecesPerPlayer; ++i) {
        const int hole = s.pieces[i].hole;
        if (mine.distance[hole] != 3)
            continue;
        for (int h = 0; h < HoleCount; ++h) {
            if (mine.distance[h] == 4 && (mine.nearer[h][0] == hole || mine.nearer[h][1] == hole)) {
                freeHole = hole;
                s.pieces[i].hole = static_cast<uint16_t>(h);
                return s;
            }
        }
    }
    return s;
}

TEST(DuelSearch, TakesAFinishInReach)
{
    int freeHole = -1;
    const GameState s = oneStepFromHome(freeHole);
    ASSERT_GE(freeHole, 0);
    ASSERT_FALSE(isHome(s, 0));
    auto duel = std::make_unique<DuelSearch>(10, 20000);
    const DuelChoice c = duel->choose(s);
    ASSERT_TRUE(c.found);
    EXPECT_EQ(c.hole, freeHole);
    // Weighing first moves together says the same: that one wins at once,
    // and the search stops there.
    std::vector<DuelSearch::FirstMove> firsts;
    MoveGenerator gen;
    for (int k = 0; k < PiecesPerPlayer && firsts.empty(); ++k) {
        gen.findDestinations(0, k, s.pieces);
        if (k != c.piece && gen.destinations[0] != ListEnd)
            firsts.push_back({k, gen.destinations[0], 0});
    }
    ASSERT_FALSE(firsts.empty());
    firsts.push_back({c.piece, c.hole, 0});
    EXPECT_EQ(duel->valueFirstMoves(s, firsts, 6, 2), 1);
    EXPECT_EQ(firsts[1].value, DuelSearch::Win);
    EXPECT_LT(firsts[0].value, DuelSearch::Win - DuelSearch::MaxDepth);
}

// The Expert does not bring about a position it remembers while another
// move is left, and after forgetting chooses as before.
TEST(ExpertMemory, ARememberedPositionIsNotBroughtAboutAgain)
{
    const int active[DesignSeatCount] = {1, 1, 0};
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Neutral, Neutral}, {Neutral, Neutral}};
    const SelfPlayGame game = playComputerGame(active, styles, 21, 40);
    ASSERT_GT(game.positions.size(), 30u);
    auto expert = std::make_unique<ExpertSearch>(lightExpert());
    for (const std::size_t i : {4u, 30u}) {
        const GameState& s = game.positions[i];
        expert->forgetPositions();
        const ExpertChoice first = expert->choose(s);
        ASSERT_TRUE(first.found);
        EXPECT_TRUE(legal(s, first.piece, first.hole));
        // choose() remembered its own move: the same position differs now.
        const ExpertChoice second = expert->choose(s);
        EXPECT_TRUE(second.piece != first.piece || second.hole != first.hole) << "position " << i;
        expert->forgetPositions();
        const ExpertChoice again = expert->choose(s);
        EXPECT_EQ(again.piece, first.piece);
        EXPECT_EQ(again.hole, first.hole);
        // Learnt from outside, as from a game record.
        expert->forgetPositions();
        Position after = s.pieces;
        after[first.piece].hole = static_cast<uint16_t>(first.hole);
        expert->rememberPosition(after, s.playerToMove);
        const ExpertChoice taught = expert->choose(s);
        EXPECT_EQ(taught.piece, second.piece);
        EXPECT_EQ(taught.hole, second.hole);
    }
}

} // namespace
} // namespace tavolux::testing

namespace tavolux::testing {
namespace {

// The sparring engine does not bring about a position it brought about
// before while another move is left, and chooses as before once it forgets.
TEST(DuelSearch, ARememberedPositionIsNotBroughtAboutAgain)
{
    const int active[DesignSeatCount] = {1, 1, 0};
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Neutral, Neutral}, {Neutral, Neutral}};
    const SelfPlayGame game = playComputerGame(active, styles, 21, 40);
    ASSERT_GT(game.positions.size(), 20u);
    const GameState& s = game.positions[20];
    auto duel = std::make_unique<DuelSearch>(8, 20000);
    const DuelChoice first = duel->choose(s);
    const DuelChoice second = duel->choose(s);
    ASSERT_TRUE(first.found && second.found);
    EXPECT_TRUE(second.piece != first.piece || second.hole != first.hole);
    EXPECT_TRUE(legal(s, second.piece, second.hole));
    duel->forgetPositions();
    const DuelChoice again = duel->choose(s);
    EXPECT_EQ(again.piece, first.piece);
    EXPECT_EQ(again.hole, first.hole);
}

} // namespace
} // namespace tavolux::testing

namespace tavolux::testing {
namespace {

// An Expert that forgets its positions before every move, as when each
// move is asked of a fresh program, still never brings about a position of
// the game again: its choice alone makes no circle. Against a Standard
// player from a measured opening, to the first finish, every move checked
// against the rules.
TEST(ExpertMemory, AnExpertThatForgetsStillNeverRepeatsAPosition)
{
    std::vector<int> strengths(PlayerCount, -1);
    strengths[0] = Expert;
    strengths[1] = Standard;
    GameState s = cli::matchOpening(strengths, 5);
    auto players = std::make_unique<ComputerPlayer>();
    players->setExpertTuning(lightExpert());
    players->useSeed(5);
    std::vector<Position> after;
    int turns = 0;
    for (; turns < 400 && !isHome(s, 1 - s.playerToMove); ++turns) {
        const int mover = s.playerToMove;
        players->forgetPositions();
        const ChosenMove move = players->chooseMove(s);
        ASSERT_TRUE(move.found);
        ASSERT_TRUE(legal(s, move.piece, move.path.back())) << "move " << turns;
        s = applyMove(s, move.piece, move.path, true).after;
        if (mover != 0)
            continue;
        EXPECT_EQ(std::count(after.begin(), after.end(), s.pieces), 0) << "move " << turns;
        after.push_back(s.pieces);
        if (isHome(s, 0))
            break;
    }
    EXPECT_LT(turns, 400);
}

} // namespace
} // namespace tavolux::testing

namespace tavolux::testing {
namespace {

std::vector<DuelSearch::FirstMove> firstMoves(const GameState& s, std::size_t most)
{
    std::vector<DuelSearch::FirstMove> firsts;
    MoveGenerator gen;
    const int first = s.slots[s.playerToMove].firstPiece;
    for (int k = first; k < first + PiecesPerPlayer; ++k) {
        gen.findDestinations(s.playerToMove, k, s.pieces);
        for (const uint16_t* d = gen.destinations; *d != ListEnd && firsts.size() < most; ++d)
            firsts.push_back({k, *d, 0});
    }
    return firsts;
}

// The table of positions met changes how much is searched, never what a
// search to a given depth finds: with and without it, the first moves of
// positions of a real game get the same values, exact within the margin
// and bounded below it alike. A search stopped from outside gives up.
TEST(DuelSearch, TheTableOfPositionsChangesNoValue)
{
    const int active[DesignSeatCount] = {1, 1, 0};
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Neutral, Neutral}, {Neutral, Neutral}};
    const SelfPlayGame game = playComputerGame(active, styles, 17, 80);
    ASSERT_GT(game.positions.size(), 60u);
    auto plain = std::make_unique<DuelSearch>(6, 50000000);
    auto tabled = std::make_unique<DuelSearch>(6, 50000000, 16);
    constexpr int Plies = 4, Margin = 2;
    int compared = 0;
    for (const std::size_t i : {10u, 25u, 40u, 55u}) {
        const GameState& s = game.positions[i];
        std::vector<DuelSearch::FirstMove> firsts = firstMoves(s, 12), again = firsts;
        ASSERT_EQ(plain->valueFirstMoves(s, firsts, Plies, Margin), Plies);
        ASSERT_EQ(tabled->valueFirstMoves(s, again, Plies, Margin), Plies);
        int best = -DuelSearch::Win;
        for (const auto& f : firsts)
            best = std::max(best, f.value);
        for (std::size_t m = 0; m < firsts.size(); ++m, ++compared) {
            if (firsts[m].value >= best - Margin)
                EXPECT_EQ(again[m].value, firsts[m].value) << "position " << i << " move " << m;
            else
                EXPECT_LT(again[m].value, best - Margin) << "position " << i << " move " << m;
        }
    }
    EXPECT_GT(compared, 30);

    const std::atomic<bool> stop{true};
    std::vector<DuelSearch::FirstMove> firsts = firstMoves(game.positions[10], 3);
    EXPECT_EQ(tabled->valueFirstMoves(game.positions[10], firsts, Plies, Margin, &stop), 0);
}

// At every position the moves searched first are those that leave the
// mover best placed: an opponent searching only its first reply finds the
// same values as one searching all of them, however heavily the piece
// furthest behind counts.
TEST(DuelSearch, TheFirstReplySearchedIsTheBest)
{
    const int active[DesignSeatCount] = {1, 1, 0};
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Neutral, Neutral}, {Neutral, Neutral}};
    const SelfPlayGame game = playComputerGame(active, styles, 23, 90);
    ASSERT_GT(game.positions.size(), 70u);
    constexpr int Margin = 1 << 20;
    for (const int weight : {2, 6}) {
        DuelSearch narrow(1, 1000000), wide(200, 1000000);
        narrow.setTrailingWeight(weight);
        wide.setTrailingWeight(weight);
        for (const std::size_t i : {28u, 44u, 64u, 77u}) {
            const GameState& s = game.positions[i];
            std::vector<DuelSearch::FirstMove> firsts = firstMoves(s, 40), again = firsts;
            ASSERT_EQ(narrow.valueFirstMoves(s, firsts, 2, Margin), 2);
            ASSERT_EQ(wide.valueFirstMoves(s, again, 2, Margin), 2);
            for (std::size_t m = 0; m < firsts.size(); ++m)
                EXPECT_EQ(firsts[m].value, again[m].value) << "weight " << weight << " position " << i << " move " << m;
        }
    }
}

// The sparring engine is a fixed yardstick: what it plays from a given
// position never changes with how its search is made faster.
TEST(DuelSearch, TheSparringEngineKeepsItsMoves)
{
    std::vector<int> seats(PlayerCount, -1);
    seats[0] = seats[1] = Expert;
    GameState s = cli::matchOpening(seats, 104729u * 21u);
    DuelSearch sparring(10, 120000);
    std::string played;
    for (int turn = 0; turn < 16; ++turn) {
        const DuelChoice c = sparring.choose(s);
        ASSERT_TRUE(c.found);
        ASSERT_TRUE(legal(s, c.piece, c.hole));
        played += std::to_string(c.piece) + ">" + std::to_string(c.hole) + " ";
        s = applyMove(s, c.piece, findMovePath(s.pieces, s.pieces[c.piece].hole, c.hole), true).after;
    }
    EXPECT_EQ(played, "5>92 11>38 6>81 15>49 6>70 17>36 7>116 18>48 7>61 10>39 9>62 18>50 4>60 14>24 8>116 15>71 ");
}

} // namespace
} // namespace tavolux::testing
