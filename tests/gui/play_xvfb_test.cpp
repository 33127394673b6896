// Playing a game on a real X server with a window manager and a real
// pointer (moved by xdotool): a person's drag answered by both computers'
// glides, a refused drop, a drag cut short by another window, and a game
// among three computers that runs to its results while the window stays
// usable. Screenshots of a drag, a glide and the results are kept.

#include "tests/support/xserver_fixture.h"

#include "app/movelistwindow.h"
#include "dialogs/resultsdialog.h"
#include "model/board.h"
#include "referee/refereewindow.h"
#include "view/boardmouse.h"

#include <QListWidget>
#include <QMenu>
#include <QTableWidget>

using namespace tavolux;
using namespace tavolux::playtest;

namespace {

TEST_F(PlayTest, APersonsMoveIsAnsweredByBothComputers)
{
    newGame(3, 0, 0);
    Game& game = window->game();
    ASSERT_TRUE(game.waitingForPerson());
    const Position opening = game.state().pieces;

    pressAndDragTowards(111, 103);
    ASSERT_TRUE(window->boardMouse()->dragging());
    EXPECT_EQ(window->referee()->line(1), QStringLiteral("Now, drag it to a spot"));
    shot("play-drag");
    // One picture of a computer's piece half-way through its glide.
    bool glideSeen = false;
    QTimer glideWatch;
    QObject::connect(&glideWatch, &QTimer::timeout, [&] {
        if (!glideSeen && !window->boardMouse()->dragging() && window->canvas()->findChild<PieceWindow*>()) {
            glideSeen = true;
            QTimer::singleShot(100, [&] { shot("play-glide"); });
        }
    });
    glideWatch.start(5);
    xdotool({"mouseup", "1"});

    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }));
    EXPECT_EQ(game.state().pieces[0].hole, 103);
    EXPECT_EQ(movedPieces(opening), 3) << "the person's piece and one of each computer";
    EXPECT_EQ(pieces.shown, 3) << "the drag and two glides";
    EXPECT_EQ(window->referee()->line(0), QStringLiteral("Human"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
    EXPECT_TRUE(glideSeen);
}

// A real right click on an own piece opens the one-item menu; choosing its
// item flashes the destinations, and the board takes no input meanwhile.
TEST_F(PlayTest, TheRightButtonMenuShowsTheValidMoves)
{
    newGame(3, 2, 1);
    const Position opening = window->game().state().pieces;
    bool menuSeen = false, flashSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!menuSeen && popup && popup->objectName() == "pieceMenu") {
            menuSeen = true;
            shot("piece-menu");
            QProcess::startDetached(QStringLiteral("xdotool"), {"key", "Down", "Return"});
        } else if (menuSeen && !flashSeen && !popup && window->canvas()->pictureHeld()) {
            flashSeen = true;
            QTimer::singleShot(200, [&] { shot("valid-moves"); });
        }
    });
    watch.start(10);
    xdotool(QStringList{"mousemove"} + point(onScreen(111)));
    xdotool({"click", "3"});
    ASSERT_TRUE(eventually([&] { return flashSeen && !window->canvas()->pictureHeld(); }));
    EXPECT_EQ(window->game().state().pieces, opening);
    EXPECT_TRUE(window->game().waitingForPerson());
}

TEST_F(PlayTest, ARefusedDropChangesNothingAndAnotherWindowEndsADrag)
{
    newGame(3, 0, 0);
    Game& game = window->game();
    const Position opening = game.state().pieces;
    pressAndDragTowards(111, 60);
    xdotool({"mouseup", "1"});
    EXPECT_TRUE(eventually([&] { return !window->boardMouse()->dragging(); }));
    EXPECT_EQ(game.state().pieces, opening);
    EXPECT_TRUE(game.waitingForPerson());
    EXPECT_EQ(game.state().playerToMove, 0);

    pressAndDragTowards(111, 103, 3);
    ASSERT_TRUE(window->boardMouse()->dragging());
    QWidget other;
    other.setWindowTitle(QStringLiteral("Another window"));
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    EXPECT_TRUE(eventually([&] { return !window->boardMouse()->dragging(); }));
    EXPECT_EQ(game.state().pieces, opening) << "the piece is back on its hole";
    xdotool({"mouseup", "1"});
    EXPECT_EQ(game.state().pieces, opening);
}

