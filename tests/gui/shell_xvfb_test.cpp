// The main window's shell on a real X server: the referee is a shaped window
// that follows the main window, the settings written at exit are read at the
// next start, and the board turn takes its time, shows its frames and
// throws away the clicks made meanwhile.

#include "app/commands.h"
#include "app/movelistwindow.h"
#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/soundplayer.h"
#include "view/windowcanvas.h"
#include "referee/refereewindow.h"
#include "view/boardpainter.h"
#include "tests/support/modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

using namespace tavolux;

void PrintTo(const QRect& r, std::ostream* out)
{
    *out << "(" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

void PrintTo(const QPoint& p, std::ostream* out)
{
    *out << "(" << p.x() << ", " << p.y() << ")";
}

namespace {

QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Tavolux/Tavolux.ini");
}

using tavolux::testing::answerNextBox;
using tavolux::testing::eventually;

#define EXPECT_EVENTUALLY_EQ(actual, expected)                                                          \
    do {                                                                                                \
        const bool reached = eventually([&] { return (actual) == (expected); });                      \
        EXPECT_TRUE(reached) << #actual " is " << ::testing::PrintToString(actual) << ", never became "  \
                             << ::testing::PrintToString(expected);                                   \
    } while (false)

class ShellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = new ProgramResources(ProgramResources::load()); }
    static void TearDownTestSuite() { delete resources; }

    void SetUp() override { QFile::remove(settingsPath()); }

    MainWindow& open()
    {
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(100);
        return *window;
    }
    void closeThroughTheExitQuestion()
    {
        answerNextBox(QMessageBox::Yes); // the exit question
        window->close();
        window.reset();
        QApplication::processEvents();
    }

    static inline ProgramResources* resources = nullptr;
    SoundPlayer sounds;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ShellTest, RefereeIsAShapedWindowAboveTheMainWindow)
{
    MainWindow& main = open();
    RefereeWindow* referee = main.referee();
    ASSERT_NE(referee, nullptr);
    EXPECT_TRUE(referee->isVisible()) << "shown on the first run";
    ASSERT_NE(referee->windowHandle(), nullptr);
    EXPECT_EQ(referee->windowHandle()->mask(), referee->shape());
    EXPECT_EQ(referee->windowHandle()->transientParent(), main.windowHandle());
    EXPECT_EQ(referee->line(0), QStringLiteral("WELCOME"));

    main.runCommand(command::Referee);
    EXPECT_FALSE(referee->isVisible());
    main.runCommand(command::Referee);
    EXPECT_TRUE(referee->isVisible());
}

TEST_F(ShellTest, RefereeFollowsTheMainWindow)
{
    MainWindow& main = open();
    RefereeWindow* referee = main.referee();
    main.move(40, 40);
    EXPECT_EVENTUALLY_EQ(main.frameGeometry().topLeft(), QPoint(40, 40));
    const QPoint before = referee->pos();
    main.move(140, 90);
    EXPECT_EVENTUALLY_EQ(main.frameGeometry().topLeft(), QPoint(140, 90));
    EXPECT_EVENTUALLY_EQ(referee->pos(), before + QPoint(100, 50));

    // Near the right edge of the screen the referee is pushed back inside.
    const QRect work = main.screen()->availableGeometry();
    main.move(work.right() - main.frameGeometry().width() / 2, 90);
    EXPECT_EVENTUALLY_EQ(referee->frameGeometry().right(), work.right());
}

