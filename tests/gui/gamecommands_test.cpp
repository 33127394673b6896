// The game's commands through the main window's own handlers: Undo and
// Redo around the computers' replies, Save and Load with a scripted file
// chooser, the valid-move flash from the board's piece menu, and Change
// Options.

#include "app/boardshows.h"
#include "app/commands.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/resultsdialog.h"
#include "dialogs/setupsheet.h"
#include "model/savefile.h"
#include "model/board.h"
#include "tests/support/window_fixture.h"
#include "view/colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace tavolux;

namespace {

void answer(QWidget* box, QMessageBox::StandardButton button)
{
    auto* question = qobject_cast<QMessageBox*>(box);
    ASSERT_NE(question, nullptr);
    question->button(button)->click();
}

using tavolux::testing::whenOpen;

class GameCommandsTest : public tavolux::testing::WindowPlayTest {
protected:
    void SetUp() override
    {
        WindowPlayTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath("game.tvx");
        window->useFileChooser(std::make_unique<tavolux::testing::ScriptedChooser>(path));
    }

    QColor shownAt(int hole) const { return window->canvas()->grab().toImage().pixelColor(holePoint(hole)); }

    QTemporaryDir folder;
    QString path;
};

// One Undo takes back the person's move and the computers' replies to it.
// Ctrl+Z and Ctrl+S typed while the computers are still answering wait:
// they take effect once the person is to move again.
TEST_F(GameCommandsTest, UndoAndSaveTypedDuringTheRepliesWaitForThePerson)
{
    startGame(3, 0, 0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto start = window->game().state().pieces;
    drag(111, 103);
    ASSERT_TRUE(window->game().computersPlaying());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(piece(0).hole, 103) << "nothing is taken back between two computer turns";
    EXPECT_FALSE(QFile::exists(path)) << "nor saved";

    ASSERT_TRUE(waitForPerson());
    QTest::qWait(50);
    GameState saved = initialGameState();
    ASSERT_EQ(loadGameFile(path.toStdString(), saved), LoadStatus::Loaded) << "saved once the person was to move";
    EXPECT_EQ(saved.playerToMove, 0);
    EXPECT_NE(saved.pieces, start) << "with the computers' replies";
    EXPECT_EQ(window->game().state().pieces, start) << "then the move and the replies were taken back";
    EXPECT_EQ(window->game().state().playerToMove, 0);
    EXPECT_FALSE(window->game().computersPlaying()) << "the same person stays to move";
    EXPECT_FALSE(window->commandEnabled(command::Undo));

    ASSERT_TRUE(window->runCommand(command::Redo));
    EXPECT_EQ(window->game().state().pieces, saved.pieces);
    EXPECT_FALSE(window->commandEnabled(command::Redo));
}

// Every box that waits for a click shows its text as typed (a name is
// never read as markup), answers Yes to Enter, and shows the normal
// pointer even while the computer is busy.
TEST_F(GameCommandsTest, BoxesArePlainTextWithYesFirstAndTheNormalPointer)
{
    struct Seen {
        Qt::TextFormat format = Qt::AutoText;
        QString text;
        bool yesIsDefault = false;
        Qt::CursorShape pointer = Qt::BlankCursor;
    } seen;
    auto look = [&seen](QMessageBox::StandardButton button) {
        whenOpen([&seen, button](QWidget* open) {
            auto* box = qobject_cast<QMessageBox*>(open);
            ASSERT_NE(box, nullptr);
            seen = {box->textFormat(), box->text(), box->defaultButton() == box->button(QMessageBox::Yes),
                    QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor};
            box->button(button)->click();
        });
    };
    loadEdited([](GameState& s) { s.slots[0].name = "<u>Bob"; });
    window->events().setBusy(true);
    look(QMessageBox::Yes);
    window->events().askPlayOn(0);
    ASSERT_TRUE(tavolux::testing::eventually([&] { return !seen.text.isEmpty(); }));
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, QStringLiteral("Player #1, \"<u>Bob\",\nhas moved all the pieces to destination!!!\n\n"
                                        "But there are still 2 players left.\nDo you want to continue the game?"));
    EXPECT_TRUE(seen.yesIsDefault);
    EXPECT_EQ(seen.pointer, Qt::ArrowCursor) << "no wait cursor over a box";
    window->events().setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    look(QMessageBox::No);
    window->close();
    EXPECT_TRUE(seen.yesIsDefault) << "the exit question answers Yes to Enter";
    EXPECT_EQ(seen.text, QStringLiteral("Do you really want to exit the game?"));
    EXPECT_TRUE(window->isVisible());
}

// While a menu holds the next computer turn, the referee names the player
// to move, as the panel and the status line do.
TEST_F(GameCommandsTest, TheRefereeNamesThePlayerToMoveWhileATurnIsHeld)
{
    startGame(3, 0, 0);
    QMenu menu;
    menu.addAction(QStringLiteral("held"));
    drag(111, 103);
    ASSERT_TRUE(window->game().computersPlaying());
    menu.popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return refereeLine(1).isEmpty(); }, 2000));
    const GameState& s = window->game().state();
    EXPECT_EQ(refereeLine(0), QString::fromStdString(s.slots[s.playerToMove].name));
    EXPECT_TRUE(window->game().computersPlaying()) << "the turn is still held";
    menu.close();
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(refereeLine(1), QStringLiteral("Move mouse to one"));
}

