// The hint and the last moves as an X server shows them: a three-player
// game started through the setup sheet, two rounds of a person's move with
// the real pointer answered by both computers, and the screen read back
// where the trail and then a hint are drawn. Screenshots of both are kept.

#include "ai/hint.h"
#include "tests/support/xserver_fixture.h"
#include "view/colours.h"

#include <cmath>
#include <utility>

using namespace tavolux;
using namespace tavolux::playtest;

namespace {

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= 60;
}

class HelpersScreenTest : public PlayTest {
protected:
    QImage grabScreen() const { return window->screen()->grabWindow(0).toImage(); }
    QColor at(const QImage& screen, QPoint global) const
    {
        return screen.pixelColor(global * window->devicePixelRatioF());
    }
    // A point on the ring that marks a move's start hole.
    QPoint ringPoint(int hole) const
    {
        const BoardView& v = window->boardView();
        const double width = std::max(3.0, std::min(v.pieceRadiusX, v.pieceRadiusY) / 4.0);
        return onScreen(hole) + QPoint(int(std::lround(v.holeRadiusX - width / 2)), 0);
    }
};

TEST_F(HelpersScreenTest, TheTrailOfBothRepliesAndAHintAreOnTheScreen)
{
    newGame(3, 0, 0);
    Game& game = window->game();
    ASSERT_TRUE(game.waitingForPerson());
    // Two rounds, so that the computers' second replies leave their homes.
    int moved = 0;
    for (const auto& [from, to] : {std::pair{111, 103}, std::pair{112, 104}}) {
        pressAndDragTowards(from, to);
        xdotool({"mouseup", "1"});
        ++moved;
        ASSERT_TRUE(eventually([&] { return game.waitingForPerson() && game.history().pos() == moved; }));
    }
    // The pointer leaves the board, so that no hover changes what is seen.
    xdotool(QStringList{"mousemove"} + point(window->frameGeometry().bottomRight() + QPoint(20, 20)));
    QTest::qWait(200);

    const std::vector<PlayedMove> moves = window->lastMoves().shownFor(game.state());
    ASSERT_EQ(moves.size(), 2u);
    const QImage trail = grabScreen();
    trail.save(QStringLiteral(SCREENSHOT_DIR "/trail.png"));
    for (const PlayedMove& m : moves)
        EXPECT_TRUE(near(at(trail, ringPoint(m.start)), colours::player(m.player)))
            << "the ring of player " << m.player << "'s move";

    const auto hint = suggestMove(game.state());
    ASSERT_TRUE(hint.has_value());
    QImage shown;
    QTimer::singleShot(600, [&] { shown = grabScreen(); });
    ASSERT_TRUE(window->runCommand(command::Hint));
    ASSERT_TRUE(eventually([&] { return !shown.isNull(); }));
    shown.save(QStringLiteral(SCREENSHOT_DIR "/hint.png"));
    EXPECT_TRUE(near(at(shown, onScreen(hint->destination())), colours::Hint));
    const QPoint beside(window->boardView().pieceRadiusX * 3 / 4, 0); // the symbol
    EXPECT_TRUE(near(at(shown, onScreen(hint->start) + beside), colours::player(0))) << "the piece shows inside its ring";
    EXPECT_TRUE(eventually([&] { return !near(at(grabScreen(), onScreen(hint->destination())), colours::Hint); }))
        << "over";
}

} // namespace
