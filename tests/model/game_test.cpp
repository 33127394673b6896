#include "model/board.h"
#include "model/game.h"
#include "model/moverules.h"
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

// A computer whose answers wait until the test gives them, as a worker's
// would: the game asks and goes on only when the answer comes.
struct LaterComputer : Player {
    std::vector<MoveAnswer> asked;
    int withdrawn = 0;
    void takeTurn(const GameState&, MoveAnswer answer) override { asked.push_back(std::move(answer)); }
    void withdraw() override { ++withdrawn; }
};

// The first legal move of the player to move.
ChosenMove firstMove(const GameState& s)
{
    MoveGenerator gen;
    gen.rebuildOccupancy(s.pieces);
    const int first = s.slots[s.playerToMove].firstPiece;
    for (int k = first; k < first + PiecesPerPlayer; ++k) {
        gen.findDestinations(s.playerToMove, k, s.pieces);
        if (gen.reachCount > 0)
            return {true, k, {gen.destinations[0]}};
    }
    return {};
}

// Counts the steps the game says are due; the test takes them.
struct CountedPace : TurnPace {
    int due = 0;
    void stepDue() override { ++due; }
};

GameState seats(int activeMask, int computerMask)
{
    GameState s = initialGameState();
    for (int p = 0; p < DesignSeatCount; ++p) {
        s.slots[p].active = (activeMask >> p) & 1;
        s.slots[p].picture = (computerMask >> p) & 1 ? 0 : 1;
    }
    return s;
}

struct GameFixture : ::testing::Test {
    RecordedEvents ui;
    LaterComputer computer;
    Game game{ui, &computer};
    GameFixture() { ui.attach(&game); }

    void startPeople(int activeMask = 7)
    {
        game.startGame(seats(activeMask, 0));
        ui.log.clear();
    }
    // A position of a game in progress with `edit` applied, loaded.
    void loadEdited(const std::function<void(GameState&)>& edit)
    {
        GameState s = game.state();
        edit(s);
        game.load(s);
        ui.log.clear();
    }
};

TEST_F(GameFixture, NewGameTurnsTheBoardForTheFirstPlayerOnlyWhenAsked)
{
    GameState chosen = seats(0b110, 0);
    chosen.slots[1].preferredView = 0;
    chosen.slots[1].autoReposition = 1;
    chosen.animationSpeed = 1;
    game.startGame(chosen);
    EXPECT_EQ(game.state().playerToMove, 1);
    EXPECT_EQ(game.state().boardRotation, 2);
    EXPECT_EQ(game.state().noGameStarted, 0);
    EXPECT_EQ(game.state().animationSpeed, 1);
    EXPECT_TRUE(game.waitingForPerson());
    EXPECT_EQ(ui.log.back(), "personToMove 1");

    chosen = seats(7, 0);
    chosen.slots[0].preferredView = 2;
    game.startGame(chosen);
    EXPECT_EQ(game.state().boardRotation, 0);
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

TEST_F(GameFixture, PersonMoveIsRecordedAndPassesTheTurn)
{
    startPeople();
    EXPECT_FALSE(game.moveByHand(10, 103)) << "not the mover's piece";
    EXPECT_FALSE(game.moveByHand(0, 60)) << "out of reach";
    EXPECT_TRUE(ui.log.empty());
    ASSERT_TRUE(game.moveByHand(0, 103));
    EXPECT_EQ(game.state().pieces[0].hole, 103);
    EXPECT_EQ(game.state().pieces[0].owner, OwnerMark[0]);
    EXPECT_EQ(game.state().playerToMove, 1);
    EXPECT_TRUE(game.history().canUndo());
    EXPECT_EQ(game.moveList().moves().size(), 1U);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"moveMade 0 0 111: 103", "personMoveAccepted 1", "turnStarting 1",
                                                "personToMove 1"}));

    ASSERT_TRUE(game.undo());
    EXPECT_EQ(game.state().pieces[0].hole, 111);
    EXPECT_EQ(game.state().playerToMove, 1) << "undo changes only the pieces";
    EXPECT_TRUE(game.waitingForPerson()) << "the person to move is still asked";
    ASSERT_TRUE(game.redo());
    EXPECT_EQ(game.state().pieces[0].hole, 103);
}

