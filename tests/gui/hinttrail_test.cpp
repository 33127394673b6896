// A person's helpers in the main window: the hint (when it may be asked, what
// it shows and for how long, and a person without moves), and the last moves
// on the board (after the computers' replies, gone at a pick-up, cleared by
// Undo, Redo, New Game and Load Game, the View item and its setting kept
// between runs).

#include "ai/hint.h"
#include "app/commands.h"
#include "dialogs/setupsheet.h"
#include "model/savefile.h"
#include "view/boardflash.h"
#include "view/colours.h"
#include "view/hintflash.h"
#include "view/piecelift.h"
#include "view/validmoves.h"
#include "tests/support/walled_in.h"
#include "tests/support/window_fixture.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace tavolux;

namespace {

using tavolux::testing::answerNextBox;

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= 60;
}

class HelpersTest : public tavolux::testing::WindowPlayTest {
protected:
    void openWindow() { SetUp(); }
    void closeWindow()
    {
        loadEdited([](GameState& s) { s.noGameStarted = 1; }); // no abandon question
        answerNextBox(QMessageBox::Yes);
        window->close();
        window.reset();
    }

    Game& game() { return window->game(); }

    // A point on the ring that marks a move's start hole.
    QPoint ringPoint(int hole) const
    {
        const BoardView& v = window->boardView();
        const double width = std::max(3.0, std::min(v.pieceRadiusX, v.pieceRadiusY) / 4.0);
        return holePoint(hole) + QPoint(int(std::lround(v.holeRadiusX - width / 2)), 0);
    }
    QColor shown(QPoint at) { return window->canvas()->picture().toImage().pixelColor(at); }

    std::vector<PlayedMove> trail() const { return window->lastMoves().shownFor(window->game().state()); }

    // The person moves 111 -> 103 and both computers reply.
    void moveAndWaitForReplies()
    {
        startGame(3, 0, 0);
        game().setAnimationSpeed(1);
        drag(111, 103);
        ASSERT_TRUE(waitForPerson());
        window->canvas()->repaint();
    }
};