TEST_F(ShellTest, SettingsWrittenAtExitAreReadAtTheNextStart)
{
    {
        MainWindow& main = open();
        main.setWallpaperIndex(2);
        main.game().setAnimationSpeed(1);
        main.runCommand(command::Referee);
        ASSERT_FALSE(main.referee()->isVisible());
        main.move(60, 70);
        main.resize(1000, 700);
        EXPECT_EVENTUALLY_EQ(main.frameGeometry().topLeft(), QPoint(60, 70));
        closeThroughTheExitQuestion();
    }
    QSettings stored(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Tavolux/WallPaperID")).toString(), QStringLiteral("2"));
    EXPECT_EQ(stored.value(QStringLiteral("Tavolux/RefereeVisible")).toString(), QStringLiteral("0"));
    EXPECT_EQ(stored.value(QStringLiteral("Tavolux/WindowLeft")).toString(), QStringLiteral("60"));

    MainWindow& again = open();
    EXPECT_EQ(again.wallpaperIndex(), 2);
    EXPECT_EQ(again.game().state().animationSpeed, 1);
    EXPECT_FALSE(again.referee()->isVisible());
    EXPECT_EQ(again.frameGeometry().topLeft(), QPoint(60, 70));
    EXPECT_EQ(again.frameGeometry().width(), stored.value(QStringLiteral("Tavolux/WindowRight")).toInt() - 60);
}

// The windows from the bottom of the stack to the top, as the window
// manager tells them; empty without one.
QStringList stackingOrder()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    xprop.waitForFinished();
    const QString out = QString::fromLatin1(xprop.readAllStandardOutput());
    const int ids = out.indexOf(QLatin1Char('#'));
    if (ids < 0)
        return {};
    QStringList order;
    for (const QString& id : out.mid(ids + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        order << QString::number(id.trimmed().toULongLong(nullptr, 16));
    return order;
}

// The move list, remembered as shown, opens beside the main window, above
// it and clear of the referee, also after the main window was moved and
// made smaller.
TEST_F(ShellTest, TheMoveListOpensBesideAndAboveTheMainWindow)
{
    auto moveList = [this] { return window->moveListHost().window(); };
    auto clear = [&] {
        const QRect list = moveList()->frameGeometry();
        return moveList()->isVisible() && !list.intersects(window->frameGeometry())
               && !list.intersects(window->referee()->frameGeometry())
               && window->screen()->availableGeometry().contains(list);
    };
    {
        MainWindow& main = open();
        main.runCommand(command::MoveList);
        EXPECT_TRUE(eventually(clear)) << "first shown";
        main.move(60, 70);
        main.resize(1000, 700);
        EXPECT_TRUE(eventually(clear)) << "after the main window moved and was made smaller";
        closeThroughTheExitQuestion();
    }
    for (int run = 0; run < 2; ++run) {
        MainWindow& main = open();
        EXPECT_TRUE(eventually(clear)) << "remembered as shown, run " << run << ": "
                                       << ::testing::PrintToString(moveList()->frameGeometry()) << " beside "
                                       << ::testing::PrintToString(main.frameGeometry()) << ", shown "
                                       << moveList()->isVisible();
        const QStringList order = stackingOrder();
        if (!order.isEmpty()) {
            const QString list = QString::number(moveList()->winId()), owner = QString::number(main.winId());
            EXPECT_TRUE(eventually([&] {
                const QStringList now = stackingOrder();
                return now.contains(list) && now.indexOf(list) > now.indexOf(owner);
            })) << "above the main window";
        }
        if (run == 0)
            main.runCommand(command::DefaultSettings);
        closeThroughTheExitQuestion();
    }
}

QRect defaultOuterRect(const MainWindow& main)
{
    const QScreen* screen = main.screen();
    const QSize size = screen->size();
    const QRect work = screen->availableGeometry();
    return QRect(work.left() + int(0.025 * size.width()), work.top() + int(0.025 * size.height()),
                 int(0.8 * size.width()), int(0.795 * size.height() + main.statusBarHeight()));
}

TEST_F(ShellTest, FirstRunOpensInTheDefaultLayout)
{
    MainWindow& main = open();
    EXPECT_EQ(main.frameGeometry(), defaultOuterRect(main));
    EXPECT_TRUE(main.referee()->isVisible());
    EXPECT_EQ(main.wallpaperIndex(), 0);
    EXPECT_EQ(main.game().state().animationSpeed, 0);
    EXPECT_EQ(main.game().state().boardRotation, 0);
}

TEST_F(ShellTest, AWindowClosedMaximisedOpensMaximised)
{
    {
        MainWindow& main = open();
        main.showMaximized();
        EXPECT_EVENTUALLY_EQ(main.isMaximized(), true);
        closeThroughTheExitQuestion();
    }
    QSettings stored(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Tavolux/WindowMaximized")).toString(), QStringLiteral("1"));

    MainWindow& again = open();
    EXPECT_TRUE(again.isMaximized());
    again.showNormal();
    EXPECT_EVENTUALLY_EQ(again.frameGeometry(), defaultOuterRect(again));
}

TEST_F(ShellTest, DefaultSettingsRestoreLayoutViewWallpaperAndReferee)
{
    MainWindow& main = open();
    main.setWallpaperIndex(1);
    main.runCommand(command::Referee);
    main.game().setBoardRotation(3);
    main.move(300, 200);
    main.runCommand(command::DefaultSettings);
    QApplication::processEvents();

    const QScreen* screen = main.screen();
    const QRect work = screen->availableGeometry();
    EXPECT_EQ(main.wallpaperIndex(), 0);
    EXPECT_EQ(main.game().state().boardRotation, 0);
    EXPECT_TRUE(main.referee()->isVisible());
    EXPECT_EVENTUALLY_EQ(main.frameGeometry().topLeft(),
                 work.topLeft() + QPoint(int(0.025 * screen->size().width()), int(0.025 * screen->size().height())));
    EXPECT_EQ(main.frameGeometry().width(), int(0.8 * screen->size().width()));
}

TEST_F(ShellTest, DefaultSettingsWhileMaximisedRestoresTheWindowFirst)
{
    MainWindow& main = open();
    main.move(200, 150);
    main.resize(900, 650);
    main.showMaximized();
    EXPECT_EVENTUALLY_EQ(main.isMaximized(), true);
    QTest::qWait(200);
    main.runCommand(command::DefaultSettings);
    EXPECT_FALSE(main.isMaximized());
    EXPECT_EVENTUALLY_EQ(main.frameGeometry(), defaultOuterRect(main));
    QTest::qWait(300);
    EXPECT_EQ(main.frameGeometry(), defaultOuterRect(main)) << "and it stays there";
}

TEST_F(ShellTest, BoardRotationTakesHalfASecondAndWrapsTheView)
{
    MainWindow& main = open();
    const GameState& state = main.game().state();
    for (int speed : {0, 1}) {
        main.game().setAnimationSpeed(speed);
        main.game().setBoardRotation(0);
        QElapsedTimer clock;
        clock.start();
        main.runCommand(command::RotateClockwise);
        EXPECT_EVENTUALLY_EQ(state.boardRotation, 5);
        const qint64 elapsed = clock.elapsed();
        std::cout << "one 60-degree turn at speed " << speed << ": " << elapsed << " ms\n";
        ::testing::Test::RecordProperty(speed == 0 ? "turn_ms_smooth" : "turn_ms_flickery", int(elapsed));
        EXPECT_GE(elapsed, 400) << "the turn is shown, not jumped";
        main.runCommand(command::RotateCounterClockwise);
        EXPECT_EVENTUALLY_EQ(state.boardRotation, 0);
    }
    EXPECT_DOUBLE_EQ(main.boardView().rotation, 0.0);

    // What one frame costs on this machine: the headroom left in a frame's
    // share of the half second.
    const QRegion ellipse(QRect(main.boardView().originX, main.boardView().originY, main.boardView().width,
                                main.boardView().height),
                          QRegion::Ellipse);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 40; ++i) {
        main.canvas()->drawFrame([&](QPainter& painter) {
            painter.setClipRegion(ellipse);
            drawBoard(painter, main.boardView(), state.pieces);
        });
    }
    std::cout << "one frame of a turn: " << clock.elapsed() / 40.0 << " ms\n";
}

} // namespace
