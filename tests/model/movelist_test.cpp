// The game's list of every move: persons' and computers' moves through the
// turn cycle, its current point through Undo and Redo, a move after Undo
// replacing what followed, and New Game and Load starting it afresh.

#include "model/game.h"
#include "model/movegen.h"
#include "tests/support/recorded_events.h"

#include <gtest/gtest.h>

namespace tavolux::testing {
namespace {

// The first destination of the mover's first piece that has one.
struct FirstMoveComputer : MoveChooser {
    ChosenMove chooseMove(const GameState& s) override
    {
        MoveGenerator gen;
        for (int k = s.slots[s.playerToMove].firstPiece;; ++k) {
            gen.findDestinations(s.playerToMove, k, s.pieces);
            if (gen.destinations[0] != ListEnd)
                return {true, k, {gen.destinations[0]}};
        }
    }
};

class MoveListTest : public ::testing::Test {
protected:
    RecordedEvents events;
    FirstMoveComputer computer;
    Game game{events, &computer};

    void SetUp() override
    {
        events.attach(&game);
        // Player #1 is a person, the others computers.
        GameState chosen = initialGameState();
        chosen.slots[0].picture = 1;
        chosen.slots[1].picture = chosen.slots[2].picture = 0;
        game.startGame(chosen);
    }

    // A person's drop of piece k on its first destination, then the replies.
    void personMoves(int k)
    {
        MoveGenerator moves;
        moves.rebuildOccupancy(game.state().pieces);
        moves.findDestinations(0, k, game.state().pieces);
        ASSERT_TRUE(game.moveByHand(k, moves.destinations[0]));
    }
};

TEST_F(MoveListTest, FollowsTheBoardThroughUndoRedoAndANewLine)
{
    personMoves(0);
    personMoves(1);
    const MoveList& list = game.moveList();
    ASSERT_EQ(list.moves().size(), 6u);
    EXPECT_EQ(list.current(), 6u);
    EXPECT_TRUE(list.moves()[0].byPerson);
    EXPECT_FALSE(list.moves()[1].byPerson);
    EXPECT_EQ(list.moves()[1].player, 1);
    EXPECT_EQ(list.positionAfter(6).pieces, game.state().pieces);
    EXPECT_EQ(list.movesBy(0, 6), 2);

    ASSERT_TRUE(game.undo());
    EXPECT_EQ(list.current(), 3u) << "back to before the person's second move";
    EXPECT_EQ(list.positionAfter(3).pieces, game.state().pieces);
    ASSERT_TRUE(game.redo());
    EXPECT_EQ(list.current(), 6u);
    ASSERT_TRUE(game.undo());
    ASSERT_TRUE(game.undo());
    EXPECT_EQ(list.current(), 0u);

    personMoves(5); // a different first move replaces everything
    ASSERT_EQ(list.moves().size(), 3u);
    EXPECT_EQ(list.moves()[0].piece, 5);
    EXPECT_EQ(list.positionAfter(3).pieces, game.state().pieces);
}

TEST_F(MoveListTest, NewGameAndLoadStartAfresh)
{
    personMoves(0);
    ASSERT_FALSE(game.moveList().moves().empty());
    GameState loaded = game.state();
    game.load(loaded);
    EXPECT_TRUE(game.moveList().moves().empty());
    EXPECT_EQ(game.moveList().start().pieces, loaded.pieces);

    personMoves(2);
    game.startGame(game.state());
    EXPECT_TRUE(game.moveList().moves().empty());
}

TEST(MoveList, ARedoIntoALineNoLongerHeldStartsTheListThere)
{
    MoveList list;
    GameState s = initialGameState();
    placeStartingPieces(s);
    list.restart(s);
    list.add({0, 0, s.pieces[0].hole, {99}, true});
    GameState elsewhere = s;
    elsewhere.pieces[3].hole = 100;
    list.follow(elsewhere);
    EXPECT_TRUE(list.moves().empty());
    EXPECT_EQ(list.start().pieces, elsewhere.pieces);
}

} // namespace
} // namespace tavolux::testing
