// The window's kept pictures (the empty board, the pieces, the wallpaper
// tile and the composed client area) never show what is gone: after a move
// only its part is painted, and after a resize, a turn of the board, another
// wallpaper or another language the picture is the one a full composition
// gives, with every piece and empty hole where the scene has it.

#include "lang/translations.h"
#include "view/boardflash.h"
#include "view/colours.h"
#include "view/hintflash.h"
#include "view/windowpainter.h"
#include "tests/support/window_fixture.h"

#include "app/rotatebutton.h"

#include <QPaintEvent>

namespace tavolux::testing {

namespace {

// The regions the canvas is asked to paint.
class PaintLog : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24
           && std::abs(a.blue() - b.blue()) < 24;
}

class CanvasKeep : public WindowPlayTest {
protected:
    QImage shown() const
    {
        WindowCanvas& c = *window->canvas();
        return c.picture().toImage().copy(QRect(QPoint(0, 0), c.size() * c.picture().devicePixelRatio()));
    }

    // The picture holds the scene: what the canvas shows now is what it
    // shows once composed anew, every hole holds its piece or is empty,
    // and the wallpaper is the one chosen.
    void expectShowsTheScene(const char* after)
    {
        SCOPED_TRACE(after);
        QApplication::processEvents();
        const QImage now = shown();
        window->canvas()->repaint();
        const QImage whole = shown();
        EXPECT_TRUE(now == whole) << "the kept picture differs from a new one";

        const BoardView& v = window->boardView();
        const GameState& s = window->game().state();
        int pieceOn[HoleCount];
        std::fill(std::begin(pieceOn), std::end(pieceOn), -1);
        for (int k = 0; k < PieceCount; ++k)
            if (s.pieces[k].owner != 0)
                pieceOn[s.pieces[k].hole] = k;
        int wrong = 0;
        for (int h = 0; h < HoleCount; ++h) {
            const QColor at = whole.pixelColor(pieceOn[h] >= 0 ? piecePoint(h) : holePoint(h));
            const QColor want = pieceOn[h] >= 0 ? colours::owner(s.pieces[pieceOn[h]].owner) : colours::Hole;
            const bool tip = h == 0 || h == 10 || h == 22 || h == 98 || h == 110 || h == 120;
            const bool bad = !near(at, want) && !(tip && pieceOn[h] < 0 && near(at, colours::TipHole));
            wrong += bad;
            if (bad)
                ADD_FAILURE() << "hole " << h << " shows " << at.name().toStdString();
        }
        EXPECT_EQ(wrong, 0) << "holes showing another piece or none";
        // The star points turn with the board.
        const struct {
            int a, b, c;
            QColor colour;
        } points[] = {{1, 2, 4, QColor(192, 192, 0)}, {11, 23, 24, QColor(0, 192, 192)}, {20, 32, 33, QColor(192, 0, 0)}};
        for (const auto& p : points) {
            const QPoint centroid = (holePoint(p.a) + holePoint(p.b) + holePoint(p.c)) / 3;
            EXPECT_TRUE(near(whole.pixelColor(centroid), p.colour)) << "star point of hole " << p.a;
        }
        const QImage tile = window->resources().wallpaper(window->wallpaperIndex()).toImage();
        const QPoint corner(v.originX / 2, v.originY / 2);
        EXPECT_TRUE(near(whole.pixelColor(corner), tile.pixelColor(corner * tile.devicePixelRatio())));
    }
};

TEST_F(CanvasKeep, AMovePaintsOnlyItsPartAndTheLastMovesTheirs)
{
    window->showLastMoves(true);
    startGame(1, 2, 3);
    expectShowsTheScene("a new game");

    PaintLog log;
    window->canvas()->installEventFilter(&log);
    ASSERT_TRUE(moveAnyPiece(0));
    QApplication::processEvents();
    window->canvas()->removeEventFilter(&log);
    ASSERT_FALSE(log.regions.empty());
    const QRect all = window->canvas()->rect();
    for (const QRegion& r : log.regions)
        EXPECT_LT(r.boundingRect().width() * r.boundingRect().height(), all.width() * all.height() / 2)
            << "a move repainted the whole window";
    expectShowsTheScene("a piece dragged, its move shown to the next player");

    ASSERT_TRUE(moveAnyPiece(1));
    expectShowsTheScene("the second player's move");
    window->showLastMoves(false);
    expectShowsTheScene("the last moves hidden");
}

TEST_F(CanvasKeep, KeptPicturesFollowSizeTurnWallpaperAndLanguage)
{
    startGame(1, 2, 3);
    ASSERT_TRUE(moveAnyPiece(0));
    expectShowsTheScene("a move");

    window->resize(1200, 820);
    QApplication::processEvents();
    expectShowsTheScene("a resize");

    window->rotateButton(true)->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->game().state().boardRotation != 0 && !window->rotateButton(true)->isDown(); }, 5000));
    expectShowsTheScene("a turn of the board");

    window->setWallpaperIndex(2);
    expectShowsTheScene("another wallpaper");

    const QRect names(window->mainLayout().panelLeft, window->mainLayout().panelTop,
                      window->canvas()->width() - window->mainLayout().panelLeft, window->mainLayout().rowPitch);
    const QImage english = shown().copy(names);
    const QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    ASSERT_EQ(installTranslations({QStringLiteral("de")}, folders), "de");
    QTest::qWait(20);
    EXPECT_NE(shown().copy(names), english) << "the first name still shown in English";
    expectShowsTheScene("another language");
    installTranslations({QStringLiteral("en")}, folders);
}

TEST_F(CanvasKeep, AHintPaintsOnlyRoundItsMarksAndLeavesNoneBehind)
{
    startGame(1, 2, 3);
    expectShowsTheScene("a new game");
    const QImage before = shown();
    PaintLog log;
    window->canvas()->installEventFilter(&log);
    BoardFlash flash;
    startHintFlash(flash, *window->canvas(), window->boardView(), piece(0).hole, {103});
    QApplication::processEvents();
    EXPECT_NE(shown(), before) << "no hint drawn";
    flash.stop();
    QApplication::processEvents();
    window->canvas()->removeEventFilter(&log);
    ASSERT_FALSE(log.regions.empty());
    const QRect all = window->canvas()->rect();
    for (const QRegion& r : log.regions)
        EXPECT_LT(r.boundingRect().width() * r.boundingRect().height(), all.width() * all.height() / 4)
            << "the hint repainted the whole window";
    EXPECT_EQ(shown(), before) << "the hint's marks stayed";
    expectShowsTheScene("the hint's end");
}

} // namespace

} // namespace tavolux::testing
