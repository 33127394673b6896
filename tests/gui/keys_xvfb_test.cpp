// Playing by keyboard on a real X server with a window manager and real key
// presses (XTest through xdotool): a whole move made with the keys alone and
// answered by both computers, a refused drop on a board turned half round,
// and Escape putting a carried piece back while the window stays open.
// Screenshots of the focus ring and of a piece carried by the keys.

#include "tests/support/xserver_fixture.h"
#include "view/colours.h"

#include "model/board.h"
#include "referee/refereewindow.h"
#include "view/boardkeys.h"

#include <QSignalSpy>

using namespace tavolux;
using namespace tavolux::playtest;

namespace {

class KeysTest : public PlayTest {
protected:
    // A person against two computers, the board turned to `steps` view
    // steps and the pointer resting on the player panel, off the board.
    void startGame(int steps)
    {
        newGame(3, 0, 0);
        ASSERT_TRUE(window->game().waitingForPerson());
        for (int i = 0; i < 6 && window->game().state().boardRotation != steps; ++i) {
            const int before = window->game().state().boardRotation;
            window->runCommand(command::RotateCounterClockwise);
            ASSERT_TRUE(eventually([&] { return window->game().state().boardRotation != before; }));
        }
        ASSERT_EQ(window->game().state().boardRotation, steps);
        const QWidget* canvas = window->canvas();
        xdotool(QStringList{"mousemove"} + point(canvas->mapToGlobal(QPoint(canvas->width() - 30, canvas->height() / 2))));
        QTest::qWait(50);
    }
    void key(const char* name) { xdotool({"key", QLatin1String(name)}); }
    BoardKeys& keys() const { return *window->boardKeys(); }
    bool ringOn(int hole) const { return keys().ringHole() == hole; }
};

TEST_F(KeysTest, AWholeMoveMadeWithTheKeysAlone)
{
    startGame(0);
    Game& game = window->game();
    const Position opening = game.state().pieces;
    QSignalSpy played(&sounds, &SoundPlayer::requested);

    key("Right"); // the first arrow only shows the ring, on the first piece's hole
    ASSERT_TRUE(eventually([&] { return ringOn(111); }));
    EXPECT_EQ(game.state().pieces, opening);
    shot("focus-ring");

    key("space");
    ASSERT_TRUE(eventually([&] { return keys().carrying(); }));
    const BoardView& v = window->boardView();
    const QPoint lifted(v.holeScreen[111].x + v.originX, v.holeScreen[111].y + v.originY);
    EXPECT_NE(window->canvas()->picture().toImage().pixelColor(lifted), colours::player(0))
        << "the piece is off the board";
    EXPECT_EQ(window->referee()->line(1), QStringLiteral("Now, drag it to a spot"));
    auto* floating = window->canvas()->findChild<QWidget*>("pieceWindow");
    ASSERT_NE(floating, nullptr);

    key("Up"); // of the two holes above, the lower-numbered: up and to the left
    ASSERT_TRUE(eventually([&] { return ringOn(102); }));
    EXPECT_EQ(floating->pos() + QPoint(v.pieceRadiusX, v.pieceRadiusY),
              QPoint(v.originX + v.holeScreen[102].x, v.originY + v.holeScreen[102].y))
        << "the piece floats over the ring";
    shot("key-carry");

    key("Return");
    ASSERT_TRUE(eventually([&] { return !keys().carrying(); }));
    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }));
    EXPECT_EQ(game.state().pieces[0].hole, 102);
    EXPECT_EQ(pieces.shown, 3) << "the carried piece and two glides";
    int moved = 0;
    for (int i = 0; i < PieceCount; ++i)
        moved += opening[i] != game.state().pieces[i];
    EXPECT_EQ(moved, 3) << "the person's piece and one of each computer";
    EXPECT_TRUE(game.history().canUndo());
    EXPECT_EQ(played.count(), 0);
    EXPECT_EQ(keys().ringHole(), NoHole) << "the ring is gone with the turn";

    key("Left"); // the next turn starts at the first piece again
    EXPECT_TRUE(eventually([&] { return ringOn(102); }));
}

