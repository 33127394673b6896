#include "model/board.h"
#include "model/game.h"
#include "tests/support/recorded_events.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace tavolux;
using tavolux::testing::RecordedEvents;

namespace {

// Moves player p's ten pieces onto its target region.
void bringHome(GameState& s, int p)
{
    int k = 0;
    for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
        if (holeDistance(h, TargetApex[p]) <= 3)
            s.pieces[s.slots[p].firstPiece + k++].hole = static_cast<uint16_t>(h);
}

struct GameFixture : ::testing::Test {
    RecordedEvents ui;
    Game game{ui, nullptr};
    GameFixture() { ui.attach(&game.state); }

    void startPeople(int activeMask = 7)
    {
        ui.setupEdits = [activeMask](GameState& s) {
            for (int p = 0; p < PlayerCount; ++p) {
                s.slots[p].active = (activeMask >> p) & 1;
                s.slots[p].picture = 1; // all persons
            }
        };
        ASSERT_TRUE(game.startNewGame());
        ui.log.clear();
    }
};

TEST_F(GameFixture, NewGameTurnsTheBoardForTheFirstPlayerOnlyWhenAsked)
{
    ui.setupEdits = [](GameState& s) {
        s.slots[0].active = 0;
        s.slots[1].preferredView = 0;
        s.slots[1].autoReposition = 1;
    };
    ASSERT_TRUE(game.startNewGame());
    EXPECT_EQ(game.state.playerToMove, 1);
    EXPECT_EQ(game.state.boardRotation, 2);
    EXPECT_EQ(game.state.noGameStarted, 0);

    game.state.gameOver = 1; // no abandon question for a finished game
    ui.setupEdits = [](GameState& s) {
        s.slots[0].active = 1;
        s.slots[0].preferredView = 2;
        s.slots[0].autoReposition = 0;
    };
    ASSERT_TRUE(game.startNewGame());
    EXPECT_EQ(game.state.boardRotation, 0);
    EXPECT_FALSE(ui.logged("mayAbandonGame"));
}

TEST(TargetRotation, PreferredViews)
{
    GameState s = initialGameState();
    s.slots[0].preferredView = 2; // Lower-Left
    EXPECT_EQ(targetRotation(s, 0), 5);
    s.slots[0].preferredView = 3; // Lower-Right
    EXPECT_EQ(targetRotation(s, 0), 1);
    s.slots[1].preferredView = 0;
    EXPECT_EQ(targetRotation(s, 1), 2);
    s.slots[2].preferredView = 1; // Top
    EXPECT_EQ(targetRotation(s, 2), 1);
}

TEST(TargetRotation, TurnsTakeTheShorterWay)
{
    EXPECT_EQ(planRotation(5, 1).steps, 2);
    EXPECT_FALSE(planRotation(5, 1).clockwise);
    EXPECT_EQ(planRotation(3, 0).steps, 3);
    EXPECT_FALSE(planRotation(3, 0).clockwise);
    EXPECT_EQ(planRotation(0, 5).steps, 1);
    EXPECT_TRUE(planRotation(0, 5).clockwise);
    EXPECT_EQ(planRotation(4, 4).steps, 0);
    EXPECT_EQ(stepRotation(0, true), 5);
    EXPECT_EQ(stepRotation(5, false), 0);
}

TEST_F(GameFixture, AbandonQuestionAndCancelledSheetChangeNothing)
{
    startPeople();
    const GameState before = game.state;
    ui.answers = {false};
    EXPECT_FALSE(game.startNewGame());
    EXPECT_EQ(game.state.pieces, before.pieces);
    EXPECT_TRUE(ui.logged("mayAbandonGame"));

    ui.setupAccepted = false;
    EXPECT_FALSE(game.startNewGame());
    EXPECT_EQ(game.state.pieces, before.pieces);
}

TEST_F(GameFixture, PersonMoveIsRecordedAndPassesTheTurn)
{
    startPeople();
    PieceRecord saved = game.state.pieces[0];
    game.state.pieces[0].owner = 0; // being dragged
    game.acceptPersonMove(0, 103, saved);
    EXPECT_EQ(game.state.pieces[0].hole, 103);
    EXPECT_EQ(game.state.pieces[0].owner, OwnerMark[0]);
    EXPECT_EQ(game.state.playerToMove, 1);
    EXPECT_TRUE(game.history.canUndo());
    EXPECT_EQ(ui.log.back(), "personMoveAccepted 1");
    EXPECT_TRUE(ui.logged("moveMade 0 0 111"));

    ASSERT_TRUE(game.undo());
    EXPECT_EQ(game.state.pieces[0].hole, 111);
    EXPECT_EQ(game.state.pieces[0].owner, OwnerMark[0]) << "the snapshot holds the restored owner";
    EXPECT_EQ(game.state.playerToMove, 1) << "undo changes only the pieces";
}

TEST_F(GameFixture, RunTurnsPromptsThePersonAndTurnsTheBoard)
{
    startPeople();
    game.state.slots[0].autoReposition = 1;
    game.state.slots[0].preferredView = 1; // Top: three steps
    game.runTurns();
    EXPECT_EQ(game.state.boardRotation, 3);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"turnStarting 0", "boardRepositioning 0", "rotateBoardStep ccw",
                                                "rotateBoardStep ccw", "rotateBoardStep ccw", "personToMove 0"}));
}

