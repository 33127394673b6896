// The hint and the last moves as an X server shows them: a three-player
// game started through the setup sheet, a person's move answered by both
// computers, the screen read back where the trail and the hint are drawn.
// Screenshots of the trail and of a hint are kept.

#include "ai/hint.h"
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programresources.h"
#include "app/soundplayer.h"
#include "dialogs/setupsheet.h"
#include "view/colours.h"
#include "view/windowcanvas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace tavolux;

namespace {

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= 60;
}

class HelpersScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources = new ProgramResources(ProgramResources::load()); }
    static void TearDownTestSuite() { delete resources; }

    void SetUp() override
    {
        window = std::make_unique<MainWindow>(*resources, sounds);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window->game().state.noGameStarted = 1; // no abandon question
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                timer->deleteLater();
                box->button(QMessageBox::Yes)->click();
            }
        });
        timer->start(10);
        window->close();
        window.reset();
    }

    void newGame(int p0, int p1, int p2)
    {
        GameState& s = window->game().state;
        const int pictures[3] = {p0, p1, p2};
        for (int p = 0; p < PlayerCount; ++p)
            s.slots[p].picture = static_cast<uint16_t>(pictures[p]);
        QTimer::singleShot(50, [] {
            auto* sheet = qobject_cast<SetupSheet*>(QApplication::activeModalWidget());
            ASSERT_NE(sheet, nullptr);
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        window->runCommand(command::NewGame);
    }

    QPoint holePoint(int hole) const
    {
        const BoardView& v = window->boardView();
        return QPoint(v.holeScreen[hole].x + v.originX, v.holeScreen[hole].y + v.originY);
    }
    // A point on the ring that marks a move's start hole.
    QPoint ringPoint(int hole) const
    {
        const BoardView& v = window->boardView();
        const double width = std::max(3.0, std::min(v.pieceRadiusX, v.pieceRadiusY) / 4.0);
        return holePoint(hole) + QPoint(int(std::lround(v.holeRadiusX - width / 2)), 0);
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget* canvas = window->canvas();
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    void drag(int from, int to)
    {
        mouse(QEvent::MouseButtonPress, holePoint(from), Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, (holePoint(from) + holePoint(to)) / 2, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, holePoint(to), Qt::LeftButton, Qt::NoButton);
    }

    // The screen, and the colour it shows at a point of the board widget.
    QImage grabScreen() const { return window->screen()->grabWindow(0).toImage(); }
    QColor onScreen(const QImage& screen, QPoint at) const
    {
        const QPoint p = window->canvas()->mapToGlobal(at) * window->devicePixelRatioF();
        return screen.pixelColor(p);
    }
    void save(const QImage& screen, const char* name) const
    {
        screen.save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)));
    }

    static inline ProgramResources* resources = nullptr;
    SoundPlayer sounds;
    std::unique_ptr<MainWindow> window;
};

TEST_F(HelpersScreenTest, TheTrailOfBothRepliesAndAHintAreOnTheScreen)
{
    newGame(3, 0, 0);
    Game& game = window->game();
    ASSERT_TRUE(game.waitingForPerson());
    // Two rounds, so that the computers' second replies leave their homes.
    for (const auto& [from, to] : {std::pair{111, 103}, std::pair{112, 104}}) {
        drag(from, to);
        QElapsedTimer clock;
        clock.start();
        while (!game.waitingForPerson() && clock.elapsed() < 10000)
            QTest::qWait(10);
        ASSERT_TRUE(game.waitingForPerson());
    }
    QTest::qWait(200);

    const std::vector<PlayedMove> moves = window->lastMoves().shownFor(game.state);
    ASSERT_EQ(moves.size(), 2u);
    const QImage trail = grabScreen();
    save(trail, "trail");
    for (const PlayedMove& m : moves)
        EXPECT_TRUE(near(onScreen(trail, ringPoint(m.start)), colours::player(m.player)))
            << "the ring of player " << m.player << "'s move";

    const auto hint = suggestMove(game.state);
    ASSERT_TRUE(hint.has_value());
    QImage shown;
    QTimer::singleShot(600, [&] { shown = grabScreen(); });
    ASSERT_TRUE(window->runCommand(command::Hint));
    ASSERT_FALSE(shown.isNull());
    save(shown, "hint");
    EXPECT_TRUE(near(onScreen(shown, holePoint(hint->destination())), colours::Hint));
    EXPECT_TRUE(near(onScreen(shown, holePoint(hint->start)), colours::player(0)));
    QTest::qWait(100);
    EXPECT_FALSE(near(onScreen(grabScreen(), holePoint(hint->destination())), colours::Hint)) << "over";
}

} // namespace
