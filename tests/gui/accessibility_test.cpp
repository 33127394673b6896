// What a screen reader learns through Qt's accessibility interfaces: the
// board names the hole under the keys' ring and what stands there, the last
// move is its news, the referee's lines and the status bar are texts. (The
// events that tell their changes reach a reader only on a real
// accessibility bus: accessibility_xvfb follows them there.)

#include "model/notation.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QLabel>

using namespace tavolux;
using tavolux::testing::WindowPlayTest;

namespace {

class AccessibilityTest : public WindowPlayTest {
protected:
    QString lastMoveText() const
    {
        const RecordedMove& m = window->game().moveList().moves().back();
        return QString::fromStdString(window->game().state().slots[m.player].name + ": " + moveText(m.start, m.path));
    }
};

TEST_F(AccessibilityTest, TheBoardTellsTheRingAndEveryMoveTheRefereeAndStatusTheirWords)
{
    startGame(3, 0, 0, [](GameState& chosen) { chosen.slots[2].active = 0; });
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window->canvas());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Canvas);
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Board"));
    EXPECT_TRUE(board->text(QAccessible::Description).contains(QStringLiteral("arrow keys")));

    // The first arrow shows the ring on the person's first piece.
    QTest::keyClick(window.get(), Qt::Key_Up);
    const int first = window->game().state().pieces[window->game().state().slots[0].firstPiece].hole;
    const QString onPiece = QString::fromStdString(holeName(first)) + QStringLiteral(", Human's piece");
    EXPECT_EQ(board->text(QAccessible::Name), onPiece);
    QString empty;
    for (int step = 0; step < 6 && empty.isEmpty(); ++step) {
        QTest::keyClick(window.get(), Qt::Key_Up);
        if (board->text(QAccessible::Name).endsWith(QStringLiteral(", empty")))
            empty = board->text(QAccessible::Name);
    }
    EXPECT_FALSE(empty.isEmpty()) << "the ring left the person's pieces";

    // The news is the board's last child; each move is told as its name.
    QAccessibleInterface* news = board->child(board->childCount() - 1);
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->role(), QAccessible::StaticText);
    EXPECT_EQ(news->parent(), board);
    EXPECT_EQ(board->indexOfChild(news), board->childCount() - 1);
    EXPECT_EQ(news->text(QAccessible::Name), QString());
    ASSERT_TRUE(moveAnyPiece(0));
    EXPECT_EQ(news->text(QAccessible::Name), lastMoveText());
    ASSERT_TRUE(waitForPerson());
    EXPECT_TRUE(news->text(QAccessible::Name).startsWith(QStringLiteral("Silicon: ")));
    EXPECT_EQ(news->text(QAccessible::Name), lastMoveText());

    // The referee's four lines are one sentence; the status bar's parts are
    // texts whose names are what they show.
    QAccessibleInterface* referee = QAccessible::queryAccessibleInterface(window->referee());
    const QString words = refereeLine(0) + ' ' + refereeLine(1) + ' ' + refereeLine(2);
    EXPECT_EQ(referee->text(QAccessible::Name).left(words.size()), words);
    EXPECT_FALSE(referee->text(QAccessible::Description).isEmpty());
    QAccessibleInterface* turn = QAccessible::queryAccessibleInterface(window->findChild<QLabel*>("turnLine"));
    EXPECT_EQ(turn->text(QAccessible::Name), QStringLiteral("Move 3 · Your move, Human"));
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(window->findChild<QLabel*>("statusPane"));
    EXPECT_EQ(pane->text(QAccessible::Name), QStringLiteral("Ready."));
    EXPECT_FALSE(pane->text(QAccessible::Description).isEmpty());
}

} // namespace