TEST_F(HelpersTest, TheTrailShowsBothRepliesUntilThePersonPicksUpAPiece)
{
    moveAndWaitForReplies();
    const GameState& s = game().state();
    const std::vector<PlayedMove> moves = trail();
    ASSERT_EQ(moves.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const PlayedMove& m = moves[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(m.player, i + 1) << "the computers in turn order";
        ASSERT_FALSE(m.path.empty());
        int moved = NoPiece;
        for (int k = 0; k < PieceCount; ++k)
            if (s.pieces[k].hole == m.path.back())
                moved = k;
        ASSERT_NE(moved, NoPiece);
        EXPECT_EQ(s.pieces[moved].owner, OwnerMark[m.player]) << "the mover's piece stands on the destination";
        EXPECT_TRUE(near(shown(ringPoint(m.start)), colours::player(m.player)))
            << "a ring in the mover's colour on the start hole";
    }

    // The board turn draws its frames with the trail: the picture, held so
    // that no paint composes it anew, shows the rings where the turn left
    // the start holes.
    window->canvas()->holdPicture(true);
    ASSERT_TRUE(window->runCommand(command::RotateClockwise));
    ASSERT_TRUE(tavolux::testing::eventually([&] { return game().state().boardRotation == 5; }));
    for (const PlayedMove& m : moves)
        EXPECT_TRUE(near(shown(ringPoint(m.start)), colours::player(m.player))) << "turned, move of " << m.player;
    window->canvas()->holdPicture(false);

    // Picking up a piece takes the trail away, before the board is drawn
    // behind the piece; putting the piece back does not bring it back.
    press(holePoint(112));
    ASSERT_TRUE(window->boardMouse()->dragging());
    EXPECT_TRUE(trail().empty());
    EXPECT_FALSE(near(shown(ringPoint(moves[0].start)), colours::player(1)));
    release(holePoint(112));
    window->canvas()->repaint();
    EXPECT_TRUE(trail().empty());
    EXPECT_FALSE(near(shown(ringPoint(moves[1].start)), colours::player(2)));

    // The next move brings the next replies; a piece taken up with the
    // keys takes them away as the mouse does.
    drag(112, 104);
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(trail().size(), 2u);
    QTest::keyClick(window.get(), Qt::Key_Up);
    QTest::keyClick(window.get(), Qt::Key_Space);
    ASSERT_TRUE(window->boardMouse()->lift().lifted());
    EXPECT_TRUE(trail().empty());
    QTest::keyClick(window.get(), Qt::Key_Escape);
}

TEST_F(HelpersTest, UndoRedoNewGameAndLoadGameClearTheTrail)
{
    moveAndWaitForReplies();
    ASSERT_EQ(trail().size(), 2u);
    ASSERT_TRUE(window->runCommand(command::Undo));
    EXPECT_TRUE(trail().empty());
    window->canvas()->repaint();
    EXPECT_EQ(shown(piecePoint(111)), colours::player(0)) << "the position before the person's move";

    // Redo sets the pieces anew: no trail either.
    ASSERT_TRUE(window->runCommand(command::Redo));
    EXPECT_TRUE(trail().empty());
    window->canvas()->repaint();
    EXPECT_NE(shown(piecePoint(111)), colours::player(0)) << "the position after the person's move";

    // Load Game.
    drag(112, 104);
    ASSERT_TRUE(waitForPerson());
    ASSERT_EQ(trail().size(), 2u);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("game.tvx"));
    ASSERT_TRUE(saveGameFile(file.toStdString(), game().state()));
    ASSERT_TRUE(window->openGameFile(file));
    EXPECT_TRUE(trail().empty());
    ASSERT_TRUE(waitForPerson());

    // New Game through the abandon question and the setup sheet.
    drag(113, 105);
    ASSERT_TRUE(waitForPerson());
    ASSERT_EQ(trail().size(), 2u);
    answerNextBox(QMessageBox::Yes);
    QTimer::singleShot(300, [] {
        auto* sheet = qobject_cast<SetupSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(window->runCommand(command::NewGame));
    EXPECT_TRUE(trail().empty());
    EXPECT_EQ(game().state().pieces[0].hole, StartHoles[0][0]);
}

TEST_F(HelpersTest, TheViewItemHidesTheTrailAndIsRememberedBetweenRuns)
{
    QAction* item = window->commandAction(command::ShowLastMoves);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_TRUE(window->lastMovesShown()) << "on by default";
    window->updateAllItemStates();
    EXPECT_TRUE(item->isChecked());

    moveAndWaitForReplies();
    const PlayedMove first = trail().front();
    ASSERT_TRUE(window->runCommand(command::ShowLastMoves));
    EXPECT_FALSE(item->isChecked());
    window->canvas()->repaint();
    EXPECT_FALSE(near(shown(ringPoint(first.start)), colours::player(first.player)));
    EXPECT_EQ(trail().size(), 2u) << "the moves are still kept";

    closeWindow();
    openWindow();
    EXPECT_FALSE(window->lastMovesShown());
    window->updateAllItemStates();
    EXPECT_FALSE(window->commandAction(command::ShowLastMoves)->isChecked());
    ASSERT_TRUE(window->runCommand(command::ShowLastMoves));
    closeWindow();
    openWindow();
    EXPECT_TRUE(window->lastMovesShown());
}

TEST_F(HelpersTest, TheHintIsOfferedOnlyWhileAPersonIsToMove)
{
    QAction* hint = window->commandAction(command::Hint);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_FALSE(window->commandEnabled(command::Hint)) << "no game yet";

    startGame(3, 0, 0);
    window->updateAllItemStates();
    EXPECT_TRUE(window->commandEnabled(command::Hint));
    EXPECT_TRUE(hint->isEnabled());
    game().setAnimationSpeed(1);
    drag(111, 103);
    EXPECT_TRUE(game().computersPlaying());
    EXPECT_TRUE(window->commandEnabled(command::Hint)) << "taken while the computers play, shown after";
    ASSERT_TRUE(waitForPerson());
    EXPECT_TRUE(hint->isEnabled()) << "the item (and its key) is back once the person is to move";

    loadEdited([](GameState& s) { s.gameOver = 1; });
    EXPECT_FALSE(window->commandEnabled(command::Hint));
}

// The command shows the suggested move and changes nothing, whether it
// waits for the flash to end or returns at once.
TEST_F(HelpersTest, TheHintCommandShowsTheSuggestedMoveAndChangesNothing)
{
    startGame(3, 0, 0);
    loadEdited([](GameState& s) { s.pieces[1].hole = 60; }); // something to jump over later
    const GameState& s = game().state();
    const GameState before = s;
    const auto expected = suggestMove(s);
    ASSERT_TRUE(expected.has_value());

    QImage during;
    QTimer::singleShot(500, [&] { during = window->canvas()->picture().toImage(); });
    ASSERT_TRUE(window->runCommand(command::Hint));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !during.isNull() && !window->canvas()->pictureHeld(); }, 5000));
    EXPECT_TRUE(near(during.pixelColor(holePoint(expected->destination())), colours::Hint));
    EXPECT_EQ(s.pieces, before.pieces);
    EXPECT_EQ(s.playerToMove, 0);
    EXPECT_FALSE(game().history().canUndo());
    window->canvas()->repaint();
    EXPECT_FALSE(near(shown(holePoint(expected->destination())), colours::Hint)) << "gone after the flash";
}