// Turned half round, the board shows the person's home at the top: Down on
// screen goes up the board's rows. Two rows in one step are refused.
TEST_F(KeysTest, ARefusedDropOnATurnedBoard)
{
    startGame(3);
    Game& game = window->game();
    const Position opening = game.state().pieces;
    QSignalSpy played(&sounds, &SoundPlayer::requested);

    key("Down");
    ASSERT_TRUE(eventually([&] { return ringOn(111); }));
    key("Return");
    ASSERT_TRUE(eventually([&] { return keys().carrying(); }));
    key("Down");
    ASSERT_TRUE(eventually([&] { return ringOn(102); }));
    key("Down");
    ASSERT_TRUE(eventually([&] { return ringOn(89); }));
    key("space");
    ASSERT_TRUE(eventually([&] { return !keys().carrying(); }));
    EXPECT_EQ(game.state().pieces, opening);
    ASSERT_EQ(played.count(), 1);
    EXPECT_EQ(played.at(0).at(0).toString(), QStringLiteral("TVX03.WAV"));
    EXPECT_TRUE(game.waitingForPerson());
    EXPECT_EQ(game.state().playerToMove, 0);
    EXPECT_FALSE(game.history().canUndo());
    EXPECT_TRUE(ringOn(89)) << "the ring stays for another try";
    EXPECT_EQ(window->referee()->line(1), QStringLiteral("Move mouse to one"));

    // Space on an empty hole or on a computer's piece lifts nothing.
    key("space");
    QTest::qWait(100);
    EXPECT_FALSE(keys().carrying());
    EXPECT_EQ(game.state().pieces, opening);
}

TEST_F(KeysTest, EscapePutsThePieceBackAndNeverClosesTheWindow)
{
    startGame(0);
    Game& game = window->game();
    const Position opening = game.state().pieces;
    key("Up");
    key("Right"); // 111's right-hand neighbour, piece 1
    ASSERT_TRUE(eventually([&] { return ringOn(112); }));
    key("space");
    ASSERT_TRUE(eventually([&] { return keys().carrying(); }));
    key("Up");
    key("Escape");
    ASSERT_TRUE(eventually([&] { return !keys().carrying(); }));
    EXPECT_EQ(game.state().pieces, opening) << "the piece is back on its hole";
    EXPECT_EQ(window->canvas()->findChild<QWidget*>("pieceWindow"), nullptr);

    key("Escape"); // and once more with nothing in the hand: the ring goes
    ASSERT_TRUE(eventually([&] { return keys().ringHole() == NoHole; }));
    QTest::qWait(200);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "not even the exit question";
    EXPECT_TRUE(game.waitingForPerson());

    // The mouse over the board takes the hand back from the keys.
    key("Up");
    key("space");
    ASSERT_TRUE(eventually([&] { return keys().carrying(); }));
    xdotool(QStringList{"mousemove"} + point(onScreen(60)));
    ASSERT_TRUE(eventually([&] { return !keys().carrying(); }));
    EXPECT_EQ(keys().ringHole(), NoHole);
    EXPECT_EQ(game.state().pieces, opening);
}

// A game started from the keyboard alone (Alt+G, Enter on "New Game",
// Enter on the sheet): the keys play on, Escape included, once the menu
// bar has had the keyboard.
TEST_F(KeysTest, KeysPlayAfterAGameStartedThroughTheMenuWithTheKeyboard)
{
    tavolux::testing::loadEdited(window->game(), [](GameState& s) {
        const uint16_t pictures[3] = {3, 0, 0};
        for (int p = 0; p < DesignSeatCount; ++p)
            s.slots[p].picture = pictures[p];
    });
    QTimer sheetWatch;
    QObject::connect(&sheetWatch, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget()) {
            sheetWatch.stop();
            QProcess::startDetached(QStringLiteral("xdotool"), {"key", "Return"});
        }
    });
    sheetWatch.start(20);
    key("alt+g");
    ASSERT_TRUE(eventually([] { return QApplication::activePopupWidget() != nullptr; }));
    key("Return");
    ASSERT_TRUE(eventually([&] { return window->game().state().gameInProgress() && window->game().waitingForPerson(); }));
    QTest::qWait(100);

    key("Left");
    ASSERT_TRUE(eventually([&] { return ringOn(111); }));
    key("Escape");
    EXPECT_TRUE(eventually([&] { return keys().ringHole() == NoHole; }, 2000)) << "Escape reached the board";
    key("Left");
    key("space");
    EXPECT_TRUE(eventually([&] { return keys().carrying(); }, 2000));
    key("Escape");
    EXPECT_TRUE(eventually([&] { return !keys().carrying(); }, 2000));
}

} // namespace
