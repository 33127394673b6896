// Moving by clicks with a real pointer on an X server: a click lifts a
// piece and leaves it raised with its destinations marked, a click on a
// hole it cannot reach is refused with the reason, a second click on the
// piece (a double click to the server) puts it back, a press that slips
// less than the drag distance is still a click, and a click on a
// destination moves it and the computers answer. Screenshots of the lifted
// piece and of the pieces' symbols are kept.

#include "tests/support/xserver_fixture.h"

#include "view/boardmouse.h"

#include <QLabel>

using namespace tavolux;
using namespace tavolux::playtest;

namespace {

TEST_F(PlayTest, APieceIsMovedByClicks)
{
    window->showPieceSymbols(true);
    newGame(3, 0, 0);
    Game& game = window->game();
    const Position opening = game.state().pieces;
    BoardMouse& hand = *window->boardMouse();
    const auto clickOn = [&](int hole) {
        xdotool(QStringList{"mousemove"} + point(onScreen(hole)));
        xdotool({"click", "1"});
    };
    const auto status = [&] { return window->findChild<QLabel*>(QStringLiteral("statusPane"))->text(); };
    shot("symbols-window");

    clickOn(111);
    ASSERT_TRUE(eventually([&] { return hand.clickLifted(); }));
    QTest::qWait(100);
    shot("click-lifted");
    clickOn(60);
    ASSERT_TRUE(eventually([&] { return !hand.lift().lifted(); }));
    EXPECT_EQ(status(), QStringLiteral("The piece cannot reach that hole in one move."));

    clickOn(111);
    ASSERT_TRUE(eventually([&] { return hand.clickLifted(); }));
    clickOn(111);
    ASSERT_TRUE(eventually([&] { return !hand.lift().lifted(); })) << "the piece itself puts it back";
    EXPECT_EQ(game.state().pieces, opening);

    const QPoint slip = onScreen(111) + QPoint(QApplication::startDragDistance() / 2, 1);
    xdotool({"mousedown", "1"});
    xdotool(QStringList{"mousemove"} + point(slip));
    xdotool({"mouseup", "1"});
    ASSERT_TRUE(eventually([&] { return hand.clickLifted(); })) << "a slip of the hand is still a click";
    EXPECT_FALSE(hand.dragging());

    clickOn(103);
    ASSERT_TRUE(eventually([&] { return game.state().pieces[0].hole == 103 && game.waitingForPerson(); }));
    EXPECT_EQ(movedPieces(opening), 3) << "the person's piece and one of each computer";
}

} // namespace
