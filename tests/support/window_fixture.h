#pragma once
// A main window on the offscreen platform with a game placed as New Game
// places it, and a hand that presses, moves and releases the mouse on the
// board.

#include "app/gamefiles.h"
#include "app/mainwindow.h"
#include "resources/programresources.h"
#include "app/soundplayer.h"
#include "model/board.h"
#include "model/movegen.h"
#include "referee/refereewindow.h"
#include "view/boardmouse.h"
#include "view/windowcanvas.h"
#include "tests/support/game_edits.h"
#include "tests/support/modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tavolux::testing {

// Save Game and Load Game ask for no file: they get the test's path (an
// empty one cancels), and the chooser counts how often it was asked and
// keeps the name offered for saving.
class ScriptedChooser : public FileChooser {
public:
    explicit ScriptedChooser(QString chosen = {}) : path(std::move(chosen)) {}
    QString saveFileName(QWidget*, const QString& offered) override { return suggested = offered, ++asked, path; }
    QString openFileName(QWidget*) override { return ++asked, path; }
    QString path;
    QString suggested;
    int asked = 0;
};

class WindowPlayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = new ProgramResources(ProgramResources::load()); }
    static void TearDownTestSuite() { delete resources; }

    void SetUp() override
    {
        // Every test remembers its settings in a folder of its own.
        ASSERT_TRUE(settingsFolder.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->resize(1000, 700);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A game as New Game places it; pictures 1..6 are persons, 0 computers.
    // `alsoChosen` sets more of the setup. A person to move first is asked
    // before this returns.
    void startGame(int picture0, int picture1, int picture2,
                   const std::function<void(GameState&)>& alsoChosen = {})
    {
        GameState chosen = window->game().state();
        const int pictures[3] = {picture0, picture1, picture2};
        for (int p = 0; p < DesignSeatCount; ++p)
            chosen.slots[p].picture = static_cast<uint16_t>(pictures[p]);
        if (alsoChosen)
            alsoChosen(chosen);
        window->game().startGame(chosen);
        settle();
    }

    // The game's record set up as `edit` leaves it (see loadEdited); a
    // person to move is asked before this returns.
    template <typename Edit>
    void loadEdited(Edit edit, bool keepMoves = false)
    {
        testing::loadEdited(window->game(), edit, keepMoves);
        settle();
    }

    // Lets the step the game has due run; a person to move is then asked.
    void settle()
    {
        const GameState& s = window->game().state();
        if (s.gameInProgress() && !s.slots[s.playerToMove].isComputer())
            waitForPerson();
        else
            QTest::qWait(1);
        window->canvas()->repaint();
    }

    QPoint holePoint(int hole) const
    {
        const BoardView& v = window->boardView();
        return QPoint(v.holeScreen[hole].x + v.originX, v.holeScreen[hole].y + v.originY);
    }

    // A point of the piece on `hole` in the piece's own colour, clear of its
    // symbol and its gloss.
    QPoint piecePoint(int hole) const { return holePoint(hole) + QPoint(window->boardView().pieceRadiusX * 3 / 4, 0); }

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

    // Drags the first piece of player p that can move; true when it moved.
    bool moveAnyPiece(int p = 0)
    {
        const GameState& s = window->game().state();
        MoveGenerator gen;
        for (int k = s.slots[p].firstPiece; k < s.slots[p].firstPiece + PiecesPerPlayer; ++k) {
            gen.findDestinations(p, k, s.pieces);
            if (gen.destinations[0] != ListEnd) {
                const int to = gen.destinations[0];
                drag(piece(k).hole, to);
                return piece(k).hole == to;
            }
        }
        return false;
    }

    // Lets the computers play until a person is to move.
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
    QTemporaryDir settingsFolder;
    SoundPlayer sounds;
    std::unique_ptr<MainWindow> window;
};

} // namespace tavolux::testing
