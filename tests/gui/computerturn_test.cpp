// Commands given while a computer of each strength plays its turn: those
// on the person's position wait for the person, those that replace the game
// run at once, and the game always goes on.

#include "app/commands.h"
#include <QMessageBox>
#include <QDialogButtonBox>
#include "app/boardshows.h"
#include "app/prompttable.h"
#include "model/savefile.h"
#include "tests/support/window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace tavolux;

namespace {

using tavolux::testing::answerNextBox;

class ComputerTurnTest : public tavolux::testing::WindowPlayTest {
protected:
    void SetUp() override
    {
        WindowPlayTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath("game.tvx");
        window->useFileChooser(std::make_unique<tavolux::testing::ScriptedChooser>(path));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A person against two computers of `strength`.
    void startAgainst(int strength)
    {
        startGame(3, 0, 0, [strength](GameState& chosen) {
            chosen.slots[1].strength = chosen.slots[2].strength = static_cast<uint16_t>(strength);
        });
    }

    // `act` runs from the event loop once the first computer's reply is
    // under way after the drop below (it thinks, or its move glides); it
    // notes whether the computers were still playing then.
    void duringTheReply(std::function<void()> act)
    {
        auto* watch = new QTimer(window.get());
        QObject::connect(watch, &QTimer::timeout, window.get(), [this, watch, act = std::move(act)] {
            if (window->statusPrompt().shown() != prompt::ComputerThinking)
                return;
            watch->deleteLater();
            watch->stop();
            inTurn = window->game().computersPlaying();
            act();
        });
        watch->start(1);
    }

    QTemporaryDir folder;
    QString path;
    bool inTurn = false;
};

const int Strengths[] = {Beginner, Standard, Expert};

// Ctrl+S and Ctrl+Z typed while the computers reply are both carried out
// once the person is to move again: the game with the replies is saved,
// then the move and the replies are taken back.
TEST_F(ComputerTurnTest, UndoAndSaveGivenDuringAnyComputersTurnWaitForThePerson)
{
    for (int strength : Strengths) {
        SCOPED_TRACE(strength);
        QFile::remove(path);
        startAgainst(strength);
        const auto start = window->game().state().pieces;
        duringTheReply([this] {
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
            EXPECT_TRUE(window->game().computersPlaying());
        });
        drag(111, 103);
        ASSERT_TRUE(waitForPerson(20000)) << "the game goes on";
        EXPECT_TRUE(inTurn) << "the keys came while a computer played";
        QTest::qWait(50);
        GameState saved = initialGameState();
        ASSERT_EQ(loadGameFile(path.toStdString(), saved), LoadStatus::Loaded) << "Save waited for the person";
        EXPECT_EQ(saved.playerToMove, 0);
        EXPECT_FALSE(std::equal(start.begin() + 10, start.end(), saved.pieces.begin() + 10)) << "with the replies";
        EXPECT_EQ(window->game().state().pieces, start) << "then Undo took back the move and the replies";
        EXPECT_EQ(window->game().state().playerToMove, 0);
        EXPECT_FALSE(window->game().computersPlaying());
        EXPECT_TRUE(moveAnyPiece()) << "the person moves again";
        ASSERT_TRUE(waitForPerson(20000));
    }
}

// Load Game given while a computer plays replaces the game at once; the
// computer gives its choice up and the loaded game goes on.
TEST_F(ComputerTurnTest, LoadGivenDuringAnyComputersTurnRunsAtOnce)
{
    startAgainst(Standard);
    drag(111, 103);
    ASSERT_TRUE(waitForPerson());
    ASSERT_TRUE(window->runCommand(command::SaveGame));
    GameState saved = initialGameState();
    ASSERT_EQ(loadGameFile(path.toStdString(), saved), LoadStatus::Loaded);
    for (int strength : Strengths) {
        SCOPED_TRACE(strength);
        startAgainst(strength);
        bool ran = false;
        duringTheReply([this, &ran] {
            answerNextBox(QMessageBox::Yes);
            ran = window->runCommand(command::LoadGame);
        });
        drag(111, 103);
        ASSERT_TRUE(tavolux::testing::eventually([&] { return ran; }));
        EXPECT_TRUE(inTurn);
        ASSERT_TRUE(waitForPerson(20000)) << "the loaded game goes on";
        EXPECT_EQ(window->game().state().pieces, saved.pieces);
        EXPECT_TRUE(moveAnyPiece()) << "the person moves in the loaded game";
        ASSERT_TRUE(waitForPerson(20000));
    }
}

// Every command of the Game and Move menus given while the Expert thinks,
// and while the reply of each strength glides: the ones on the person's
// position wait for the person, New Game and Exit run at once (Exit
// answered No here), and afterwards the game always goes on.
TEST_F(ComputerTurnTest, EveryCommandDuringThinkingOrAGlideLeavesAGameThatGoesOn)
{
    struct Case {
        bool glide;
        int strength;
    };
    const Case cases[] = {{false, Expert}, {true, Beginner}, {true, Standard}, {true, Expert}};
    const int commands[] = {command::Undo, command::Redo,    command::Hint,
                            command::SaveGame, command::NewGame, command::Exit};
    for (const Case& c : cases) {
        for (const int id : commands) {
            SCOPED_TRACE(::testing::Message() << (c.glide ? "glide of " : "thinking of ") << c.strength
                                              << ", command " << id);
            startAgainst(c.strength);
            bool ran = false, inPhase = false;
            auto* watch = new QTimer(window.get());
            QObject::connect(watch, &QTimer::timeout, window.get(), [&, watch, id, c] {
                const bool moving = window->shows().moving();
                const bool thinking = window->game().computersPlaying() && !moving
                                      && window->statusPrompt().shown() == prompt::ComputerThinking;
                if (c.glide ? !moving : !thinking)
                    return;
                watch->stop();
                watch->deleteLater();
                inPhase = true;
                if (id == command::NewGame) {
                    answerNextBox(QMessageBox::Yes); // the game in progress is given up
                    auto* sheet = new QTimer;
                    QObject::connect(sheet, &QTimer::timeout, [sheet] {
                        auto* open = QApplication::activeModalWidget();
                        auto* buttons = open ? open->findChild<QDialogButtonBox*>() : nullptr;
                        if (!buttons || open->inherits("QMessageBox"))
                            return;
                        sheet->stop();
                        sheet->deleteLater();
                        buttons->button(QDialogButtonBox::Ok)->click();
                    });
                    sheet->start(10);
                }
                if (id == command::Exit)
                    answerNextBox(QMessageBox::No);
                window->runCommand(id);
                ran = true;
            });
            watch->start(1);
            drag(111, 103);
            ASSERT_TRUE(tavolux::testing::eventually([&] { return ran; }, 20000));
            EXPECT_TRUE(inPhase);
            ASSERT_TRUE(waitForPerson(20000)) << "the game goes on";
            EXPECT_TRUE(window->isVisible());
            if (id == command::NewGame) {
                EXPECT_TRUE(window->game().moveList().moves().empty()) << "a new game, untouched by the reply";
            }
            EXPECT_TRUE(tavolux::testing::eventually([&] { return !window->shows().showing(); }));
            EXPECT_TRUE(moveAnyPiece()) << "the person moves";
        }
    }
}

// Exit answered Yes while the Expert thinks: the window closes and its
// choice moves nothing any more.
TEST_F(ComputerTurnTest, ExitWhileTheExpertThinksStopsTheGame)
{
    startAgainst(Expert);
    drag(111, 103);
    ASSERT_TRUE(window->game().computersPlaying());
    const Position after = window->game().state().pieces;
    answerNextBox(QMessageBox::Yes);
    window->runCommand(command::Exit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->game().computersPlaying());
    QTest::qWait(500);
    EXPECT_EQ(window->game().state().pieces, after) << "the stopped choice moved nothing";
}

// Closes every box and dialog the window opens, noting the referee's
// first two lines while each was up.
class DialogCloser {
public:
    explicit DialogCloser(const std::function<QString(int)>& referee) : referee_(referee)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (open == nullptr)
                return;
            seen.append(referee_(0) + QLatin1Char('/') + referee_(1));
            open->done(QDialog::Accepted);
        });
        timer_.start(10);
    }
    QStringList seen;