TEST_F(GameFixture, TwoPlayerGameEndsWhenTheFirstFinishes)
{
    startPeople(0b101);
    bringHome(game.state, 0);
    game.state.playerToMove = 2; // player 0 just moved
    game.runTurns();
    EXPECT_EQ(game.state.gameOver, 1);
    EXPECT_EQ(game.state.finishCount, 2);
    EXPECT_EQ(game.state.finishOrder[0], 0);
    EXPECT_EQ(game.state.finishOrder[1], 2);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"playerFinished 0", "gameEnded"}));
}

TEST_F(GameFixture, ThreePlayersContinueAfterTheFirstFinishesWhenAskedYes)
{
    startPeople();
    bringHome(game.state, 1);
    game.state.playerToMove = 2;
    ui.answers = {true};
    game.runTurns();
    EXPECT_EQ(game.state.gameOver, 0);
    EXPECT_EQ(game.state.slots[1].finished, 1);
    EXPECT_TRUE(ui.logged("playerFinished 1 ask"));
    EXPECT_EQ(nextPlayer(game.state, 0), 2) << "the finished player is skipped";

    // Player 3 finishes next: player 1 is last.
    bringHome(game.state, 2);
    game.state.playerToMove = 0;
    ui.log.clear();
    game.runTurns();
    EXPECT_EQ(game.state.gameOver, 1);
    EXPECT_EQ(game.state.finishCount, 3);
    EXPECT_EQ((std::vector<int>{game.state.finishOrder[0], game.state.finishOrder[1], game.state.finishOrder[2]}),
              (std::vector<int>{1, 2, 0}));
    EXPECT_TRUE(ui.logged("playerFinished 2"));
    EXPECT_FALSE(ui.logged("playerFinished 2 ask")) << "one player left: nothing to ask";
}

// Moves piece k of the player to move to hole d as a person's drop does.
void dropPiece(Game& game, int k, int d)
{
    const PieceRecord saved = game.state.pieces[k];
    game.state.pieces[k].owner = 0;
    game.acceptPersonMove(k, d, saved);
}

// A finished player keeps its place, so while the others play on the game
// never steps back past the move that finished it.
TEST_F(GameFixture, UndoNeverTakesBackTheMoveThatFinishedAPlayerWhilePlayGoesOn)
{
    startPeople();
    bringHome(game.state, 0); // piece 9 ends on hole 9, the edge of the top point
    const int outside = neighbour(9, SouthEast);
    game.state.pieces[9].hole = static_cast<uint16_t>(outside);
    dropPiece(game, 9, 9);
    ui.answers = {true};
    game.runTurns();
    ASSERT_EQ(game.state.slots[0].finished, 1);
    EXPECT_FALSE(game.history.canUndo());
    EXPECT_FALSE(game.undo());
    EXPECT_EQ(game.state.pieces[9].hole, 9);

    // Moves after the finish are undone as usual, back to the finish.
    const int start = game.state.pieces[13].hole;
    dropPiece(game, 13, neighbour(start, SouthEast));
    ASSERT_TRUE(game.undo());
    EXPECT_EQ(game.state.pieces[13].hole, start);
    EXPECT_FALSE(game.undo());
    EXPECT_EQ(targetDistanceSum(game.state, 0), 20) << "the finished player's pieces stay home";
}

TEST_F(GameFixture, ThreePlayersStopWhenAskedNo)
{
    startPeople();
    bringHome(game.state, 2);
    game.state.playerToMove = 0;
    ui.answers = {false};
    game.runTurns();
    EXPECT_EQ(game.state.gameOver, 1);
    EXPECT_EQ((std::vector<int>{game.state.finishOrder[0], game.state.finishOrder[1], game.state.finishOrder[2]}),
              (std::vector<int>{2, 0, 1}));
}

TEST_F(GameFixture, RefusedDropStillRunsTheCycleWithoutFinishing)
{
    startPeople();
    game.runTurns();
    EXPECT_EQ(game.state.playerToMove, 0);
    EXPECT_EQ(game.state.gameOver, 0);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"turnStarting 0", "personToMove 0"}));
}

// A computer that finds no move, counting its turns.
struct PassingComputer : MoveChooser {
    int turns = 0;
    ChosenMove chooseMove(const GameState& s) override
    {
        ++turns;
        const int piece = s.slots[s.playerToMove].firstPiece;
        return {false, piece, {s.pieces[piece].hole}};
    }
};