// The referee's caption pressed at once after a drop and dragged over the
// board and back while the computers reply: the move stands, the computers
// answer, and the referee stays inside the work area. A press queued while
// the program was busy is thrown away like the board's clicks; a move by
// hand past the screen's edge settles back inside.
TEST_F(PlayTest, DraggingTheRefereeDuringTheRepliesLosesNothing)
{
    newGame(3, 0, 0);
    Game& game = window->game();
    RefereeWindow* referee = window->referee();
    ASSERT_TRUE(referee->isVisible());
    const Position opening = game.state().pieces;
    const QRect work = window->screen()->availableGeometry();
    auto inside = [&] { return work.contains(referee->frameGeometry()); };
    const QPoint caption = referee->mapToGlobal(QPoint(referee->width() / 2, referee->clientRect().top() / 2));

    pressAndDragTowards(111, 103);
    QStringList script = {"mouseup", "1", "sleep", "0.05", "mousemove"};
    script << point(caption) << "mousedown" << "1";
    for (int i = 1; i <= 30; ++i)
        script << "mousemove" << point(caption + QPoint(-25 * i, 0)) << "sleep" << "0.02";
    for (int i = 29; i >= 0; --i)
        script << "mousemove" << point(caption + QPoint(-25 * i, 0)) << "sleep" << "0.02";
    script << "mouseup" << "1";
    xdotool(script);

    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }, 20000));
    EXPECT_EQ(game.state().pieces[0].hole, 103) << "the move stands";
    EXPECT_GE(movedPieces(opening), 3) << "and both computers answered";
    EXPECT_TRUE(eventually(inside, 3000)) << "the referee stays on the screen";

    // Pressed at once after the next drop and dragged away, it follows the
    // pointer while the computers reply.
    const QPoint from = referee->pos();
    const QPoint grab = referee->mapToGlobal(QPoint(referee->width() / 2, referee->clientRect().top() / 2));
    pressAndDragTowards(112, 104);
    QStringList away = {"mouseup", "1", "sleep", "0.05", "mousemove"};
    away << point(grab) << "mousedown" << "1";
    for (int i = 1; i <= 10; ++i)
        away << "mousemove" << point(grab + QPoint(-20 * i, 10 * i)) << "sleep" << "0.02";
    away << "mouseup" << "1";
    xdotool(away);
    EXPECT_TRUE(game.computersPlaying()) << "the drag was made during the replies";
    EXPECT_TRUE(eventually([&] { return (from - referee->pos()).x() >= 150 && (referee->pos() - from).y() >= 50; }, 3000))
        << "the referee moved from " << from.x() << "," << from.y() << " to " << referee->pos().x() << ","
        << referee->pos().y();
    ASSERT_TRUE(eventually([&] { return game.waitingForPerson(); }, 20000));

    // By hand, while nothing is busy: half of it past the right edge.
    const QPoint grip = referee->mapToGlobal(QPoint(referee->width() / 2, referee->clientRect().top() / 2));
    QStringList byHand = {"mousemove"};
    byHand << point(grip) << "mousedown" << "1";
    for (int i = 1; i <= 10; ++i)
        byHand << "mousemove" << point(grip + QPoint((work.right() - grip.x()) * i / 10, 0)) << "sleep" << "0.02";
    byHand << "mouseup" << "1";
    xdotool(byHand);
    EXPECT_TRUE(eventually(inside, 3000)) << "a move by hand settles inside the work area";
    shot("play-referee-dragged");
}

// Three computers near the end of a game: player 1 has one piece left to
// bring home. Between their turns the window paints, a menu opened with
// Alt+G during a glide comes up and holds the game, and the exit question
// can be asked and answered No.
TEST_F(PlayTest, AGameAmongComputersRunsToItsResultsWhileTheWindowStaysUsable)
{
    const auto nearTheEnd = [](GameState& s) {
        for (PlayerSlot& slot : s.slots)
            slot.picture = 0;
        s.noGameStarted = 0;
        placeStartingPieces(s);
        int k = 0;
        for (int h = 0; h < HoleCount && k < PiecesPerPlayer - 1; ++h)
            if (holeDistance(h, TargetApex[0]) <= 3 && h != 9)
                s.pieces[k++].hole = static_cast<uint16_t>(h);
        // The last piece a few steps below the empty target hole, in the middle.
        for (int h = 0; h < HoleCount; ++h)
            if ((zoneFlags(h) & 0xFFFF) == 0 && holeDistance(h, 9) == 3) {
                s.pieces[9].hole = static_cast<uint16_t>(h);
                break;
            }
    };
    const GameState& s = window->game().state();

    // A timer that fires on every pass of the event loop counts the passes
    // made while the next computer turn is queued and none is being played
    // (a turn keeps the wait cursor up): only an event loop that runs
    // between two turns makes them. Glide frames, which also let timers
    // fire, do so under the wait cursor.
    int loopsBetweenTurns = 0;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (window->game().computersPlaying() && QApplication::overrideCursor() == nullptr
            && QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr)
            ++loopsBetweenTurns;
    });

    bool resultsSeen = false;
    bool continueAsked = false;
    auto* answers = new QTimer(window.get());
    QObject::connect(answers, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* results = qobject_cast<ResultsDialog*>(modal)) {
            shot("play-results");
            resultsSeen = true;
            results->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->windowTitle() == "Tavolux") {
            continueAsked = true;
            box->button(QMessageBox::No)->click();
        }
    });

    tavolux::testing::loadEdited(window->game(), nearTheEnd); // the computers play from the event loop
    ASSERT_TRUE(window->game().computersPlaying());

    // Alt+G typed while a computer's piece glides: the menu opens once the
    // turn is over, and no turn is played while it is open.
    QProcess typing;
    typing.start(QStringLiteral("xdotool"), {"key", "alt+g"});
    ASSERT_TRUE(eventually([] { return QApplication::activePopupWidget() != nullptr; }));
    const Position held = s.pieces;
    QTest::qWait(800);
    EXPECT_EQ(s.pieces, held);
    xdotool({"key", "Escape"});
    ASSERT_TRUE(eventually([] { return QApplication::activePopupWidget() == nullptr; }));

    // The exit question, answered No: the game goes on.
    ASSERT_TRUE(eventually([&] { return window->game().computersPlaying(); }));
    auto* no = new QTimer(window.get());
    bool exitAsked = false;
    QObject::connect(no, &QTimer::timeout, [&, no] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->windowTitle() == "Exit Game") {
            exitAsked = true;
            no->stop();
            box->button(QMessageBox::No)->click();
        }
    });
    no->start(10);
    window->runCommand(command::Exit);
    EXPECT_TRUE(exitAsked);
    EXPECT_TRUE(window->isVisible());

    watcher.start();
    answers->start(10);
    ASSERT_TRUE(eventually([&] { return s.gameOver != 0; }, 60000));
    EXPECT_TRUE(continueAsked);
    EXPECT_TRUE(eventually([&] { return resultsSeen; })) << "the results follow from the event loop";
    EXPECT_GT(loopsBetweenTurns, 0) << "the event loop ran between the turns";
    EXPECT_EQ(s.finishOrder[0], 0);
    EXPECT_EQ(window->referee()->line(0), QStringLiteral("GAME OVER"));
}

} // namespace