// A refused drop names its reason in the status line.
TEST_F(GameCommandsTest, ARefusedDropSaysWhy)
{
    startGame(3, 1, 1);
    auto status = [this] { return window->findChild<QLabel*>(QStringLiteral("statusPane"))->text(); };
    drag(111, 112);
    EXPECT_EQ(status(), QStringLiteral("That hole is taken."));
    drag(111, 60);
    EXPECT_EQ(status(), QStringLiteral("The piece cannot reach that hole in one move."));
    window->showPrompt(prompt::Ready);
    EXPECT_EQ(status(), QStringLiteral("Ready.")) << "a prompt replaces the notice";
    EXPECT_EQ(window->game().state().playerToMove, 0);
}

// A window made larger while the hint flashes shows the board at its new
// size at once, not the old picture beside a black band.
TEST_F(GameCommandsTest, AResizeDuringAFlashRedrawsTheHeldPicture)
{
    startGame(3, 0, 0);
    QImage during;
    QTimer::singleShot(200, window.get(), [this] { window->resize(window->width() + 200, window->height() + 120); });
    QTimer::singleShot(500, window.get(), [this, &during] { during = window->canvas()->grab().toImage(); });
    ASSERT_TRUE(window->runCommand(command::Hint));
    ASSERT_TRUE(tavolux::testing::eventually([&] { return !during.isNull(); }));
    const QPoint corner(during.width() - 30, during.height() - 30);
    EXPECT_NE(during.pixelColor(corner), QColor(Qt::black)) << "the new part of the window is drawn";
}

TEST_F(GameCommandsTest, SavedGameComesBackThroughLoadAfterTheAbandonQuestion)
{
    startGame(3, 2, 1);
    drag(111, 103);
    ASSERT_TRUE(waitForPerson());
    ASSERT_TRUE(window->runCommand(command::SaveGame));
    const GameState saved = window->game().state();

    ASSERT_TRUE(moveAnyPiece(1)); // a change that the load must undo
    ASSERT_TRUE(waitForPerson());
    const Position changed = window->game().state().pieces;
    ASSERT_NE(changed, saved.pieces);
    whenOpen([](QWidget* box) { answer(box, QMessageBox::No); });
    ASSERT_TRUE(window->runCommand(command::LoadGame));
    EXPECT_EQ(window->game().state().pieces, changed) << "No keeps the game";
    EXPECT_TRUE(window->commandEnabled(command::Undo));

    whenOpen([](QWidget* box) { answer(box, QMessageBox::Yes); });
    ASSERT_TRUE(window->runCommand(command::LoadGame));
    EXPECT_EQ(window->game().state().pieces, saved.pieces);
    EXPECT_EQ(window->game().state().playerToMove, saved.playerToMove);
    EXPECT_FALSE(window->commandEnabled(command::Undo)) << "the history starts again";
}

