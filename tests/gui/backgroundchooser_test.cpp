// An Expert computer thinks with the event loop running: timers fire and
// other input is handled meanwhile, mouse input on the board is thrown
// away, and a choice ends abandoned when the program quits or another
// choice starts inside it. The other strengths still choose at once.

#include "app/backgroundchooser.h"
#include "tests/support/stuck_beginner.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

class CountingBoard : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

GameState openingWith(int strength)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.slots[0].picture = 0;
    s.slots[0].strength = strength;
    return s;
}

class BackgroundChooserTest : public ::testing::Test {
protected:
    ComputerPlayer computer;
    BackgroundChooser chooser{computer};
    CountingBoard board;
    QTimer ticker;
    int ticks = 0;

    void SetUp() override
    {
        chooser.setBoard(&board);
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [this] { ++ticks; });
        ticker.start();
    }
};

TEST_F(BackgroundChooserTest, AnExpertThinksWhileTheLoopRunsAndTheBoardIgnoresTheMouse)
{
    QTimer::singleShot(0, &board, [this] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&board, &press);
    });
    const ChosenMove move = chooser.chooseMove(openingWith(Expert));
    EXPECT_TRUE(move.found);
    EXPECT_FALSE(move.abandoned);
    EXPECT_GT(ticks, 0) << "the event loop ran during the search";
    EXPECT_EQ(board.presses, 0);
    EXPECT_FALSE(chooser.thinking());

    ticks = 0;
    EXPECT_TRUE(chooser.chooseMove(openingWith(Standard)).found);
    EXPECT_TRUE(chooser.chooseMove(openingWith(Beginner)).found);
    EXPECT_EQ(ticks, 0) << "the other strengths choose at once";
}

TEST_F(BackgroundChooserTest, AChoiceStartedInsideEndsTheOuterOne)
{
    ChosenMove inner;
    QTimer::singleShot(0, &board, [&] {
        EXPECT_TRUE(chooser.thinking());
        GameState next = openingWith(Expert);
        next.slots[1].picture = 0;
        next.slots[1].strength = Expert;
        next.playerToMove = 1;
        inner = chooser.chooseMove(next);
    });
    const ChosenMove outer = chooser.chooseMove(openingWith(Expert));
    EXPECT_TRUE(outer.abandoned);
    EXPECT_TRUE(inner.found);
    EXPECT_FALSE(inner.abandoned);
    EXPECT_GE(inner.piece, 10);
    EXPECT_FALSE(chooser.thinking());
}

// Each choice starts with its own cleared stop signal: a Beginner that is
// stuck, and so asks the Expert's plan, still moves after an Expert's
// choice was given up (by a New Game or a load).
TEST_F(BackgroundChooserTest, AGivenUpExpertLeavesTheNextStuckBeginnerItsMove)
{
    const std::optional<GameState> stuck = tavolux::testing::stuckBeginner();
    ASSERT_TRUE(stuck.has_value());
    QTimer::singleShot(0, &board, [this] { chooser.giveUp(); });
    EXPECT_TRUE(chooser.chooseMove(openingWith(Expert)).abandoned);
    const ChosenMove move = chooser.chooseMove(*stuck);
    EXPECT_FALSE(move.abandoned);
    EXPECT_TRUE(move.found);
}

TEST_F(BackgroundChooserTest, QuittingTheProgramAbandonsTheChoice)
{
    QTimer::singleShot(0, &board, [] { QCoreApplication::exit(0); });
    const ChosenMove move = chooser.chooseMove(openingWith(Expert));
    EXPECT_TRUE(move.abandoned);
    EXPECT_FALSE(chooser.thinking());
}

} // namespace
