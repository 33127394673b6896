// Input that arrives while the program is busy is sorted once it listens
// again: clicks on the board are thrown away, a shortcut or a click
// elsewhere takes effect.

#include "app/inputdrain.h"

#include <QAction>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct DrainFixture : ::testing::Test {
    QMainWindow window;
    QAction action{"Count", &window};
    int triggered = 0;
    int clicks = 0;

    DrainFixture()
    {
        action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
        window.addAction(&action);
        QObject::connect(&action, &QAction::triggered, [this] { ++triggered; });
        window.resize(300, 200);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};


TEST_F(DrainFixture, ClicksOnTheBoardGoAndTheRestIsHandled)
{
    class ClickCounter : public QWidget {
    public:
        int* count;
        explicit ClickCounter(int* c) : count(c) {}
        void mousePressEvent(QMouseEvent*) override { ++*count; }
    };
    auto* board = new ClickCounter(&clicks);
    window.setCentralWidget(board);
    int elsewhere = 0;
    auto* other = new ClickCounter(&elsewhere);
    window.setMenuWidget(other);
    QTimer::singleShot(0, &window, [&] {
        QTest::mouseClick(board, Qt::LeftButton);
        QTest::mouseClick(other, Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    });
    tavolux::sortQueuedInput(board);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(elsewhere, 1);
    EXPECT_EQ(triggered, 1) << "a shortcut typed meanwhile takes effect";
    QTest::mouseClick(board, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "the board listens again afterwards";
}

} // namespace