// A shortcut typed while a piece is dragged: the piece goes back first, so
// the saved game holds it on its hole.
TEST_F(GameCommandsTest, ACommandDuringADragPutsThePieceBackFirst)
{
    startGame(3, 2, 1);
    press(holePoint(111));
    ASSERT_TRUE(window->boardMouse()->dragging());
    ASSERT_TRUE(window->runCommand(command::SaveGame));
    EXPECT_FALSE(window->boardMouse()->dragging());
    GameState saved;
    ASSERT_EQ(loadGameFile(path.toStdString(), saved), LoadStatus::Loaded);
    EXPECT_EQ(saved.pieces[0].hole, 111);
    EXPECT_EQ(saved.pieces[0].owner, OwnerMark[0]);
    release(holePoint(103));
    EXPECT_EQ(window->game().state().pieces[0].hole, 111) << "the release moves nothing";
}

// A file whose player to move is a computer: the computers play on after
// the load until a person is to move.
TEST_F(GameCommandsTest, LoadedGameWithAComputerToMoveGoesOn)
{
    GameState s;
    const uint16_t pictures[3] = {0, 3, 0};
    for (int p = 0; p < DesignSeatCount; ++p)
        s.slots[p].picture = pictures[p];
    s.noGameStarted = 0;
    placeStartingPieces(s);
    ASSERT_TRUE(saveGameFile(path.toStdString(), s));

    ASSERT_TRUE(window->runCommand(command::LoadGame));
    EXPECT_TRUE(window->game().computersPlaying());
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(window->game().state().playerToMove, 1);
    EXPECT_NE(window->game().state().pieces, s.pieces) << "the first computer has moved";
}

