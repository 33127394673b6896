#pragma once
// The fixture of the tests on a real X server: the window shown and
// active, New Game through the setup sheet, real input through xdotool
// (XTest), screenshots, and the exit question answered at the end.

#include "app/commands.h"
#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/soundplayer.h"
#include "dialogs/setupsheet.h"
#include "view/piecewindow.h"
#include "view/windowcanvas.h"
#include "tests/support/game_edits.h"
#include "tests/support/modal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace tavolux::playtest {

using testing::eventually;

// Runs xdotool with the arguments while the program goes on handling events.
inline void xdotool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(eventually([&] { return process.state() == QProcess::NotRunning; }));
    ASSERT_EQ(process.exitCode(), 0);
}

inline QStringList point(QPoint p)
{
    return {QString::number(p.x()), QString::number(p.y())};
}

// Counts the floating pieces that appear on the board (drags and glides).
class PieceCounter : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildPolished
            && qobject_cast<PieceWindow*>(static_cast<QChildEvent*>(event)->child()) != nullptr)
            ++shown;
        return false;
    }
};

class PlayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = new ProgramResources(ProgramResources::load()); }
    static void TearDownTestSuite() { delete resources; }

    void SetUp() override
    {
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->canvas()->installEventFilter(&pieces);
    }
    void TearDown() override
    {
        testing::loadEdited(window->game(), [](GameState& s) { s.noGameStarted = 1; }); // no abandon question
        testing::answerNextBox(QMessageBox::Yes); // the exit question
        window->close();
        window.reset();
    }

    // New Game through the menu command and the setup sheet, with the
    // given pictures (0: the computer) set on the sheet's player pages.
    void newGame(int p0, int p1, int p2)
    {
        const GameState& s = window->game().state();
        std::array<int, DesignSeatCount> steps{};
        const int pictures[3] = {p0, p1, p2};
        for (int p = 0; p < DesignSeatCount; ++p) // the pages start at the pictures of the last game
            steps[p] = (pictures[p] - s.slots[p].picture + PictureCount) % PictureCount;
        QTimer::singleShot(50, [steps] {
            auto* sheet = qobject_cast<SetupSheet*>(QApplication::activeModalWidget());
            ASSERT_NE(sheet, nullptr);
            for (int p = 0; p < DesignSeatCount; ++p) {
                auto* page = sheet->findChild<QWidget*>(QStringLiteral("setupPlayer%1").arg(p + 1));
                ASSERT_NE(page, nullptr);
                for (int i = 0; i < steps[p]; ++i)
                    page->findChild<QPushButton*>(QStringLiteral("pictureNext"))->click();
            }
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        window->runCommand(command::NewGame);
        if (p0 != 0) // the first player, a person, is asked from the event loop
            testing::eventually([this] { return window->game().waitingForPerson(); }, 2000);
    }

    QPoint onScreen(int hole) const
    {
        const BoardView& v = window->boardView();
        return window->canvas()->mapToGlobal(QPoint(v.holeScreen[hole].x + v.originX, v.holeScreen[hole].y + v.originY));
    }

    // Presses on one hole and moves there in small steps from `from`.
    void pressAndDragTowards(int from, int to, int steps = 8)
    {
        xdotool(QStringList{"mousemove"} + point(onScreen(from)));
        xdotool({"mousedown", "1"});
        const QPoint a = onScreen(from), b = onScreen(to);
        for (int i = 1; i <= steps; ++i)
            xdotool(QStringList{"mousemove"} + point(a + (b - a) * i / steps));
    }

    void shot(const char* name)
    {
        window->screen()->grabWindow(0).save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)));
    }

    int movedPieces(const Position& before) const
    {
        int n = 0;
        for (int i = 0; i < PieceCount; ++i)
            n += before[i] != window->game().state().pieces[i];
        return n;
    }

    static inline ProgramResources* resources = nullptr;
    SoundPlayer sounds;
    std::unique_ptr<MainWindow> window;
    PieceCounter pieces;
};

} // namespace tavolux::playtest
