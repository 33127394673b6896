// Playing by keyboard in the main window under the offscreen platform: the
// ring drawn over the window's picture and never into it, the keys resting
// while computers play, during a mouse drag and after the game, the ring
// belonging to one turn, and commands finding no piece in the air.

#include "app/boardshows.h"
#include "app/commands.h"
#include "model/board.h"
#include "tests/support/window_fixture.h"
#include "view/boardkeys.h"
#include "view/colours.h"

#include <QTemporaryDir>

using namespace tavolux;

namespace {

class BoardKeysTest : public tavolux::testing::WindowPlayTest {
protected:
    void key(Qt::Key k) { QTest::keyClick(window.get(), k); }
    void keys(std::initializer_list<Qt::Key> ks)
    {
        for (Qt::Key k : ks)
            key(k);
    }
    // A point on the ring's band around a hole, to the right of it.
    QPoint onBand(int hole) const
    {
        const BoardView& v = window->boardView();
        return holePoint(hole) + QPoint(v.holeRadiusX + std::max(3, v.holeRadiusX / 4) / 2, 0);
    }
    BoardKeys& boardKeys() const { return *window->boardKeys(); }
    Game& game() const { return window->game(); }
};

TEST_F(BoardKeysTest, TheRingIsDrawnOverThePictureAndGoesWithTheMouse)
{
    startGame(3, 2, 1);
    key(Qt::Key_Left);
    ASSERT_EQ(boardKeys().ringHole(), 111);
    window->canvas()->repaint();
    const QPoint band = onBand(111);
    EXPECT_EQ(window->canvas()->grab().toImage().pixelColor(band), colours::FocusRing);
    EXPECT_NE(window->canvas()->picture().toImage().pixelColor(band), colours::FocusRing)
        << "the composed picture holds no ring";

    // Space on another player's piece lifts nothing; the referee says why.
    loadEdited([](GameState& s) { s.pieces[PiecesPerPlayer].hole = 102; });
    keys({Qt::Key_Left, Qt::Key_Up});
    ASSERT_EQ(boardKeys().ringHole(), 102) << "a new position: the ring starts again";
    key(Qt::Key_Space);
    EXPECT_FALSE(boardKeys().carrying());
    EXPECT_EQ(window->referee()->line(1), "That's not yours!");

    mouse(QEvent::MouseMove, holePoint(60), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(boardKeys().ringHole(), NoHole);
    window->canvas()->repaint();
    EXPECT_NE(window->canvas()->grab().toImage().pixelColor(band), colours::FocusRing);
}

// Three persons: the keys make player 1's move, the ring goes with the
// turn and the next person's first arrow starts at their first piece.
// Undo takes the ring away with the position it was on (the player to move
// stays); after the game the keys do nothing.
TEST_F(BoardKeysTest, TheRingBelongsToOneTurn)
{
    startGame(3, 2, 1);
    keys({Qt::Key_Down, Qt::Key_Space, Qt::Key_Up, Qt::Key_Enter});
    EXPECT_EQ(game().state().pieces[0].hole, 102);
    EXPECT_EQ(game().state().playerToMove, 1);
    EXPECT_EQ(boardKeys().ringHole(), NoHole);

    ASSERT_TRUE(waitForPerson());
    key(Qt::Key_Right);
    EXPECT_EQ(boardKeys().ringHole(), StartHoles[1][0]) << "player 2's first piece";
    key(Qt::Key_Return);
    EXPECT_TRUE(boardKeys().carrying()) << "player 2 picks up an own piece";
    EXPECT_EQ(window->referee()->line(1), "Now, drag it to a spot");
    key(Qt::Key_Space);
    EXPECT_FALSE(boardKeys().carrying()) << "put down where it was";
    EXPECT_EQ(window->referee()->line(1), "Move mouse to one") << "the person is prompted again";
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    EXPECT_FALSE(boardKeys().carrying());

    ASSERT_TRUE(window->runCommand(command::Undo));
    EXPECT_EQ(game().state().pieces[0].hole, 111);
    EXPECT_EQ(boardKeys().ringHole(), NoHole) << "the position changed under the ring";
    key(Qt::Key_Down);
    EXPECT_EQ(boardKeys().ringHole(), StartHoles[1][0]) << "a first arrow again";

    loadEdited([](GameState& s) { s.gameOver = 1; });
    const Position over = game().state().pieces;
    keys({Qt::Key_Left, Qt::Key_Space, Qt::Key_Up, Qt::Key_Space});
    EXPECT_FALSE(boardKeys().carrying());
    EXPECT_EQ(game().state().pieces, over);
    EXPECT_TRUE(window->isVisible());
}

// Six persons, the top seat to move with its home turned to the bottom:
// Up carries its piece toward the middle as the board is seen, and the
// turn goes on round the board to the upper right.
TEST_F(BoardKeysTest, AtSixPlayersTheTopSeatMovesUpTheTurnedBoard)
{
    startGame(3, 2, 1, [](GameState& s) {
        for (int p = 0; p < PlayerCount; ++p) {
            s.slots[p].active = 1;
            s.slots[p].picture = 1;
        }
    });
    const int top = 3, first = top * PiecesPerPlayer;
    loadEdited([&](GameState& s) {
        s.pieces[first].hole = 15; // out of its point, on the edge of the middle
        s.playerToMove = top;
        s.boardRotation = HomeRotation[top];
    });
    ASSERT_TRUE(game().waitingForPerson());
    keys({Qt::Key_Down, Qt::Key_Space});
    ASSERT_TRUE(boardKeys().carrying());
    keys({Qt::Key_Up, Qt::Key_Enter});
    const int to = game().state().pieces[first].hole;
    EXPECT_EQ(holeDistance(15, to), 1) << "one step, to " << to;
    EXPECT_GT(to, 22) << "toward the middle: below the top point's row on the board";
    EXPECT_EQ(game().state().playerToMove, 2) << "after the top, the upper right";
}

// While computers play or the mouse drags a piece the keys do nothing.
TEST_F(BoardKeysTest, TheKeysRestWhileComputersPlayAndWhileTheMouseDrags)
{
    startGame(3, 0, 0);
    mouse(QEvent::MouseButtonPress, holePoint(111), Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(window->boardMouse()->dragging());
    keys({Qt::Key_Right, Qt::Key_Space, Qt::Key_Escape});
    EXPECT_EQ(boardKeys().ringHole(), NoHole);
    EXPECT_TRUE(window->boardMouse()->dragging()) << "Escape is no business of the mouse";
    mouse(QEvent::MouseButtonRelease, holePoint(103), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(game().state().pieces[0].hole, 103);

    ASSERT_TRUE(game().computersPlaying());
    keys({Qt::Key_Right, Qt::Key_Space});
    EXPECT_EQ(boardKeys().ringHole(), NoHole);
    EXPECT_FALSE(boardKeys().carrying());
}

// A command run while the keys hold a piece finds it back on its hole: a
// game saved then holds every piece, and a board turn keeps the ring.
TEST_F(BoardKeysTest, CommandsFindThePieceBackOnItsHole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("carried.tvx"));
    window->useFileChooser(std::make_unique<tavolux::testing::ScriptedChooser>(path));
    startGame(3, 2, 1);
    const Position opening = game().state().pieces;

    keys({Qt::Key_Up, Qt::Key_Space, Qt::Key_Up});
    ASSERT_TRUE(boardKeys().carrying());
    ASSERT_TRUE(window->runCommand(command::SaveGame));
    EXPECT_FALSE(boardKeys().carrying());
    EXPECT_EQ(game().state().pieces, opening);
    loadEdited([](GameState& s) { s.pieces[0].hole = 60; });
    ASSERT_TRUE(window->openGameFile(path));
    EXPECT_EQ(game().state().pieces, opening) << "the saved game has the piece on its hole";
    ASSERT_TRUE(waitForPerson());

    keys({Qt::Key_Down, Qt::Key_Space}); // the ring was left on 102, above the piece
    ASSERT_TRUE(boardKeys().carrying());
    const int ring = boardKeys().ringHole();
    ASSERT_TRUE(window->runCommand(command::RotateClockwise));
    EXPECT_FALSE(boardKeys().carrying());
    EXPECT_EQ(game().state().pieces, opening);
    EXPECT_EQ(boardKeys().ringHole(), ring) << "the ring turns with the board";
    ASSERT_TRUE(tavolux::testing::eventually([&] { return !window->shows().moving(); }));
    key(Qt::Key_Space);
    EXPECT_TRUE(boardKeys().carrying());
    key(Qt::Key_Escape);
}

} // namespace
