// The computers choose on a worker thread for every strength: the event loop
// runs meanwhile, the move comes back on the window's thread, a withdrawn
// choice never answers and never stops the next one.

#include "app/computerplayers.h"
#include "tests/support/stuck_beginner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

using namespace tavolux;

namespace {

GameState openingWith(int strength)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.slots[0].picture = 0;
    s.slots[0].strength = strength;
    return s;
}

// Runs the event loop until `done` holds or ten seconds pass.
template <typename Done> bool runUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct Answers {
    int count = 0;
    ChosenMove last;
    Qt::HANDLE thread = nullptr;
    MoveAnswer answer()
    {
        return [this](const ChosenMove& m) {
            ++count;
            last = m;
            thread = QThread::currentThreadId();
        };
    }
};

TEST(ComputerPlayers, EveryStrengthAnswersLaterOnTheWindowsThread)
{
    ComputerPlayers players;
    for (const int strength : {Beginner, Standard, Expert}) {
        Answers answers;
        players.takeTurn(openingWith(strength), answers.answer());
        EXPECT_EQ(answers.count, 0) << "the call returns before the choice is made";
        EXPECT_TRUE(players.thinking());
        ASSERT_TRUE(runUntil([&] { return answers.count > 0; })) << StrengthNames[strength];
        EXPECT_TRUE(answers.last.found);
        EXPECT_FALSE(answers.last.abandoned);
        EXPECT_EQ(answers.thread, QThread::currentThreadId());
        EXPECT_FALSE(players.thinking());
    }
}

// Each choice starts with its own cleared stop signal: a Beginner that is
// stuck, and so asks the Expert's plan, still moves after an Expert's
// choice was withdrawn (by a New Game or a load); the withdrawn one never
// answers.
TEST(ComputerPlayers, AWithdrawnChoiceNeverAnswersNorStopsTheNext)
{
    const std::optional<GameState> stuck = tavolux::testing::stuckBeginner();
    ASSERT_TRUE(stuck.has_value());
    ComputerPlayers players;
    Answers withdrawn, next;
    players.takeTurn(openingWith(Expert), withdrawn.answer());
    players.withdraw();
    players.takeTurn(*stuck, next.answer());
    ASSERT_TRUE(runUntil([&] { return next.count > 0; }));
    EXPECT_TRUE(next.last.found);
    EXPECT_FALSE(next.last.abandoned);
    QCoreApplication::processEvents();
    EXPECT_EQ(withdrawn.count, 0);

    // Gone while it thinks: the worker is stopped and waited for.
    auto gone = std::make_unique<ComputerPlayers>();
    Answers never;
    gone->takeTurn(openingWith(Expert), never.answer());
    gone.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(never.count, 0);
}

} // namespace