// Between two computer turns the cycle goes back to its caller with the next
// pass queued; a New Game or a load makes a pass queued before it stale.
TEST(TurnCycle, OneComputerTurnPerPassAndStalePassesDoNothing)
{
    RecordedEvents ui;
    PassingComputer computer;
    Game game(ui, &computer);
    ui.attach(&game.state);
    ui.setupEdits = [](GameState& s) {
        for (PlayerSlot& slot : s.slots)
            slot.picture = 0;
        s.slots[2].picture = 1; // player 3 is a person
    };
    ASSERT_TRUE(game.startNewGame());
    EXPECT_EQ(computer.turns, 1) << "the first computer moves at once";
    EXPECT_TRUE(game.turnsPending());
    EXPECT_FALSE(game.waitingForPerson());

    game.resumeTurns(1);
    EXPECT_EQ(computer.turns, 2) << "the second computer's turn is a pass of its own";
    EXPECT_TRUE(game.turnsPending());
    game.resumeTurns(1);
    EXPECT_EQ(computer.turns, 2) << "a ticket is good for one pass";
    game.runQueuedTurns();
    EXPECT_EQ(game.state.playerToMove, 2);
    EXPECT_TRUE(game.waitingForPerson());

    // New Game while a pass is queued: the old pass never plays.
    game.state.playerToMove = 0;
    game.runTurns();
    ASSERT_TRUE(game.turnsPending());
    const int before = computer.turns;
    ui.answers = {true};
    ui.setupEdits = [](GameState& s) {
        for (PlayerSlot& slot : s.slots)
            slot.picture = 1;
    };
    ASSERT_TRUE(game.startNewGame());
    EXPECT_FALSE(game.turnsPending());
    game.resumeTurns(3);
    EXPECT_EQ(computer.turns, before);

    // A loaded game goes on by itself when a computer is to move.
    GameState loaded = game.state;
    loaded.slots[0].picture = 0;
    loaded.playerToMove = 0;
    game.replaceState(loaded);
    EXPECT_TRUE(game.turnsPending());
    loaded.slots[0].picture = 1;
    game.replaceState(loaded);
    EXPECT_FALSE(game.turnsPending());
    EXPECT_TRUE(game.waitingForPerson());
}

// A computer that lets "the window" act while it thinks: the action runs
// inside its choice, as an event handled by a nested event loop would.
struct InterruptedComputer : MoveChooser {
    std::function<void()> meanwhile;
    bool giveUp = false;
    ChosenMove chooseMove(const GameState& s) override
    {
        const int piece = s.slots[s.playerToMove].firstPiece;
        ChosenMove move{true, piece, {s.pieces[piece].hole + 0}};
        MoveGenerator gen;
        gen.findDestinations(s.playerToMove, piece, s.pieces);
        move.path = {gen.destinations[0]};
        if (auto act = std::exchange(meanwhile, nullptr))
            act();
        move.abandoned = giveUp;
        return move;
    }
};

// A choice given up, or one that outlived the game it was made for (a New
// Game, a load or an undo while it thought), moves nothing and passes
// nothing; the new game goes on by its own turns.
TEST(TurnCycle, AnAbandonedOrStaleChoiceMovesNothing)
{
    RecordedEvents ui;
    InterruptedComputer computer;
    Game game(ui, &computer);
    ui.attach(&game.state);
    game.state.noGameStarted = 0;
    placeStartingPieces(game.state);
    game.state.slots[0].picture = 0;
    game.state.slots[1].picture = game.state.slots[2].picture = 1;
    const Position start = game.state.pieces;

    computer.giveUp = true;
    game.runTurns();
    EXPECT_EQ(game.state.pieces, start);
    EXPECT_EQ(game.state.playerToMove, 0);
    EXPECT_TRUE(ui.logged("computerTurnAbandoned 0"));
    EXPECT_FALSE(ui.logged("computerMoving") || ui.logged("noValidMove") || ui.logged("queueNextPass"));

    computer.giveUp = false;
    for (const auto& replace : std::vector<std::function<void()>>{
             [&] {
                 ui.setupEdits = [](GameState& s) { s.slots[0].picture = 1; };
                 ASSERT_TRUE(game.startNewGame());
             },
             [&] { game.replaceState(game.state); },
             [&] {
                 game.history.record(game.state.pieces);
                 game.state.pieces[0].hole = 100;
                 ASSERT_TRUE(game.undo());
             }}) {
        game.state.slots[0].picture = 0;
        game.state.playerToMove = 0;
        game.state.pieces = start;
        ui.log.clear();
        computer.meanwhile = replace;
        game.runTurns();
        EXPECT_EQ(game.state.pieces, start);
        EXPECT_TRUE(ui.logged("computerTurnAbandoned 0"));
        EXPECT_FALSE(ui.logged("moveMade") || ui.logged("computerTurnEnds"));
    }
}

} // namespace