namespace {

// A person near the end of a game against a computer opens the move list,
// looks back at an earlier move with the real pointer (the board shows it
// and takes no drag), returns with Escape, finishes, and finds the game in
// the statistics. Screenshots of the review and of the statistics.
TEST_F(PlayTest, APersonReviewsAnEarlierMoveFinishesAndSeesTheStatistics)
{
    GameState s = window->game().state();
    s.slots[0].picture = 3;
    s.slots[0].name = "Human";
    s.slots[1].picture = 0;
    s.slots[2].active = 0;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    // Nine pieces home, the tenth two steps below the empty target hole 9.
    for (int k = 0; k < PiecesPerPlayer - 1; ++k)
        s.pieces[k].hole = static_cast<uint16_t>(k);
    s.pieces[9].hole = 30;
    s.playerToMove = 0;
    window->game().load(s);
    ASSERT_TRUE(window->runCommand(command::MoveList));
    auto* rows = window->moveListHost().window()->findChild<QListWidget*>("moveRows");

    pressAndDragTowards(30, 18);
    xdotool({"mouseup", "1"});
    ASSERT_TRUE(eventually([&] { return window->game().waitingForPerson(); }));
    ASSERT_EQ(window->game().moveList().current(), 2u);

    // Row 1 with the real pointer: the board after the person's move.
    const QRect row = rows->visualItemRect(rows->item(1));
    xdotool(QStringList{"mousemove"} + point(rows->viewport()->mapToGlobal(row.center())));
    xdotool({"click", "1"});
    ASSERT_TRUE(eventually([&] { return window->moveListHost().reviewing(); }));
    EXPECT_EQ(window->moveListHost().reviewedState()->pieces, window->game().moveList().positionAfter(1).pieces);
    QTest::qWait(100);
    shot("movelist-review");
    const Position live = window->game().state().pieces;
    pressAndDragTowards(18, 9);
    xdotool({"mouseup", "1"});
    QTest::qWait(100);
    EXPECT_EQ(window->game().state().pieces, live) << "no drag while an earlier board is shown";

    xdotool({"key", "Escape"});
    ASSERT_TRUE(eventually([&] { return !window->moveListHost().reviewing(); }));

    bool resultsSeen = false;
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* results = qobject_cast<ResultsDialog*>(modal)) {
            resultsSeen = true;
            results->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok)->click(); // "... has finished"
        }
    });
    answers.start(20);
    pressAndDragTowards(18, 9);
    xdotool({"mouseup", "1"});
    ASSERT_TRUE(eventually([&] { return resultsSeen; }));
    answers.stop();
    EXPECT_TRUE(window->game().state().gameOver);

    QString shown;
    QTimer::singleShot(300, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shot("statistics-window");
        for (auto* table : dialog->findChildren<QTableWidget*>())
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (table->item(r, c))
                        shown += table->item(r, c)->text() + QLatin1Char(c + 1 == table->columnCount() ? '\n' : '|');
        dialog->close();
    });
    window->runCommand(command::Statistics);
    // One game, first place; its moves are not counted, as it did not start
    // from the opening.
    EXPECT_TRUE(shown.contains(QStringLiteral("Human|Person|1|1|0|0|0|"))) << shown.toStdString();
}

} // namespace