private:
    std::function<QString(int)> referee_;
    QTimer timer_;
};

// A computer's move ends the game: the referee says the game is over while
// the finishing box and the results are shown, not that the computer is
// still thinking. A game loaded afterwards, a person to move, is named.
TEST_F(ComputerTurnTest, TheRefereeTellsHowTheGameStandsWhenAComputersMoveEndsIt)
{
    startGame(0, 3, 3);
    GameState nearlyHome = window->game().state();
    nearlyHome.slots[2].active = 0;
    placeStartingPieces(nearlyHome);
    for (int k = 0; k < 9; ++k)
        nearlyHome.pieces[k].hole = static_cast<uint16_t>(k); // the tip but hole 9
    nearlyHome.pieces[9].hole = 17;                           // a step from hole 9
    const GameState later = [&] {
        GameState g = window->game().state();
        g.playerToMove = 1;
        return g;
    }();
    DialogCloser closer([this](int line) { return refereeLine(line); });
    window->game().load(nearlyHome);
    ASSERT_TRUE(tavolux::testing::eventually([&] { return window->game().state().gameOver != 0; }));
    ASSERT_TRUE(tavolux::testing::eventually([&] { return closer.seen.size() >= 2; }));
    const QString over = QStringLiteral("GAME OVER/Please select new");
    EXPECT_EQ(closer.seen, QStringList({over, over})) << "behind the finishing box and the results";
    EXPECT_EQ(refereeLine(0), QStringLiteral("GAME OVER"));

    window->game().load(later);
    EXPECT_EQ(refereeLine(0), QString::fromStdString(later.slots[1].name));
    EXPECT_EQ(refereeLine(1), QStringLiteral("Move mouse to one")) << "the person is told to move";
}

} // namespace
