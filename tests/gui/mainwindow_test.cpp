// The main window's menus, status-line prompts, item states, keys, exit
// question, layout and rotate buttons.

#include "app/commands.h"
#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/prompttable.h"
#include "app/rotatebutton.h"
#include "app/soundplayer.h"
#include "view/windowcanvas.h"
#include "tests/support/game_edits.h"
#include "tests/support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = new ProgramResources(ProgramResources::load()); }
    static void TearDownTestSuite() { delete resources; }

    void SetUp() override
    {
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QMenu* menu(int index) const { return window->menuBar()->actions().at(index)->menu(); }

    QString statusText() const { return window->findChild<QLabel*>("statusPane")->text(); }

    void openMenu(QMenu* m) { Q_EMIT m->aboutToShow(); }

    static inline ProgramResources* resources = nullptr;
    SoundPlayer sounds;
    std::unique_ptr<MainWindow> window;
};

using tavolux::testing::answerNextBox;
using tavolux::testing::BoxSeen;

QStringList itemTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

TEST_F(MainWindowTest, MenusHoldEveryItemInOrder)
{
    QStringList titles;
    for (QAction* action : window->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"&Game", "&Move", "&View", "&Help"}));
    // The designed items keep their order; the game records and statistics
    // come before Exit's separator, and Exit ends the menu.
    EXPECT_EQ(itemTexts(menu(0)), QStringList({"&New Game", "&Load Game", "-", "&Save Game", "&Change Options", "-",
                                               "Save Game &Record...", "&Open Game Record...", "S&tatistics...", "-",
                                               "E&xit"}));
    EXPECT_EQ(menu(0)->actions().constLast(), window->commandAction(command::Exit));
    EXPECT_EQ(itemTexts(menu(1)), QStringList({"&Undo", "&Redo", "-", "&Show Valid Moves", "&Hint"}));
    EXPECT_EQ(itemTexts(menu(2)),
              QStringList({"&Referee", "Show &Last Moves", "-", "&Default Settings", "-", "&Move List", "-",
                           "Show Des&tinations", "&Piece Symbols"}));
    EXPECT_EQ(itemTexts(menu(3)), QStringList({"&Playing Rules", "-", "&About Tavolux"}));
    for (int m = 0; m < 4; ++m) {
        for (QAction* action : menu(m)->actions()) {
            if (action->isSeparator())
                continue;
            EXPECT_FALSE(promptText(action->data().toInt()).isEmpty()) << action->text().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ItemsWithoutAHandlerAreDisabled)
{
    QAction* newGame = window->commandAction(command::NewGame);
    QAction* about = window->commandAction(command::About);
    window->setCommandHandler(command::NewGame, {});
    window->setCommandHandler(command::About, {});
    openMenu(menu(0));
    openMenu(menu(3));
    EXPECT_FALSE(newGame->isEnabled());
    EXPECT_FALSE(about->isEnabled());
    EXPECT_TRUE(window->commandAction(command::Exit)->isEnabled());

    int ran = 0;
    window->setCommandHandler(command::About, [&] { ++ran; });
    openMenu(menu(3));
    EXPECT_TRUE(about->isEnabled());
    about->trigger();
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(window->runCommand(command::NewGame));
}

TEST_F(MainWindowTest, UndoAndRedoFollowTheHistory)
{
    Game& game = window->game();
    QAction* undo = window->commandAction(command::Undo);
    QAction* redo = window->commandAction(command::Redo);

    openMenu(menu(1));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_FALSE(window->runCommand(command::Undo)) << "a disabled item does nothing, even by shortcut";

    GameState persons = game.state();
    for (PlayerSlot& slot : persons.slots)
        slot.picture = 1;
    game.startGame(persons);
    ASSERT_TRUE(tavolux::testing::eventually([&] { return game.waitingForPerson(); }));
    ASSERT_TRUE(game.moveByHand(0, 103));
    ASSERT_TRUE(tavolux::testing::eventually([&] { return game.waitingForPerson(); }));
    openMenu(menu(1));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    EXPECT_TRUE(window->runCommand(command::Undo));
    openMenu(menu(1));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
}

TEST_F(MainWindowTest, RefereeItemIsCheckedOnlyWhileTheRefereeShows)
{
    QAction* referee = window->commandAction(command::Referee);
    EXPECT_TRUE(referee->isCheckable());
    openMenu(menu(2));
    const bool shown = referee->isChecked();
    ASSERT_TRUE(window->runCommand(command::Referee));
    openMenu(menu(2));
    EXPECT_NE(referee->isChecked(), shown);
    window->runCommand(command::Referee);
    openMenu(menu(2));
    EXPECT_EQ(referee->isChecked(), shown);
}

TEST_F(MainWindowTest, StatusLineFollowsTheMenuHighlight)
{
    EXPECT_EQ(statusText(), "Ready.");
    QMenu* game = menu(0);
    openMenu(game);
    const QList<QAction*> items = game->actions();
    Q_EMIT game->hovered(items.at(1));
    EXPECT_EQ(statusText(), "Open a previously saved game.");
    Q_EMIT game->hovered(items.at(2)); // separator
    EXPECT_EQ(statusText(), "Open a previously saved game.");
    Q_EMIT window->menuBar()->hovered(window->menuBar()->actions().at(1)); // a popup title
    EXPECT_EQ(statusText(), "Open a previously saved game.");
    Q_EMIT game->hovered(items.constLast());
    EXPECT_EQ(statusText(), "Exit Tavolux.");
    Q_EMIT game->aboutToHide();
    EXPECT_EQ(statusText(), "Ready.");
}

TEST_F(MainWindowTest, ShowPromptReturnsThePreviousIdAndKeepsTextForUnknownIds)
{
    EXPECT_EQ(window->showPrompt(prompt::ComputerThinking), prompt::Ready);
    EXPECT_EQ(statusText(), "Computer AI is thinking...");
    EXPECT_EQ(window->showPrompt(12345), prompt::ComputerThinking);
    EXPECT_EQ(statusText(), "Computer AI is thinking...");
    EXPECT_EQ(window->showPrompt(prompt::None), 12345);
    EXPECT_EQ(statusText(), "Computer AI is thinking...");

    window->showPrompt(prompt::BoardRepositioning);
    EXPECT_EQ(statusText(), "Board re-position is in progress...");
    window->events().computerMoved(1);
    EXPECT_EQ(statusText(), "Ready.") << "a computer's turn over";
}

// With no ring on the board and no piece in the hand, Escape and Enter
// change nothing: no piece is lifted, no command runs, no box opens.
TEST_F(MainWindowTest, EscapeAndEnterDoNothing)
{
    tavolux::testing::loadEdited(window->game(), [](GameState& s) {
        s.noGameStarted = 0;
        placeStartingPieces(s);
        s.slots[0].picture = 1;
    });
    const GameState& s = window->game().state();
    const GameState before = s;
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(window.get(), key);
        QApplication::processEvents();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(s.pieces, before.pieces);
        EXPECT_EQ(s.playerToMove, before.playerToMove);
    }
}

