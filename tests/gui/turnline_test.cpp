// The status bar's turn line: the move's number and who is to make it, a
// computer with its strength while it thinks, beside the prompts' pane.

#include "app/turnline.h"
#include "tests/support/window_fixture.h"

#include <QLabel>
#include <QStatusBar>

using namespace tavolux;
using tavolux::testing::WindowPlayTest;

namespace {

class TurnLineTest : public WindowPlayTest {
protected:
    QString line() const { return window->turnLine().label()->text(); }
};

TEST_F(TurnLineTest, NamesTheMoveAndThePlayerToMoveWhileComputersPlay)
{
    EXPECT_EQ(line(), QString()) << "no game yet";
    startGame(3, 0, 0, [](GameState& chosen) {
        chosen.slots[2].active = 0;
        chosen.slots[1].strength = Expert;
    });
    ASSERT_TRUE(window->game().waitingForPerson());
    EXPECT_EQ(line(), QStringLiteral("Move 1 · Your move, Human"));

    ASSERT_TRUE(moveAnyPiece(0));
    EXPECT_EQ(line(), QStringLiteral("Move 2 · Silicon, Expert, thinking"));
    ASSERT_TRUE(waitForPerson());
    EXPECT_EQ(line(), QStringLiteral("Move 3 · Your move, Human"));

    // The design's pane keeps the width on the left and its own prompt.
    const QWidget* pane = window->findChild<QLabel*>(QStringLiteral("statusPane"));
    const QLabel* turn = window->turnLine().label();
    EXPECT_EQ(pane->parentWidget(), turn->parentWidget());
    EXPECT_LT(pane->geometry().right(), turn->geometry().left());
    EXPECT_GT(pane->width(), turn->width());
    EXPECT_EQ(static_cast<const QLabel*>(pane)->text(), QStringLiteral("Ready."));
    window->grab().save(QStringLiteral(SCREENSHOT_DIR "/turnline.png"));

    // Three computers: every turn is a computer's, Standard ones included.
    startGame(0, 0, 0, [](GameState& chosen) {
        chosen.slots[2].active = 1;
        chosen.slots[1].strength = Standard;
    });
    QStringList seen;
    ASSERT_TRUE(tavolux::testing::eventually([&] {
        if (!seen.contains(line()))
            seen << line();
        return window->game().moveList().current() >= 4;
    }));
    for (const char* shown : {"Move 1 · Human, Standard, thinking", "Move 2 · Silicon, Standard, thinking",
                              "Move 3 · Positron, Standard, thinking", "Move 4 · Human, Standard, thinking"})
        EXPECT_TRUE(seen.contains(QString::fromUtf8(shown))) << seen.join('\n').toStdString();
}

} // namespace
