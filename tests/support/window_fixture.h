#pragma once
// A main window on the offscreen platform with a game placed as New Game
// places it, and a hand that presses, moves and releases the mouse on the
// board.

#include "app/gamefiles.h"
#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/soundplayer.h"
#include "model/board.h"
#include "referee/refereewindow.h"
#include "view/boardmouse.h"
#include "view/windowcanvas.h"
#include "tests/support/modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tavolux::testing {

// Save Game and Load Game ask for no file: they get the test's path (an
// empty one cancels), and the chooser counts how often it was asked.
class ScriptedChooser : public FileChooser {
public:
    explicit ScriptedChooser(QString chosen = {}) : path(std::move(chosen)) {}
    QString saveFileName(QWidget*) override { return ++asked, path; }
    QString openFileName(QWidget*) override { return ++asked, path; }
    QString path;
    int asked = 0;
};

class WindowPlayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = new ProgramResources(ProgramResources::load()); }
    static void TearDownTestSuite() { delete resources; }

    void SetUp() override
    {
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->resize(1000, 700);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A game as New Game places it; pictures 1..6 are persons, 0 computers.
    void startGame(int picture0, int picture1, int picture2)
    {
        GameState& s = window->game().state();
        const int pictures[3] = {picture0, picture1, picture2};
        for (int p = 0; p < PlayerCount; ++p)
            s.slots[p].picture = static_cast<uint16_t>(pictures[p]);
        s.noGameStarted = 0;
        placeStartingPieces(s);
        window->game().history().clear();
        window->game().moveList().restart(s);
        window->canvas()->repaint();
    }

    QPoint holePoint(int hole) const
    {
        const BoardView& v = window->boardView();
        return QPoint(v.holeScreen[hole].x + v.originX, v.holeScreen[hole].y + v.originY);
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget* canvas = window->canvas();
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    void press(QPoint at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void moveTo(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint at) { mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void hoverAt(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void drag(int from, int to)
    {
        press(holePoint(from));
        moveTo((holePoint(from) + holePoint(to)) / 2);
        release(holePoint(to));
    }

    // The centre of the floating piece (its size is even: 2 r x 2 r).
    QPoint centreOf(const QWidget* floating) const
    {
        return floating->pos() + QPoint(window->boardView().pieceRadiusX, window->boardView().pieceRadiusY);
    }

    // Lets the computers' passes run until a person is to move.
    bool waitForPerson(int withinMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!window->game().waitingForPerson() && clock.elapsed() < withinMs)
            QTest::qWait(20);
        return window->game().waitingForPerson();
    }

    QString refereeLine(int line) const { return window->referee()->line(line); }
    const PieceRecord& piece(int k) const { return window->game().state().pieces[k]; }

    static inline ProgramResources* resources = nullptr;
    SoundPlayer sounds;
    std::unique_ptr<MainWindow> window;
};

} // namespace tavolux::testing