// The hint's marks: shown as soon as the flash starts, kept over the board
// drawn anew when the window grows, gone when its timer ends it.
TEST_F(HelpersTest, TheHintFlashMarksThePathFollowsAResizeAndEndsByItsTimer)
{
    startGame(3, 0, 0);
    loadEdited([](GameState& s) { s.pieces[1].hole = 60; });
    const auto expected = suggestMove(game().state());
    ASSERT_TRUE(expected.has_value());

    BoardFlash flash;
    QSignalSpy finished(&flash, &BoardFlash::finished);
    QElapsedTimer clock;
    clock.start();
    startHintFlash(flash, *window->canvas(), window->boardView(), expected->start, expected->path);
    EXPECT_LT(clock.elapsed(), 500) << "start returns at once";
    EXPECT_TRUE(flash.showing());
    EXPECT_TRUE(window->canvas()->pictureHeld());
    for (int hole : expected->path)
        EXPECT_TRUE(near(shown(holePoint(hole)), colours::Hint)) << hole;
    const BoardView& v = window->boardView();
    const auto ring = [&v] {
        return int(std::lround(v.pieceRadiusY + std::max(3.0, std::min(v.pieceRadiusX, v.pieceRadiusY) / 3.0)));
    };
    EXPECT_TRUE(near(shown(holePoint(expected->start) - QPoint(0, ring())), colours::Hint)) << "a ring round the piece";
    EXPECT_TRUE(near(shown(piecePoint(expected->start)), colours::player(0))) << "the piece shows";

    const QPoint oldDestination = holePoint(expected->destination());
    window->resize(window->width() + 200, window->height() + 120);
    ASSERT_TRUE(QTest::qWaitFor([&] { return holePoint(expected->destination()) != oldDestination; }, 2000));
    ASSERT_TRUE(window->canvas()->pictureHeld());
    EXPECT_TRUE(near(shown(holePoint(expected->destination())), colours::Hint)) << "the marks follow the new board";
    EXPECT_TRUE(near(shown(holePoint(expected->start) - QPoint(0, ring())), colours::Hint));

    ASSERT_TRUE(finished.wait(5000));
    EXPECT_GE(clock.elapsed(), HintFlash.count());
    EXPECT_FALSE(flash.showing());
    EXPECT_FALSE(window->canvas()->pictureHeld());
    window->canvas()->repaint();
    EXPECT_FALSE(near(shown(holePoint(expected->destination())), colours::Hint)) << "gone after the flash";
}

// One flash at a time: the valid moves flashed during a hint take its
// place, and stop() ends them without a word.
TEST_F(HelpersTest, ANewFlashEndsTheOneShowingAndStopSaysNothing)
{
    startGame(3, 0, 0);
    const auto hint = suggestMove(game().state());
    ASSERT_TRUE(hint.has_value());
    BoardFlash flash;
    flash.clock().driveByHand(FrameClock::Clock::now);
    QSignalSpy finished(&flash, &BoardFlash::finished);
    startHintFlash(flash, *window->canvas(), window->boardView(), hint->start, hint->path);
    const BoardView& v = window->boardView();
    const double ring = v.pieceRadiusY + std::max(3.0, std::min(v.pieceRadiusX, v.pieceRadiusY) / 3.0);
    const QPoint ringTop = holePoint(hint->start) - QPoint(0, int(std::lround(ring)));
    ASSERT_TRUE(near(shown(ringTop), colours::Hint));

    MoveGenerator moves;
    moves.rebuildOccupancy(game().state().pieces);
    startValidMovesFlash(flash, *window->canvas(), window->boardView(), game().state(), moves, 0);
    EXPECT_EQ(shown(holePoint(103)), colours::ValidMove) << "piece 0 on 111 may step to 103";
    EXPECT_FALSE(near(shown(ringTop), colours::Hint)) << "the hint is gone";
    EXPECT_GT(flash.clock().due() - FrameClock::Clock::now(), ValidMoveFlash - std::chrono::milliseconds(200))
        << "the valid moves get their whole time";
    EXPECT_EQ(finished.count(), 0);

    flash.stop();
    EXPECT_FALSE(flash.showing());
    EXPECT_FALSE(flash.clock().pending());
    EXPECT_FALSE(window->canvas()->pictureHeld());
    window->canvas()->repaint();
    EXPECT_NE(shown(holePoint(103)), colours::ValidMove);
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(HelpersTest, APersonWithoutMovesIsTold)
{
    startGame(3, 0, 0);
    loadEdited([](GameState& s) {
        int other = PiecesPerPlayer;
        for (int h : tavolux::testing::wallAround(s.pieces, 0))
            s.pieces[other++].hole = static_cast<uint16_t>(h);
    });
    const GameState& s = game().state();
    const Position before = s.pieces;

    tavolux::testing::BoxSeen box;
    answerNextBox(QMessageBox::Ok, &box);
    ASSERT_TRUE(window->runCommand(command::Hint));
    EXPECT_EQ(box.text, QStringLiteral("Human has no valid move."));
    EXPECT_EQ(s.pieces, before);
}

} // namespace