TEST_F(GameFixture, ATurnTurnsTheBoardFirstAndWaitsWhileHeld)
{
    CountedPace pace;
    game.setPace(&pace);
    startPeople();
    loadEdited([](GameState& s) {
        s.slots[1].autoReposition = 1;
        s.slots[1].preferredView = 1; // Top: three steps from player 2's home view
    });
    game.goOn();
    ASSERT_TRUE(game.waitingForPerson());
    pace.due = 0;
    ASSERT_TRUE(game.moveByHand(0, 103));
    EXPECT_EQ(pace.due, 1) << "the next turn waits for the pace";
    EXPECT_FALSE(game.waitingForPerson());
    EXPECT_TRUE(game.computersPlaying());
    game.hold(); // the move is shown
    game.goOn();
    EXPECT_EQ(ui.log.back(), "personMoveAccepted 1") << "nothing goes on while held";
    game.release();
    EXPECT_EQ(pace.due, 2);
    game.goOn();
    EXPECT_EQ(game.state().boardRotation, targetRotation(game.state(), 1));
    EXPECT_EQ(ui.log.back(), "boardRepositioning 1 from 0");
    game.goOn();
    EXPECT_EQ(ui.log.back(), "personToMove 1");
    EXPECT_TRUE(game.waitingForPerson());
    game.goOn();
    EXPECT_EQ(ui.log.back(), "personToMove 1") << "a step taken twice does nothing";
}

TEST_F(GameFixture, TwoPlayerGameEndsWhenTheFirstFinishes)
{
    startPeople(0b101);
    loadEdited([](GameState& s) {
        bringHome(s, 0);
        s.pieces[9].hole = static_cast<uint16_t>(neighbour(9, SouthEast));
    });
    bool overWhenTold = false;
    struct OverWatch : RecordedEvents {
        const Game* game = nullptr;
        bool* over = nullptr;
        void gameEnded() override { *over = game->state().gameOver != 0; }
    };
    ASSERT_TRUE(game.moveByHand(9, 9));
    EXPECT_EQ(game.state().gameOver, 1);
    EXPECT_EQ(game.state().finishCount, 2);
    EXPECT_EQ(game.state().finishOrder[0], 0);
    EXPECT_EQ(game.state().finishOrder[1], 2);
    EXPECT_TRUE(ui.logged("playerFinished 0"));
    EXPECT_EQ(ui.log.back(), "gameEnded");
    EXPECT_FALSE(game.waitingForPerson());
    EXPECT_FALSE(game.computersPlaying());

    // The results are shown from a record that says the game is over.
    OverWatch watch;
    watch.over = &overWhenTold;
    Game other(watch, static_cast<Player*>(nullptr));
    watch.game = &other;
    GameState s = seats(0b101, 0);
    s.noGameStarted = 0;
    placeStartingPieces(s);
    bringHome(s, 0);
    s.playerToMove = 2;
    other.load(s); // a finish not yet told is found in a loaded position
    EXPECT_TRUE(overWhenTold);
}

TEST_F(GameFixture, ThreePlayersPlayOnWhenAskedYesAndStopWhenAskedNo)
{
    for (const bool yes : {true, false}) {
        startPeople();
        loadEdited([](GameState& s) {
            bringHome(s, 0);
            s.pieces[9].hole = static_cast<uint16_t>(neighbour(9, SouthEast));
        });
        ui.answers = {yes};
        ASSERT_TRUE(game.moveByHand(9, 9));
        EXPECT_TRUE(ui.logged("playerFinished 0 ask"));
        EXPECT_EQ(game.state().slots[0].finished, 1);
        if (yes) {
            EXPECT_EQ(game.state().gameOver, 0);
            EXPECT_EQ(game.state().playerToMove, 1);
            EXPECT_EQ(ui.log.back(), "personToMove 1");
            EXPECT_FALSE(game.history().canUndo()) << "the finish is never taken back";
        } else {
            EXPECT_EQ(game.state().gameOver, 1);
            EXPECT_EQ((std::vector<int>{game.state().finishOrder[0], game.state().finishOrder[1],
                                        game.state().finishOrder[2]}),
                      (std::vector<int>{0, 1, 2}));
            EXPECT_EQ(ui.log.back(), "gameEnded");
        }
    }
}

