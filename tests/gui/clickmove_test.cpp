// Moving by clicks on the board: a click on an own piece lifts it and
// leaves it raised over its hole with the holes it may reach marked; a
// click on one of them moves it, a click elsewhere is refused as a drop
// is, and a click on the piece, the right button or Escape puts it back.
// A press that travels the drag distance is a drag, as ever.

#include "app/commands.h"
#include "tests/support/window_fixture.h"
#include "view/colours.h"

#include <QLabel>
#include <QSignalSpy>

namespace tavolux::testing {
namespace {

class ClickMoveTest : public WindowPlayTest {
protected:
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, at, button, button);
        mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    void click(int hole) { click(holePoint(hole)); }
    QColor shown(int hole) const { return window->canvas()->grab().toImage().pixelColor(holePoint(hole)); }
    QString status() const { return window->findChild<QLabel*>(QStringLiteral("statusPane"))->text(); }
    BoardMouse& hand() const { return *window->boardMouse(); }
};

TEST_F(ClickMoveTest, AClickLiftsThePieceAndAClickOnADestinationMovesIt)
{
    startGame(3, 2, 1);
    click(111);
    ASSERT_TRUE(hand().clickLifted());
    EXPECT_FALSE(hand().dragging());
    EXPECT_EQ(hand().lift().piece(), 0);
    EXPECT_EQ(refereeLine(1), "Now, drag it to a spot");
    auto* floating = window->canvas()->findChild<QWidget*>("pieceWindow");
    ASSERT_NE(floating, nullptr);
    EXPECT_EQ(centreOf(floating).x(), holePoint(111).x());
    EXPECT_LT(centreOf(floating).y(), holePoint(111).y()) << "raised over its hole";
    EXPECT_EQ(shown(103), colours::ValidMove) << "a hole it may reach is marked";
    hoverAt(holePoint(60));
    EXPECT_TRUE(hand().clickLifted()) << "the piece waits in the hand";
    EXPECT_EQ(refereeLine(1), "Now, drag it to a spot");

    click(103);
    EXPECT_FALSE(hand().lift().lifted());
    EXPECT_EQ(piece(0).hole, 103);
    EXPECT_EQ(window->game().state().playerToMove, 1);
    EXPECT_NE(shown(102), colours::ValidMove) << "no marks once the piece is down";
}

// The X server's test clicks an unreachable hole and the piece itself;
// here the other ways back, and a press that travels.
TEST_F(ClickMoveTest, ThePieceGoesBackEveryWayAndAPressThatTravelsIsADrag)
{
    startGame(3, 2, 1);
    QSignalSpy played(&sounds, &SoundPlayer::requested);
    const Position opening = window->game().state().pieces;
    click(111);
    click(112);
    EXPECT_FALSE(hand().lift().lifted());
    EXPECT_EQ(played.count(), 1);
    EXPECT_EQ(status(), "That hole is taken.");
    click(111);
    click(holePoint(60), Qt::RightButton);
    EXPECT_FALSE(hand().lift().lifted());
    click(111);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(hand().lift().lifted());
    click(111);
    ASSERT_TRUE(window->runCommand(command::ShowDestinations));
    EXPECT_FALSE(hand().lift().lifted()) << "a command finds the piece back on its hole";
    EXPECT_FALSE(window->commandAction(command::ShowDestinations)->isChecked());
    EXPECT_EQ(played.count(), 1) << "putting back says nothing";
    EXPECT_EQ(window->game().state().pieces, opening);
    EXPECT_EQ(window->canvas()->findChild<QWidget*>("pieceWindow"), nullptr);

    click(111);
    EXPECT_NE(shown(103), colours::ValidMove) << "no marks while they are off";
    press(holePoint(60)); // a press away from the piece that travels carries it
    moveTo(holePoint(103));
    EXPECT_TRUE(hand().dragging());
    release(holePoint(103));
    EXPECT_EQ(piece(0).hole, 103);
}

} // namespace
} // namespace tavolux::testing
