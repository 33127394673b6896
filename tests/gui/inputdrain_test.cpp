// Input that arrives while the program is busy must be thrown away: neither
// a click nor a shortcut may act once the program listens again.

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

TEST_F(DrainFixture, ShortcutTypedDuringTheDrainDoesNotFire)
{
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    ASSERT_EQ(triggered, 1) << "the shortcut works outside the drain";

    QTimer::singleShot(0, &window, [this] { QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier); });
    tavolux::discardQueuedMouseInput(&window);
    EXPECT_EQ(triggered, 1);

    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(triggered, 2) << "input is taken again after the drain";
}

TEST_F(DrainFixture, QueuedClicksAreThrownAway)
{
    class ClickCounter : public QWidget {
    public:
        int* count;
        explicit ClickCounter(int* c) : count(c) {}
        void mousePressEvent(QMouseEvent*) override { ++*count; }
    };
    auto* target = new ClickCounter(&clicks);
    window.setCentralWidget(target);
    QTimer::singleShot(0, &window, [target] { QTest::mouseClick(target, Qt::LeftButton); });
    tavolux::discardQueuedMouseInput(&window);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(target, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

} // namespace