TEST_F(GameFixture, ThePlayOnQuestionWaitsForItsAnswer)
{
    struct Later : GameQuestions {
        int asked = -1;
        void askPlayOn(int p) override { asked = p; }
    } later;
    startPeople();
    game.setQuestions(&later);
    loadEdited([](GameState& s) {
        bringHome(s, 0);
        s.pieces[9].hole = static_cast<uint16_t>(neighbour(9, SouthEast));
    });
    ASSERT_TRUE(game.moveByHand(9, 9));
    EXPECT_EQ(later.asked, 0);
    EXPECT_TRUE(game.askingPlayOn());
    EXPECT_FALSE(game.waitingForPerson());
    EXPECT_FALSE(game.moveByHand(10, 98)) << "no move while the question is open";
    EXPECT_FALSE(game.undo()) << "nor a finish taken back";
    EXPECT_EQ(game.state().slots[0].finished, 1);
    game.playOn(true);
    EXPECT_FALSE(game.askingPlayOn());
    EXPECT_TRUE(game.waitingForPerson());
    game.playOn(false);
    EXPECT_EQ(game.state().gameOver, 0) << "an answer without a question does nothing";
}

// A finished player keeps its place, so while the others play on the game
// never steps back past the move that finished it.
TEST_F(GameFixture, UndoNeverTakesBackTheMoveThatFinishedAPlayerWhilePlayGoesOn)
{
    startPeople();
    loadEdited([](GameState& s) {
        bringHome(s, 0);
        s.pieces[9].hole = static_cast<uint16_t>(neighbour(9, SouthEast));
    });
    ui.answers = {true};
    ASSERT_TRUE(game.moveByHand(9, 9));
    ASSERT_EQ(game.state().slots[0].finished, 1);
    EXPECT_FALSE(game.undo());
    EXPECT_EQ(game.state().pieces[9].hole, 9);

    const ChosenMove next = firstMove(game.state());
    const int start = game.state().pieces[next.piece].hole;
    ASSERT_TRUE(game.moveByHand(next.piece, next.path[0]));
    ASSERT_TRUE(game.undo());
    EXPECT_EQ(game.state().pieces[next.piece].hole, start);
    EXPECT_FALSE(game.undo());
    EXPECT_TRUE(isHome(game.state(), 0)) << "the finished player's pieces stay home";
}

// A computer answers when it is ready; until then nobody moves by hand and
// the history waits. A question withdrawn (a new or loaded game) ignores
// its late answer, and the next question's answer is not affected.
TEST_F(GameFixture, AComputersAnswerComesLaterAndAWithdrawnOneIsIgnored)
{
    game.startGame(seats(0b011, 0b010));
    ASSERT_TRUE(game.moveByHand(0, 103));
    ASSERT_EQ(computer.asked.size(), 1U);
    EXPECT_TRUE(ui.logged("computerThinking 1"));
    EXPECT_TRUE(game.computersPlaying());
    EXPECT_FALSE(game.waitingForPerson());
    EXPECT_FALSE(game.moveByHand(1, 102));
    EXPECT_FALSE(game.undo()) << "Undo waits for the person's turn";

    const GameState asked = game.state();
    computer.asked[0](firstMove(asked));
    EXPECT_EQ(game.state().playerToMove, 0);
    EXPECT_TRUE(game.waitingForPerson());
    EXPECT_EQ(ui.log.back(), "personToMove 0");
    computer.asked[0](firstMove(asked));
    EXPECT_EQ(game.moveList().moves().size(), 2U) << "an answer counts once";

    const ChosenMove mine = firstMove(game.state());
    ASSERT_TRUE(game.moveByHand(mine.piece, mine.path[0]));
    ASSERT_EQ(computer.asked.size(), 2U);
    ui.log.clear();
    game.load(asked); // a computer to move: its turn starts anew
    EXPECT_EQ(computer.withdrawn, 1);
    EXPECT_TRUE(ui.logged("turnWithdrawn 1"));
    ASSERT_EQ(computer.asked.size(), 3U);
    const Position loaded = game.state().pieces;
    computer.asked[1](firstMove(asked));
    EXPECT_EQ(game.state().pieces, loaded) << "the withdrawn question's answer moves nothing";
    computer.asked[2](firstMove(asked));
    EXPECT_EQ(game.state().playerToMove, 0);

    // A computer without a move passes its turn all the same.
    const ChosenMove again = firstMove(game.state());
    ASSERT_TRUE(game.moveByHand(again.piece, again.path[0]));
    ChosenMove none;
    none.piece = 10;
    computer.asked.back()(none);
    EXPECT_TRUE(ui.logged("noValidMove 1"));
    EXPECT_EQ(game.state().playerToMove, 0);

    game.stop();
    EXPECT_FALSE(game.waitingForPerson());
    EXPECT_FALSE(game.moveByHand(3, 100));
}

} // namespace