TEST_F(MainWindowTest, ClosingAsksAndNoKeepsTheWindow)
{
    QSignalSpy confirmed(window.get(), &MainWindow::exitConfirmed);
    BoxSeen answer;
    answerNextBox(QMessageBox::No, &answer);
    window->close();
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(answer.title, "Exit Game");
    EXPECT_EQ(answer.text, "Do you really want to exit the game?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(confirmed.count(), 0);
}

TEST_F(MainWindowTest, ExitItemAsksAndYesCloses)
{
    QSignalSpy confirmed(window.get(), &MainWindow::exitConfirmed);
    BoxSeen answer;
    answerNextBox(QMessageBox::Yes, &answer);
    window->commandAction(command::Exit)->trigger();
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(answer.title, "Exit Game");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(confirmed.count(), 1);
}

TEST_F(MainWindowTest, LayoutFollowsTheClientAreaAboveTheStatusBar)
{
    window->resize(780, 560);
    const WindowCanvas* canvas = window->canvas();
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas->width() == 780; }));
    EXPECT_LE(canvas->geometry().bottom(), window->statusBar()->geometry().top());
    const MainLayout& m = window->mainLayout();
    const MainLayout expected = computeMainLayout(canvas->width(), canvas->height());
    EXPECT_EQ(m.clientWidth, 780);
    EXPECT_EQ(m.clientHeight, canvas->height());
    EXPECT_EQ(m.boardWidth, expected.boardWidth);
    EXPECT_EQ(m.rowPitch, expected.rowPitch);
    EXPECT_EQ(window->boardView().width, static_cast<int>(0.6 * 780));
    EXPECT_EQ(window->boardView().originY, static_cast<int>(0.025 * canvas->height()));

    EXPECT_EQ(window->rotateButton(true)->geometry(),
              QRect(m.clockwiseButtonX, m.buttonTop, m.buttonWidth, m.buttonHeight));
    EXPECT_EQ(window->rotateButton(false)->geometry(),
              QRect(m.counterClockwiseButtonX, m.buttonTop, m.buttonWidth, m.buttonHeight));
}