TEST_F(GameCommandsTest, PieceMenuFlashesTheDestinationsAndChangesNothing)
{
    startGame(3, 2, 1);
    const GameState before = window->game().state();
    const QPoint other = holePoint(StartHoles[1][0]);
    mouse(QEvent::MouseButtonPress, other, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu over another player's piece";
    mouse(QEvent::MouseButtonRelease, other, Qt::RightButton, Qt::NoButton);

    QString menuName;
    QColor during;
    whenOpen([&](QWidget* menu) {
        menuName = menu->objectName();
        QTimer::singleShot(500, [&] { during = shownAt(103); });
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QColor empty = shownAt(103);
    mouse(QEvent::MouseButtonPress, holePoint(111), Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, holePoint(111), Qt::RightButton, Qt::NoButton);

    EXPECT_EQ(menuName, "pieceMenu");
    ASSERT_TRUE(tavolux::testing::eventually([&] { return during.isValid(); }));
    EXPECT_EQ(during, colours::ValidMove) << "a blue disc on a destination";
    ASSERT_TRUE(tavolux::testing::eventually([&] { return !window->shows().showing(); }));
    window->canvas()->repaint();
    EXPECT_EQ(shownAt(103), empty) << "the board is shown as it is after the flash";
    EXPECT_EQ(window->game().state().pieces, before.pieces);

    QString told;
    whenOpen([&](QWidget* box) {
        told = qobject_cast<QMessageBox*>(box)->text();
        answer(box, QMessageBox::Ok);
    });
    ASSERT_TRUE(window->runCommand(command::ShowValidMoves));
    EXPECT_EQ(told, "Click right mouse button on the piece\nthat you wish to show all valid moves.");
}

TEST_F(GameCommandsTest, ChangeOptionsWritesOnOkAndKeepsTheWallpaperOnCancel)
{
    startGame(3, 2, 1);
    const int wallpaper = window->wallpaperIndex();
    const uint16_t sound = window->game().state().soundEnabled;
    whenOpen([](QWidget* dialog) {
        ASSERT_NE(qobject_cast<OptionsDialog*>(dialog), nullptr);
        dialog->findChild<QPushButton*>("wallpaperDownButton")->click();
        dialog->findChild<QCheckBox*>("soundCheck")->click();
        dialog->findChild<QPushButton*>("cancelButton")->click();
    });
    ASSERT_TRUE(window->runCommand(command::ChangeOptions));
    EXPECT_NE(window->wallpaperIndex(), wallpaper);
    EXPECT_EQ(window->game().state().soundEnabled, sound);

    whenOpen([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("soundCheck")->click();
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    ASSERT_TRUE(window->runCommand(command::ChangeOptions));
    EXPECT_NE(window->game().state().soundEnabled, sound);
}

} // namespace

// After a finished game New Game offers the players of the game on the
// board: a computer's strength and styles come back as they were, like its
// name and picture, and OK keeps them.
TEST_F(GameCommandsTest, NewGameAfterAFinishedGameOffersItsStrengthsAndStyles)
{
    startGame(3, 0, 0, [](GameState& chosen) {
        chosen.slots[1].name = "Deep";
        chosen.slots[1].strength = Expert;
        chosen.slots[1].styleTowardLower = Friendly;
        chosen.slots[2].strength = Beginner;
    });
    const GameState& s = window->game().state();
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(box->buttons().size() == 1           ? QMessageBox::Ok
                        : box->windowTitle() == "New Game" ? QMessageBox::Yes // abandon it
                                                           : QMessageBox::No) // play on? no
                ->click();
        else if (auto* results = qobject_cast<ResultsDialog*>(modal))
            results->accept();
    });
    answers.start(10);
    loadEdited([](GameState& record) {
        int k = 0; // player 1's pieces all home, player 2 to move: the game ends
        for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
            if (holeDistance(h, TargetApex[0]) <= 3)
                record.pieces[k++].hole = static_cast<uint16_t>(h);
        record.playerToMove = 1;
    });
    ASSERT_TRUE(tavolux::testing::eventually([&] { return s.gameOver != 0; }));

    QStringList shown;
    QObject::connect(&answers, &QTimer::timeout, [&shown] {
        auto* sheet = qobject_cast<SetupSheet*>(QApplication::activeModalWidget());
        if (sheet == nullptr)
            return;
        auto* tabs = sheet->findChild<QTabWidget*>("setupTabs");
        for (int page = 2; page <= 3; ++page) {
            tabs->setCurrentIndex(page);
            for (const char* list : {"strength", "styleLower"})
                shown << tabs->widget(page)->findChild<QComboBox*>(list)->currentText();
        }
        shown << tabs->widget(2)->findChild<QLineEdit*>("nameEdit")->text();
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    for (int round = 0; round < 2; ++round) {
        shown.clear();
        ASSERT_TRUE(window->runCommand(command::NewGame));
        EXPECT_EQ(shown, QStringList({"Expert", "Friendly", "Beginner", "Hostile", "Deep"})) << "round " << round;
    }
}

// Statistics count a game as given up only once a move was made in it, and
// Exit counts it as New Game does.
TEST_F(GameCommandsTest, ExitAndNewGameGiveUpOnlyAGameSomebodyMovedIn)
{
    const auto newGame = [this] {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer] {
            auto* sheet = qobject_cast<SetupSheet*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            timer->stop();
            timer->deleteLater();
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        timer->start(10);
        return window->runCommand(command::NewGame);
    };
    const auto exitGame = [this] {
        tavolux::testing::answerNextBox(QMessageBox::Yes);
        window->close();
        EXPECT_FALSE(window->isVisible());
        window->show();
    };
    StatisticsKeeper& kept = window->statistics();
    kept.clear();
    ASSERT_TRUE(newGame());
    tavolux::testing::answerNextBox(QMessageBox::Yes); // the game in progress may be abandoned
    ASSERT_TRUE(newGame());
    ASSERT_TRUE(waitForPerson());
    exitGame();
    EXPECT_TRUE(kept.statistics().empty());

    tavolux::testing::answerNextBox(QMessageBox::Yes);
    ASSERT_TRUE(newGame());
    ASSERT_TRUE(waitForPerson());
    drag(111, 103);
    ASSERT_TRUE(waitForPerson());
    exitGame();
    const Statistics after = StatisticsFile(kept.path()).read().statistics;
    ASSERT_EQ(after.withPersons.size(), 3u);
    for (const auto& [player, figures] : after.withPersons)
        EXPECT_EQ(figures, (PlayerFigures{0, {}, 1})) << player.name;
}
