// The move list window and the review it allows, played through the main
// window: the list follows the game, a chosen row shows the board after
// that move without changing the game, the board takes no piece and the
// computers wait meanwhile, and Escape returns to the game.

#include "app/movelistwindow.h"
#include "tests/support/window_fixture.h"
#include "view/colours.h"

#include "model/movegen.h"
#include "model/movepath.h"

#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QPushButton>

namespace tavolux::testing {
namespace {

class MoveListReview : public WindowPlayTest {
protected:
    // A person's move of piece k to its first destination.
    void movePiece(int k)
    {
        MoveGenerator gen;
        gen.findDestinations(window->game().state().playerToMove, k, window->game().state().pieces);
        ASSERT_NE(gen.destinations[0], ListEnd);
        drag(piece(k).hole, gen.destinations[0]);
    }

    QListWidget* rows() const { return window->moveListHost().window()->findChild<QListWidget*>("moveRows"); }

    // The game's move list gets `count` more moves, each the first move the
    // player to move has, as if the players had made them; the game goes on
    // from the position they reach.
    void addMoves(int count)
    {
        GameState s = window->game().state();
        MoveList past = window->game().moveList();
        for (int i = 0; i < count; ++i) {
            const int p = s.playerToMove;
            MoveGenerator gen;
            for (int k = s.slots[p].firstPiece; k < s.slots[p].firstPiece + PiecesPerPlayer; ++k) {
                gen.findDestinations(p, k, s.pieces);
                if (gen.destinations[0] == ListEnd)
                    continue;
                const int start = s.pieces[k].hole;
                const std::vector<int> path = findMovePath(s.pieces, start, gen.destinations[0]);
                s.pieces[k].hole = static_cast<uint16_t>(path.back());
                past.add({p, k, start, path, false});
                break;
            }
            s.playerToMove = nextPlayer(s, p);
        }
        window->game().load(s, &past);
        settle();
    }

    // The chosen row lies wholly inside the part of the list one sees.
    bool currentRowSeen() const
    {
        const QRect row = rows()->visualItemRect(rows()->currentItem());
        return !row.isEmpty() && rows()->viewport()->rect().contains(row);
    }
};

TEST_F(MoveListReview, ReviewShowsAnEarlierBoardAndHoldsTheGame)
{
    startGame(1, 0, 0); // a person, then two computers
    ASSERT_TRUE(window->runCommand(command::MoveList));
    EXPECT_TRUE(window->moveListHost().visible());
    EXPECT_EQ(rows()->count(), 1) << "the start, listed as soon as the window shows";
    movePiece(0);
    ASSERT_TRUE(waitForPerson());
    ASSERT_EQ(window->game().moveList().current(), 3u);
    ASSERT_EQ(rows()->count(), 4) << "the start and three moves";
    EXPECT_TRUE(rows()->item(3)->font().bold()) << "the game stands after the third move";

    const GameState live = window->game().state();
    rows()->setCurrentRow(1);
    ASSERT_TRUE(window->moveListHost().reviewing());
    const GameState* shown = window->moveListHost().reviewedState();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->pieces, window->game().moveList().positionAfter(1).pieces);
    EXPECT_EQ(window->game().state().pieces, live.pieces) << "the game itself is untouched";

    // The board takes no piece while reviewing.
    const int mine = window->game().state().slots[0].firstPiece + 1;
    press(holePoint(piece(mine).hole));
    EXPECT_FALSE(window->boardMouse()->dragging());
    release(holePoint(piece(mine).hole));

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->moveListHost().reviewing());
    EXPECT_EQ(rows()->currentRow(), 3);

    // A command that acts on the game ends a review first.
    rows()->setCurrentRow(0);
    ASSERT_TRUE(window->moveListHost().reviewing());
    ASSERT_TRUE(window->runCommand(command::Undo));
    EXPECT_FALSE(window->moveListHost().reviewing());
    EXPECT_EQ(window->game().moveList().current(), 0u);
    EXPECT_TRUE(rows()->item(0)->font().bold());
}

TEST_F(MoveListReview, TheComputersWaitWhileAnEarlierBoardIsShown)
{
    loadEdited([](GameState& s) { // two computers, then a person to move
        s.slots[0].picture = s.slots[1].picture = 0;
        s.slots[2].picture = 1;
        s.noGameStarted = 0;
        placeStartingPieces(s);
        s.playerToMove = 2;
    });
    ASSERT_TRUE(window->runCommand(command::MoveList));
    movePiece(29); // the computers answer from the event loop
    ASSERT_EQ(window->game().moveList().current(), 1u);
    rows()->setCurrentRow(0);
    ASSERT_TRUE(window->moveListHost().reviewing());
    QTest::qWait(200);
    EXPECT_EQ(window->game().moveList().current(), 1u) << "no computer moved meanwhile";
    window->moveListHost().window()->findChild<QPushButton*>("backToGame")->click();
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(window->game().moveList().current(), 3u);
}

