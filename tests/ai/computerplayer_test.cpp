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

// Notes the moving piece's owner mark while it is shown travelling.
class WatchingEvents : public RecordedEvents {
public:
    using RecordedEvents::RecordedEvents;
    uint32_t ownerWhileShown = 99;
    void computerMoving(int p, int piece, int start, const int* path, int length) override
    {
        ownerWhileShown = game->state.pieces[piece].owner;
        RecordedEvents::computerMoving(p, piece, start, path, length);
    }
    const Game* game = nullptr;
};

// Player #2 is the computer, the others are persons; player #2 is to move.
class ComputerTurnTest : public ::testing::Test {
protected:
    ComputerTurnTest() : game(events, player.get())
    {
        events.attach(&game.state);
        events.game = &game;
        game.state.noGameStarted = 0;
        placeStartingPieces(game.state);
        game.state.slots[0].picture = game.state.slots[2].picture = 1;
        game.state.playerToMove = 1;
        player->useSeed(7);
    }
    std::unique_ptr<ComputerPlayer> player = std::make_unique<ComputerPlayer>();
    WatchingEvents events;
    Game game;
};

TEST_F(ComputerTurnTest, ChoosesAndTheCycleShowsAndMakesOneMove)
{
    const Position before = game.state.pieces;
    game.runTurns();

    int moved = 0;
    for (int i = 0; i < PieceCount; ++i)
        moved += before[i] != game.state.pieces[i];
    EXPECT_EQ(moved, 1);
    const FirstMove m = player->lastSearch().move;
    EXPECT_EQ(game.state.pieces[m.piece].hole, m.hole);
    EXPECT_EQ(game.state.pieces[m.piece].owner, OwnerMark[1]);
    EXPECT_EQ(events.ownerWhileShown, 0u) << "the piece is off the board while it is shown";
    EXPECT_EQ(game.state.playerToMove, 2);

    const std::string piece = std::to_string(m.piece), start = std::to_string(before[m.piece].hole);
    const std::vector<std::string> expected = {
        "turnStarting 1", "computerTurnStarts 1", "computerThinking 1",
        words({"computerMoving", "1", piece, start}) + ':',
        words({"moveMade", "1", piece, start}), "computerMoved 1", "computerTurnEnds 1",
        "queueNextPass"};
    ASSERT_EQ(events.log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(events.log[i].rfind(expected[i], 0), 0u) << events.log[i];
    std::string destination(1, ' ');
    destination += std::to_string(m.hole);
    EXPECT_EQ(events.log[3].substr(events.log[3].size() - destination.size()), destination)
        << "the path ends on the destination";
}

TEST_F(ComputerTurnTest, APlayerWithoutMovesIsToldSoAndPasses)
{
    // Player #2's pieces walled in on their start holes by everyone else's.
    ASSERT_LE(wallAround(game.state.pieces, 10).size(), 20u);
    wallInPlayerTwo(game.state.pieces);
    const Position before = game.state.pieces;
    game.runTurns();
    EXPECT_TRUE(events.logged("noValidMove 1"));
    EXPECT_FALSE(events.logged("moveMade"));
    EXPECT_EQ(game.state.pieces, before);
    EXPECT_EQ(game.state.playerToMove, 2);
}

TEST(ComputerGames, RunToTheirEndThroughTheTurnCycle)
{
    const int styles[PlayerCount][2] = {{Neutral, Neutral}, {Hostile, Friendly}, {Hostile, Friendly}};
    const struct {
        int active[PlayerCount];
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
