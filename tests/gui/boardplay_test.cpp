// Playing on the board in the main window: hover hints, picking up,
// dragging and dropping a piece, the computers' answers from the event
// loop, and the glide of a computer's move.

#include "app/commands.h"
#include "app/turnscheduler.h"
#include "app/boardshows.h"
#include "tests/support/window_fixture.h"
#include "view/colours.h"
#include "view/moveglide.h"
#include "view/windowcanvas.h"

#include <QMessageBox>
#include <QSignalSpy>

using namespace tavolux;

namespace {

class BoardPlayTest : public tavolux::testing::WindowPlayTest {};

TEST_F(BoardPlayTest, HoverTellsOwnPiecesFromOthers)
{
    hoverAt(holePoint(111));
    EXPECT_EQ(window->canvas()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(refereeLine(1), "Please select new") << "no hints before the first game";

    startGame(3, 2, 1);
    hoverAt(holePoint(111)); // piece 0, player 1's
    EXPECT_EQ(refereeLine(1), "Yep! That's yours.");
    EXPECT_EQ(refereeLine(2), "Click & drag it.");
    EXPECT_EQ(window->canvas()->cursor().pixmap().cacheKey(), resources->ownPieceCursor.pixmap().cacheKey());
    hoverAt(holePoint(StartHoles[1][0]));
    EXPECT_EQ(refereeLine(1), "That's not yours!");
    EXPECT_EQ(refereeLine(2), "Try a different color.");
    hoverAt(holePoint(60));
    EXPECT_EQ(refereeLine(1), "Move mouse to one");
    EXPECT_EQ(window->canvas()->cursor().shape(), Qt::ArrowCursor);

    // A piece of another player cannot be picked up.
    press(holePoint(StartHoles[1][0]));
    EXPECT_FALSE(window->boardMouse()->dragging());
    release(holePoint(StartHoles[1][0]));
}

TEST_F(BoardPlayTest, DragADropOnADestinationMovesAndPassesTheTurn)
{
    startGame(3, 2, 1);
    QSignalSpy played(&sounds, &SoundPlayer::requested);
    press(holePoint(111));
    ASSERT_TRUE(window->boardMouse()->dragging());
    EXPECT_NE(window->canvas()->picture().toImage().pixelColor(holePoint(111)), colours::player(0))
        << "the dragged piece is off the board";
    EXPECT_EQ(piece(0).hole, 111) << "the record keeps it on its hole until it is dropped";
    EXPECT_EQ(refereeLine(1), "Now, drag it to a spot");
    EXPECT_EQ(refereeLine(3), "or more jumps.");
    auto* floating = window->canvas()->findChild<QWidget*>("pieceWindow");
    ASSERT_NE(floating, nullptr);
    const QPoint middle = (holePoint(111) + holePoint(103)) / 2;
    moveTo(middle);
    EXPECT_EQ(centreOf(floating), middle);
    moveTo(QPoint(-500, -500));
    EXPECT_TRUE(QRect(window->boardView().originX, window->boardView().originY, window->boardView().width,
                      window->boardView().height)
                    .contains(centreOf(floating)))
        << "the piece stays over the board";

    release(holePoint(103));
    EXPECT_FALSE(window->boardMouse()->dragging());
    EXPECT_EQ(window->canvas()->findChild<QWidget*>("pieceWindow"), nullptr);
    EXPECT_EQ(piece(0).hole, 103);
    EXPECT_EQ(piece(0).owner, OwnerMark[0]);
    EXPECT_EQ(window->game().state().playerToMove, 1);
    EXPECT_TRUE(window->game().history().canUndo());
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(refereeLine(0), "Silicon") << "the next person is prompted";
    EXPECT_EQ(refereeLine(1), "Move mouse to one");
    EXPECT_EQ(played.count(), 0);
}

TEST_F(BoardPlayTest, RefusedDropsPutThePieceBack)
{
    startGame(3, 2, 1);
    QSignalSpy played(&sounds, &SoundPlayer::requested);
    const PieceRecord before = piece(0);

    press(holePoint(111)); // dragged away and back on its own hole: silent
    moveTo(holePoint(103));
    release(holePoint(111));
    ASSERT_FALSE(window->boardMouse()->lift().lifted());
    EXPECT_EQ(piece(0), before);
    EXPECT_EQ(played.count(), 0);

    drag(111, 112); // an occupied hole
    drag(111, 60);  // out of reach
    EXPECT_EQ(piece(0), before);
    ASSERT_EQ(played.count(), 2);
    EXPECT_EQ(played.at(0).at(0).toString(), "TVX03.WAV");
    EXPECT_EQ(window->game().state().playerToMove, 0);
    EXPECT_FALSE(window->game().history().canUndo());
    EXPECT_EQ(refereeLine(1), "Move mouse to one") << "the cycle prompts the same person again";
}

TEST_F(BoardPlayTest, ADragEndsWhenTheWindowIsNoLongerActiveAndTheBoardRestsAfterTheGame)
{
    startGame(3, 2, 1);
    press(holePoint(111));
    ASSERT_TRUE(window->boardMouse()->dragging());
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(window.get(), &deactivate);
    EXPECT_FALSE(window->boardMouse()->dragging());
    EXPECT_EQ(piece(0).owner, OwnerMark[0]);
    EXPECT_EQ(piece(0).hole, 111);
    release(holePoint(103));
    EXPECT_EQ(piece(0).hole, 111) << "the release after a cancelled drag moves nothing";

    loadEdited([](GameState& s) { s.gameOver = 1; });
    const QString shown = refereeLine(1);
    hoverAt(holePoint(112));
    press(holePoint(111));
    EXPECT_FALSE(window->boardMouse()->dragging());
    EXPECT_EQ(refereeLine(1), shown) << "no hover feedback after the game";
    release(holePoint(111));
}

// The computers answer a person's move from the event loop, each turn a
// step of its own; while a dialog is open the next step waits, and then the
// person is prompted again.
TEST_F(BoardPlayTest, ComputersAnswerFromTheEventLoopAndWaitForADialog)
{
    startGame(3, 0, 0);
    drag(111, 103);
    EXPECT_EQ(window->game().state().playerToMove, 1) << "the release only hands the turn on";
    EXPECT_TRUE(window->game().computersPlaying());

    QMessageBox box(QMessageBox::Information, "Wait", "The computers wait.", QMessageBox::Ok, window.get());
    box.open();
    QTest::qWait(10 * TurnScheduler::RetryInterval);
    EXPECT_EQ(window->game().state().playerToMove, 1) << "no turn while the box is open";
    box.accept();

    EXPECT_TRUE(waitForPerson());
    EXPECT_EQ(window->game().state().playerToMove, 0);
    EXPECT_EQ(window->game().moveList().current(), 3u);
    EXPECT_EQ(refereeLine(0), "Human");
    EXPECT_EQ(refereeLine(1), "Move mouse to one");
}

// A move the computer finds while a dialog is open waits for it to close:
// no piece glides behind the dialog.
TEST_F(BoardPlayTest, AComputersMoveWaitsForADialogOpenedWhileItThinks)
{
    startGame(3, 0, 0, [](GameState& chosen) { chosen.slots[1].strength = Expert; });
    drag(111, 103);
    QMessageBox box(QMessageBox::Information, "Wait", "The computer waits.", QMessageBox::Ok, window.get());
    ASSERT_TRUE(tavolux::testing::eventually([&] { return window->statusPrompt().shown() == prompt::ComputerThinking; }));
    box.open();
    ASSERT_EQ(window->game().moveList().current(), 1u) << "the computer still thinks";
    QTest::qWait(3000);
    EXPECT_EQ(window->game().moveList().current(), 1u) << "no move while the box is open";
    EXPECT_EQ(window->game().state().playerToMove, 1);
    box.accept();
    EXPECT_TRUE(tavolux::testing::eventually([&] { return window->game().moveList().current() == 2u; }, 20000));
    startGame(3, 2, 1); // the second computer gives up
}

// A press on the board while it turns lifts nothing, nor does it later;
// once the board has turned, a press lifts the piece.
TEST_F(BoardPlayTest, APressWhileTheBoardTurnsLiftsNothing)
{
    startGame(3, 2, 1);
    ASSERT_TRUE(window->runCommand(command::RotateClockwise));
    ASSERT_TRUE(window->shows().moving());
    press(holePoint(111));
    EXPECT_FALSE(window->boardMouse()->dragging());
    release(holePoint(111));
    ASSERT_TRUE(tavolux::testing::eventually([&] { return !window->shows().moving(); }));
    EXPECT_EQ(window->game().state().boardRotation, 5);
    EXPECT_FALSE(window->boardMouse()->dragging());

    press(holePoint(111));
    EXPECT_TRUE(window->boardMouse()->dragging());
    release(holePoint(111));
}

// A glide through a path of three holes, on a clock that the test moves:
// each hop shows a frame per display interval along a straight line, and
// the piece rests on every hole it reaches.
TEST_F(BoardPlayTest, AGlideFollowsThePathAtTheClocksPace)
{
    startGame(3, 2, 1);
    const BoardView& view = window->boardView();
    GlideClock::time_point now{};
    std::vector<QPoint> centres;
    std::vector<int> hops;
    int pauses = 0;
    MoveGlide glide;
    glide.clock().driveByHand([&] { return now; });
    glide.setFrameShown([&](int hop) {
        centres.push_back(centreOf(window->canvas()->findChild<QWidget*>("pieceWindow")));
        hops.push_back(hop);
    });
    QSignalSpy finished(&glide, &MoveGlide::finished);
    const auto glideTo = [&](std::vector<int> path, int speed) {
        centres.clear();
        hops.clear();
        pauses = 0;
        glide.start(*window->canvas(), view, 0, 111, std::move(path), speed);
        while (glide.running()) {
            if (glide.clock().due() - now >= HolePause)
                ++pauses;
            now = glide.clock().due();
            glide.clock().fire();
        }
    };

    glideTo({102, 92, 82}, 0);
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(window->canvas()->findChild<QWidget*>("pieceWindow"), nullptr) << "the piece window is gone";
    const int smoothFrames = static_cast<int>(centres.size()) / 3;
    EXPECT_GE(smoothFrames, 17);
    EXPECT_LE(smoothFrames, 20);
    EXPECT_EQ(centres.back(), holePoint(82));
    EXPECT_EQ(hops[smoothFrames - 1], 0);
    EXPECT_EQ(centres[smoothFrames - 1], holePoint(102)) << "the first hop's last frame is on its hole";
    EXPECT_EQ(hops.back(), 2);
    // The frames of the first hop lie on the line from 111 to 102, in order.
    const QPoint a = holePoint(111), b = holePoint(102);
    for (int i = 0; i < smoothFrames - 1; ++i) {
        const QPoint c = centres[i];
        const int cross = (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
        EXPECT_LE(std::abs(cross), 2 * (std::abs(b.x() - a.x()) + std::abs(b.y() - a.y()))) << "frame " << i;
        if (i > 0) {
            EXPECT_LE((centres[i - 1] - a).manhattanLength(), (c - a).manhattanLength());
        }
    }

    glideTo({102}, 1);
    EXPECT_NEAR(static_cast<double>(centres.size()), smoothFrames / 2.0, 2.0)
        << "the flickery setting shows about half the frames";
    // On an exact clock too: the last frame due falls at or after the end of
    // the hop, never just before it, so the hop lasts no frame longer.
    EXPECT_EQ(centres.size() - 1, static_cast<std::size_t>(smoothFrames - 1) / 2)
        << "half the positions along the line, then the one on the hole";

    glideTo({}, 0);
    EXPECT_TRUE(centres.empty());
    EXPECT_EQ(pauses, 0);
    EXPECT_EQ(finished.count(), 3) << "an empty path ends at once";
    glideTo({102, HoleCount, 92}, 0);
    EXPECT_EQ(hops.back(), 0) << "a path stops where it leaves the board";
    EXPECT_EQ(centres.back(), holePoint(102));
    EXPECT_EQ(finished.count(), 4);
}

// On the window's own timers: start returns at once, the board behind the
// piece leaves it out, and the end brings finished() with the piece window
// gone; a glide stopped on the way says nothing.
TEST_F(BoardPlayTest, AGlideRunsBetweenTheWindowsEventsAndStopsWithoutAWord)
{
    startGame(3, 2, 1);
    WindowScene scene = window->canvas()->scene();
    scene.hiddenPiece = 0; // on hole 111
    window->canvas()->setScene(scene);
    const QColor emptyHole = colours::Hole;
    int frames = 0;
    QPoint last;
    MoveGlide glide;
    glide.setFrameShown([&](int) {
        ++frames;
        last = centreOf(window->canvas()->findChild<QWidget*>("pieceWindow"));
    });
    QSignalSpy finished(&glide, &MoveGlide::finished);

    glide.start(*window->canvas(), window->boardView(), 0, 111, {102}, 1);
    EXPECT_TRUE(glide.running());
    EXPECT_EQ(frames, 0) << "no frame inside start";
    EXPECT_TRUE(window->canvas()->pictureHeld());
    EXPECT_EQ(window->canvas()->picture().toImage().pixelColor(holePoint(111)), emptyHole)
        << "the held board leaves the gliding piece out";
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_FALSE(glide.running());
    EXPECT_GE(frames, 3);
    EXPECT_EQ(last, holePoint(102));
    EXPECT_EQ(window->canvas()->findChild<QWidget*>("pieceWindow"), nullptr);
    EXPECT_FALSE(window->canvas()->pictureHeld());

    glide.start(*window->canvas(), window->boardView(), 0, 111, {102, 92}, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames > 6; }, 3000));
    glide.stop();
    EXPECT_FALSE(glide.running());
    EXPECT_EQ(window->canvas()->findChild<QWidget*>("pieceWindow"), nullptr);
    EXPECT_FALSE(window->canvas()->pictureHeld());
    const int shown = frames;
    QTest::qWait(600);
    EXPECT_EQ(finished.count(), 1) << "stop emits nothing";
    EXPECT_EQ(frames, shown) << "and no frame comes after it";
}

} // namespace