// The reviewed move is drawn on the board as the last moves are, its start
// ringed in the mover's colour; moves taken back by Undo stay listed,
// greyed, until a new move replaces them.
TEST_F(MoveListReview, TheReviewedMoveIsDrawnAndTakenBackMovesStayGreyed)
{
    startGame(1, 0, 0);
    ASSERT_TRUE(window->runCommand(command::MoveList));
    movePiece(0);
    ASSERT_TRUE(waitForPerson());
    const std::vector<RecordedMove> moves = window->game().moveList().moves();
    ASSERT_EQ(moves.size(), 3u);
    const BoardView& v = window->boardView();
    const int ring = int(v.holeRadiusY - std::max(3.0, std::min(v.pieceRadiusX, v.pieceRadiusY) / 4.0) / 2);
    const auto ringed = [&](const RecordedMove& m) {
        window->canvas()->repaint();
        const QColor seen = window->canvas()->picture().toImage().pixelColor(holePoint(m.start) - QPoint(0, ring));
        return seen == colours::player(m.player);
    };
    rows()->setCurrentRow(2);
    EXPECT_TRUE(ringed(moves[1])) << "the second move";
    EXPECT_FALSE(ringed(moves[2])) << "and no other";
    rows()->setCurrentRow(1);
    EXPECT_TRUE(ringed(moves[0]));
    EXPECT_FALSE(ringed(moves[1]));
    rows()->setCurrentRow(0);
    EXPECT_FALSE(ringed(moves[1])) << "the start follows no move";

    ASSERT_TRUE(window->runCommand(command::Undo));
    ASSERT_EQ(rows()->count(), 4) << "the moves taken back stay listed";
    const QColor greyed = rows()->palette().color(QPalette::Disabled, QPalette::Text);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_TRUE(rows()->item(row)->font().italic()) << row;
        EXPECT_EQ(rows()->item(row)->foreground().color(), greyed) << row;
    }
    EXPECT_FALSE(rows()->item(0)->font().italic());
    ASSERT_TRUE(window->runCommand(command::Redo));
    EXPECT_FALSE(rows()->item(3)->font().italic()) << "Redo brings them back";
    ASSERT_TRUE(window->runCommand(command::Undo));
    movePiece(1);
    ASSERT_TRUE(waitForPerson());
    ASSERT_EQ(rows()->count(), 4) << "the new moves replace them";
    for (int row = 1; row <= 3; ++row)
        EXPECT_FALSE(rows()->item(row)->font().italic()) << row;
}

// A game saved as a record opens in review, every position of it can be
// played on from, and a record that is not one changes nothing.
TEST_F(MoveListReview, ARecordRoundTripsThroughTheWindow)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("evening.tvr");
    startGame(1, 0, 0);
    movePiece(0);
    ASSERT_TRUE(waitForPerson());
    const GameState played = window->game().state();
    window->useRecordFileChooser(std::make_unique<ScriptedChooser>(path));
    ASSERT_TRUE(window->runCommand(command::SaveRecord));
    ASSERT_TRUE(QFile::exists(path));

    ASSERT_TRUE(window->runCommand(command::OpenRecord));
    ASSERT_TRUE(window->moveListHost().reviewing());
    ASSERT_NE(window->moveListHost().record(), nullptr);
    EXPECT_EQ(window->moveListHost().reviewedState()->pieces, played.pieces);
    EXPECT_EQ(rows()->count(), 4);

    // From the position after the first move, with the abandon question.
    rows()->setCurrentRow(1);
    answerNextBox(QMessageBox::Yes);
    window->moveListHost().window()->findChild<QPushButton*>("playFromHere")->click();
    EXPECT_FALSE(window->moveListHost().reviewing());
    EXPECT_EQ(window->game().moveList().current(), 1u);
    EXPECT_EQ(window->game().state().playerToMove, 1);
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(window->game().moveList().current(), 3u) << "the computers play on";

    const GameState before = window->game().state();
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("Tavolux-Record: 1\nDate: yesterday\n");
    junk.close();
    BoxSeen box;
    answerNextBox(QMessageBox::Ok, &box);
    EXPECT_FALSE(window->openRecordFile(path));
    EXPECT_TRUE(box.text.contains("Line 2")) << box.text.toStdString();
    EXPECT_FALSE(window->moveListHost().reviewing());
    EXPECT_EQ(window->game().state().pieces, before.pieces);
}

// A long game and a long record open at their last row, and that row is
// seen: the list scrolls to the row chosen whatever else the window shows
// beneath it, and while it follows the game.
TEST_F(MoveListReview, TheChosenRowIsAlwaysInView)
{
    startGame(1, 1, 1);
    addMoves(60);
    ASSERT_TRUE(window->runCommand(command::MoveList));
    ASSERT_EQ(rows()->currentRow(), 60);
    EXPECT_TRUE(currentRowSeen());
    addMoves(3);
    EXPECT_EQ(rows()->currentRow(), 63);
    EXPECT_TRUE(currentRowSeen());
    rows()->setCurrentRow(20);
    EXPECT_TRUE(currentRowSeen());

    // A record opened while the list is hidden shows its last move.
    const GameRecord record = recordOf(window->game().state(), window->game().moveList());
    for (const bool shown : {false, true}) {
        window->moveListHost().endReview();
        window->moveListHost().setVisible(shown);
        window->moveListHost().showRecord(record);
        ASSERT_EQ(rows()->currentRow(), 63);
        EXPECT_TRUE(currentRowSeen()) << "opened with the list " << (shown ? "shown" : "hidden");
    }
    QWidget* list = window->moveListHost().window();
    list->resize(list->width(), list->height() - 80);
    QTest::qWait(50);
    EXPECT_TRUE(currentRowSeen()) << "in a smaller window";
}

} // namespace
} // namespace tavolux::testing