TEST_F(MainWindowTest, CannotBeMadeSmallerThanHalfTheScreen)
{
    const QSize screen = window->screen()->size();
    const WindowSize minimum =
        minimumWindowSize(screen.width(), screen.height(), window->menuBar()->sizeHint().height());
    window->resize(10, 10);
    (void)QTest::qWaitFor([&] { return window->width() == minimum.width; });
    EXPECT_EQ(window->width(), minimum.width);
    EXPECT_EQ(window->height(), minimum.height);
}

TEST_F(MainWindowTest, RotateButtonsHaveTipsAndTurnOnlyOnceTheirHandlerExists)
{
    RotateButton* clockwise = window->rotateButton(true);
    RotateButton* counter = window->rotateButton(false);
    EXPECT_EQ(clockwise->toolTip(), "Rotate clockwise");
    EXPECT_EQ(counter->toolTip(), "Rotate counter-clockwise");
    EXPECT_EQ(clockwise->focusPolicy(), Qt::NoFocus);

    const GameState& state = window->game().state();
    window->setCommandHandler(command::RotateClockwise, {});
    QTest::mouseClick(clockwise, Qt::LeftButton);
    EXPECT_EQ(state.boardRotation, 0);

    // Turned without animation here; the buttons only pass their command on.
    auto turn = [&](bool cw) { window->game().setBoardRotation(stepRotation(state.boardRotation, cw)); };
    window->setCommandHandler(command::RotateClockwise, [&] { turn(true); });
    window->setCommandHandler(command::RotateCounterClockwise, [&] { turn(false); });
    QTest::mouseClick(clockwise, Qt::LeftButton);
    EXPECT_EQ(state.boardRotation, 5);
    QTest::mouseClick(counter, Qt::LeftButton);
    QTest::mouseClick(counter, Qt::LeftButton);
    EXPECT_EQ(state.boardRotation, 1);
    EXPECT_DOUBLE_EQ(window->boardView().rotation, ViewStep);
}

TEST_F(MainWindowTest, NewViewIsLaidOutAndPainted)
{
    window->game().setBoardRotation(2);
    const BoardView& view = window->boardView();
    EXPECT_GT(view.holeScreen[10].y, view.holeScreen[120].y) << "player 2's tip comes to the bottom";

    tavolux::testing::loadEdited(window->game(), [](GameState& s) {
        s.noGameStarted = 0;
        placeStartingPieces(s);
    });
    window->repaint();
    const QImage shot = window->canvas()->grab().toImage();
    // Beside the piece's symbol, in the piece's colour.
    const QPoint tip(view.originX + view.holeScreen[10].x + view.pieceRadiusX * 3 / 4,
                     view.originY + view.holeScreen[10].y);
    EXPECT_EQ(shot.pixelColor(tip * shot.devicePixelRatio()), QColor(0, 255, 255));
}
