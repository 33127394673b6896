// A computer player's turn as the game runs it, and whole games among
// computer players through the game's turn cycle.

#include "ai/computerplayer.h"
#include "model/game.h"
#include "model/board.h"
#include "selfplay_positions.h"
#include "tests/support/recorded_events.h"
#include "tests/support/walled_in.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace tavolux::testing {
namespace {

// Notes where the moving piece stands in the record when the move is told.
class WatchingEvents : public RecordedEvents {
public:
    int holeWhenTold = -1;
    void moveMade(const MadeMove& m) override
    {
        holeWhenTold = game->state().pieces[m.piece].hole;
        RecordedEvents::moveMade(m);
    }
    const Game* game = nullptr;
};

// Player #2 is the computer, the others are persons; player #2 is to move.
class ComputerTurnTest : public ::testing::Test {
protected:
    ComputerTurnTest() : game(events, player.get())
    {
        events.attach(&game);
        events.game = &game;
        start.noGameStarted = 0;
        placeStartingPieces(start);
        start.slots[0].picture = start.slots[2].picture = 1;
        start.playerToMove = 1;
        player->useSeed(7);
    }
    std::unique_ptr<ComputerPlayer> player = std::make_unique<ComputerPlayer>();
    WatchingEvents events;
    Game game;
    GameState start = initialGameState();
};

TEST_F(ComputerTurnTest, ChoosesAndTheCycleMakesOneMoveAndTellsIt)
{
    const Position before = start.pieces;
    game.load(start);

    int moved = 0;
    for (int i = 0; i < PieceCount; ++i)
        moved += before[i] != game.state().pieces[i];
    EXPECT_EQ(moved, 1);
    const FirstMove m = player->lastSearch().move;
    EXPECT_EQ(game.state().pieces[m.piece].hole, m.hole);
    EXPECT_EQ(game.state().pieces[m.piece].owner, OwnerMark[1]);
    EXPECT_EQ(events.holeWhenTold, m.hole) << "the record holds the move when it is told";
    EXPECT_EQ(game.state().playerToMove, 2);
    EXPECT_TRUE(game.waitingForPerson());

    const std::string piece = std::to_string(m.piece), from = std::to_string(before[m.piece].hole);
    const std::vector<std::string> expected = {"piecesReplaced", "boardRotationChanged", "turnStarting 1",
                                               "computerThinking 1", words({"moveMade", "1", piece, from}) + ':',
                                               "computerMoved 1", "turnStarting 2", "personToMove 2"};
    ASSERT_EQ(events.log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(events.log[i].rfind(expected[i], 0), 0u) << events.log[i];
    std::string destination(1, ' ');
    destination += std::to_string(m.hole);
    EXPECT_EQ(events.log[4].substr(events.log[4].size() - destination.size()), destination)
        << "the path ends on the destination";
}

TEST_F(ComputerTurnTest, APlayerWithoutMovesIsToldSoAndPasses)
{
    // Player #2's pieces walled in on their start holes by everyone else's.
    ASSERT_LE(wallAround(start.pieces, 10).size(), 20u);
    wallInPlayerTwo(start.pieces);
    const Position before = start.pieces;
    game.load(start);
    EXPECT_TRUE(events.logged("noValidMove 1"));
    EXPECT_FALSE(events.logged("moveMade"));
    EXPECT_EQ(game.state().pieces, before);
    EXPECT_EQ(game.state().playerToMove, 2);
}

TEST(ComputerGames, RunToTheirEndThroughTheTurnCycle)
{
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Hostile, Friendly}, {Hostile, Friendly}};
    const struct {
        int active[DesignSeatCount];
        int places;
    } games[] = {{{1, 1, 1}, 3}, {{1, 1, 0}, 2}, {{0, 1, 1}, 2}};
    for (const auto& g : games) {
        const SelfPlayGame played = playComputerGame(g.active, styles, 99, 600);
        EXPECT_TRUE(played.over);
        EXPECT_EQ(played.finishCount, g.places);
        EXPECT_LT(played.positions.size(), 600u);
    }
}

} // namespace
} // namespace tavolux::testing
