// What the board and the main window look like: colours at known places of
// the star, pieces in and out of play, the hatched player panel before a
// game, the names with the player to move, the tiled wallpaper and the title
// with its black left out.

#include "model/gamestate.h"
#include "view/boardpainter.h"
#include "view/colours.h"
#include "view/windowpainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

BoardView boardView(int width, int height, int steps = 0)
{
    BoardView view;
    view.width = width;
    view.height = height;
    setViewSteps(view, steps);
    return view;
}

QImage render(const BoardView& view, const Position& pieces)
{
    QImage image(view.originX + view.width, view.originY + view.height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    drawBoard(painter, view, pieces);
    return image;
}

QPoint centroid(const BoardView& view, int a, int b, int c)
{
    const ScreenPoint p = view.holeScreen[a], q = view.holeScreen[b], r = view.holeScreen[c];
    return {view.originX + (p.x + q.x + r.x) / 3, view.originY + (p.y + q.y + r.y) / 3};
}

QPoint hole(const BoardView& view, int h)
{
    return {view.originX + view.holeScreen[h].x, view.originY + view.holeScreen[h].y};
}

QColor at(const QImage& image, QPoint p)
{
    return image.pixelColor(p);
}

} // namespace

TEST(DrawBoard, StarPointsTakeTheirAxisColours)
{
    const BoardView view = boardView(900, 860);
    const QImage image = render(view, Position{});
    const QColor olive(192, 192, 0), teal(0, 192, 192), dark(192, 0, 0);
    EXPECT_EQ(at(image, centroid(view, 1, 2, 4)), olive) << "top";
    EXPECT_EQ(at(image, centroid(view, 116, 118, 119)), olive) << "bottom";
    EXPECT_EQ(at(image, centroid(view, 11, 23, 24)), teal) << "upper left";
    EXPECT_EQ(at(image, centroid(view, 96, 97, 109)), teal) << "lower right";
    EXPECT_EQ(at(image, centroid(view, 20, 32, 33)), dark) << "upper right";
    EXPECT_EQ(at(image, centroid(view, 86, 87, 99)), dark) << "lower left";
    EXPECT_EQ(at(image, centroid(view, 50, 51, 60)), QColor(Qt::white)) << "centre";
    EXPECT_EQ(at(image, QPoint(5, 5)), QColor(Qt::white)) << "board corner";
    EXPECT_EQ(at(image, QPoint(0, 400)), QColor(Qt::black)) << "outline";
    EXPECT_EQ(at(image, QPoint(899, 400)), QColor(Qt::black)) << "outline";
}

TEST(DrawBoard, HolesAndTheLargerWhiteTipHoles)
{
    const BoardView view = boardView(900, 860);
    const QImage image = render(view, Position{});
    for (int h = 0; h < HoleCount; ++h)
        EXPECT_EQ(at(image, hole(view, h)), colours::Hole) << "hole " << h;
    const int ring = (view.holeRadiusX + view.tipRadiusX) / 2;
    for (int tip : {0, 10, 22, 98, 110, 120}) {
        EXPECT_EQ(at(image, hole(view, tip) + QPoint(ring, 0)), QColor(Qt::white)) << "tip " << tip;
        EXPECT_EQ(at(image, hole(view, tip) - QPoint(ring, 0)), QColor(Qt::white)) << "tip " << tip;
    }
    // An ordinary hole has no white ring: the star colour reaches its edge.
    EXPECT_EQ(at(image, hole(view, 4) + QPoint(0, view.holeRadiusY + 2)), QColor(192, 192, 0));
}

TEST(DrawBoard, MarkersShowEachPlayersHomeAndTarget)
{
    const BoardView view = boardView(1000, 1000);
    const QImage image = render(view, Position{});
    const int MarkerPlayer[6] = {2, 0, 1, 2, 0, 1};
    for (int k = 0; k < 6; ++k) {
        // Halfway between the arrow's point and its notch, on its axis.
        const TipMarker& m = view.tipMarkers[k];
        const QPoint inside((m[0].x + m[2].x) / 2, (m[0].y + m[2].y) / 2);
        EXPECT_EQ(at(image, inside), colours::player(MarkerPlayer[k])) << "marker " << k;
    }
}

TEST(DrawBoard, PiecesInPlayAreDrawnAndOthersLeaveTheHoleEmpty)
{
    BoardView view = boardView(700, 650);
    view.originX = 30;
    view.originY = 20;
    layoutBoard(view);
    Position pieces{};
    pieces[0] = {111, 0x1};
    pieces[10] = {60, 0x10};
    pieces[20] = {22, 0x100};
    pieces[21] = {61, 0}; // picked up and being dragged
    const QImage image = render(view, pieces);
    EXPECT_EQ(at(image, hole(view, 111)), QColor(255, 255, 0));
    EXPECT_EQ(at(image, hole(view, 60)), QColor(0, 255, 255));
    EXPECT_EQ(at(image, hole(view, 22)), QColor(255, 0, 0));
    EXPECT_EQ(at(image, hole(view, 61)), colours::Hole);
    // The piece sits inside a dark ring of its hole.
    const int ring = (view.pieceRadiusX + view.holeRadiusX + 1) / 2;
    EXPECT_EQ(at(image, hole(view, 60) + QPoint(ring, 0)), colours::Hole);
    EXPECT_EQ(at(image, QPoint(10, 10)), QColor(Qt::magenta)) << "nothing drawn outside the board area";
}

TEST(DrawBoard, TurnedViewMovesThePiecesWithTheBoard)
{
    const BoardView view = boardView(800, 800, 2);
    Position pieces{};
    pieces[0] = {10, 0x10};
    const QImage image = render(view, pieces);
    EXPECT_EQ(at(image, hole(view, 10)), QColor(0, 255, 255));
    EXPECT_GT(hole(view, 10).y(), 700) << "player 2's tip is at the bottom in view 2";
}

namespace {

// A small main window's worth of scene with plain, recognisable pictures.
struct SceneFixture {
    MainLayout layout = computeMainLayout(800, 580);
    BoardView view;
    GameState state = initialGameState();
    QPixmap wallpaper = solid(16, 16, QColor(0, 90, 0));
    QPixmap title;
    QPixmap pictures[PictureCount];

    SceneFixture()
    {
        setBoardArea(view, 800, 580);
        layoutBoard(view);
        for (int p = 0; p < PictureCount; ++p)
            pictures[p] = solid(96, 96, QColor(10 * p, 100, 200));
        QPixmap t = solid(216, 71, Qt::black);
        QPainter painter(&t);
        painter.fillRect(54, 18, 108, 35, QColor(250, 200, 50));
        painter.end();
        title = blackAsTransparent(t);
    }

    static QPixmap solid(int w, int h, QColor colour)
    {
        QPixmap p(w, h);
        p.fill(colour);
        return p;
    }

    QImage paint(int hiddenPiece = -1)
    {
        WindowScene scene{&layout, &view, &state, &wallpaper, &title, pictures};
        scene.hiddenPiece = hiddenPiece;
        QImage image(layout.clientWidth, layout.clientHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        paintMainWindow(painter, image.rect(), scene);
        return image;
    }

    QRect box(int slot) const
    {
        return {layout.panelLeft, layout.panelTop + slot * layout.rowPitch, layout.pictureWidth,
                layout.pictureHeight};
    }

    QPoint nameCell(int slot) const
    {
        return {layout.panelLeft + layout.pictureWidth + 2, layout.panelTop + slot * layout.rowPitch + 1};
    }
};

bool isHatched(const QImage& image, const QRect& box)
{
    int black = 0, white = 0, other = 0;
    for (int y = box.top() + 1; y < box.bottom(); ++y) {
        for (int x = box.left() + 1; x < box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Qt::black)
                ++black;
            else if (c == Qt::white)
                ++white;
            else
                ++other;
        }
    }
    return other == 0 && black > white / 8 && white > black;
}

} // namespace

TEST(PaintMainWindow, BeforeTheFirstGameEveryBoxIsHatchedAndNoNameIsWritten)
{
    SceneFixture f;
    const QImage image = f.paint();
    for (int slot = 0; slot < DesignSeatCount; ++slot) {
        EXPECT_TRUE(isHatched(image, f.box(slot))) << "slot " << slot;
        EXPECT_EQ(image.pixelColor(f.nameCell(slot)), QColor(0, 90, 0)) << "slot " << slot;
    }
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0, 90, 0)) << "wallpaper around the board";
}

TEST(PaintMainWindow, ActivePlayersShowPictureAndNameWithThePlayerToMoveHighlighted)
{
    SceneFixture f;
    f.state.noGameStarted = 0;
    f.state.slots[2].active = 0;
    placeStartingPieces(f.state);
    f.state.playerToMove = 1;
    const QImage image = f.paint();

    EXPECT_EQ(image.pixelColor(f.box(0).center()), QColor(30, 100, 200)) << "picture 3, the Boy";
    EXPECT_EQ(image.pixelColor(f.box(1).center()), QColor(0, 100, 200)) << "picture 0, the computer";
    EXPECT_TRUE(isHatched(image, f.box(2))) << "inactive slot";

    EXPECT_EQ(image.pixelColor(f.nameCell(0)), QColor(127, 127, 127)) << "waiting player";
    EXPECT_EQ(image.pixelColor(f.nameCell(1)), QColor(0, 255, 255)) << "player to move";
    EXPECT_EQ(image.pixelColor(f.nameCell(2)), QColor(0, 90, 0)) << "inactive player has no name";
    // Player 3's pieces are out of play: its home holes stay empty.
    const auto hole = [&f](int h) {
        return QPoint(f.view.originX + f.view.holeScreen[h].x, f.view.originY + f.view.holeScreen[h].y);
    };
    EXPECT_EQ(image.pixelColor(hole(22)), colours::Hole);
    // A piece the scene hides (gliding) leaves its hole empty, and only that one.
    const int gliding = 3;
    const QImage hidden = f.paint(gliding);
    EXPECT_EQ(hidden.pixelColor(hole(f.state.pieces[gliding].hole)), colours::Hole);
    EXPECT_EQ(hidden.pixelColor(hole(f.state.pieces[gliding + 1].hole)), colours::player(0));
}

TEST(PaintMainWindow, AComputerNotOfStandardStrengthHasItNotedJustBelowItsName)
{
    SceneFixture f;
    f.state.noGameStarted = 0;
    placeStartingPieces(f.state);
    const QImage standard = f.paint();
    // The name cell's left edge, one pixel below the cell.
    QPoint below = f.nameCell(2) - QPoint(2, 1);
    while (below.y() < standard.height() && standard.pixelColor(below) != QColor(0, 90, 0))
        below.ry() += 1;

    // A person's strength is never shown, nor a value no strength has.
    f.state.slots[0].strength = Expert;
    f.state.slots[1].strength = StrengthCount;
    EXPECT_EQ(f.paint(), standard);

    f.state.slots[2].strength = Expert;
    const QImage expert = f.paint();
    QRect changed;
    for (int y = 0; y < expert.height(); ++y)
        for (int x = 0; x < expert.width(); ++x)
            if (expert.pixel(x, y) != standard.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    ASSERT_GT(changed.width(), 3 * f.layout.marginX / 2);
    EXPECT_GE(changed.top(), below.y());
    EXPECT_LT(changed.top(), below.y() + f.layout.marginY / 2);
    EXPECT_LT(changed.bottom(), f.box(2).bottom());
    EXPECT_GE(changed.left(), below.x());
    EXPECT_LT(changed.left(), below.x() + f.layout.marginX);
}

TEST(PaintMainWindow, TitleLeavesItsBlackOut)
{
    SceneFixture f;
    const QImage image = f.paint();
    const QRect logo(f.layout.logoLeft, f.layout.logoTop, f.layout.logoWidth, f.layout.logoHeight);
    EXPECT_EQ(image.pixelColor(logo.topLeft() + QPoint(3, 3)), QColor(0, 90, 0));
    EXPECT_EQ(image.pixelColor(logo.bottomRight() - QPoint(3, 3)), QColor(0, 90, 0));
    EXPECT_EQ(image.pixelColor(logo.center()), QColor(250, 200, 50));
}

TEST(TileWallpaper, WholeTilesFromTheOriginEvenInANarrowArea)
{
    QImage tileImage(100, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            tileImage.setPixelColor(x, y, QColor(x * 2, y * 3, 77));
    const QPixmap tile = QPixmap::fromImage(tileImage);

    QImage narrow(50, 40, QImage::Format_RGB32);
    {
        QPainter painter(&narrow);
        tileWallpaper(painter, narrow.rect(), tile);
    }
    EXPECT_EQ(narrow.pixelColor(49, 39), tileImage.pixelColor(49, 39));

    QImage wide(250, 170, QImage::Format_RGB32);
    {
        QPainter painter(&wide);
        tileWallpaper(painter, wide.rect(), tile);
    }
    EXPECT_EQ(wide.pixelColor(130, 90), tileImage.pixelColor(30, 10));
    EXPECT_EQ(wide.pixelColor(249, 169), tileImage.pixelColor(49, 9));
}

TEST(DrawFramedPicture, WhiteBandsAroundTheStretchedPicture)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPixmap picture(96, 96);
    picture.fill(Qt::red);
    {
        QPainter painter(&image);
        drawFramedPicture(painter, image.rect(), picture, 0.05);
    }
    EXPECT_EQ(image.pixelColor(9, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 4), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(189, 94), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(190, 50), QColor(Qt::white));
}

// A player who has finished has its place noted under its name, before a
// strength; the others' rows stay as they were.
TEST(PaintMainWindow, AFinishedPlayerHasItsPlaceNotedBelowItsName)
{
    SceneFixture f;
    f.state.noGameStarted = 0;
    placeStartingPieces(f.state);
    const QImage playing = f.paint();
    f.state.slots[1].finished = 1;
    f.state.finishOrder[0] = 1;
    f.state.finishCount = 1;
    const QImage finished = f.paint();
    QRect changed;
    for (int y = 0; y < finished.height(); ++y)
        for (int x = 0; x < finished.width(); ++x)
            if (finished.pixel(x, y) != playing.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_GT(changed.top(), f.nameCell(1).y());
    EXPECT_LT(changed.bottom(), f.box(1).bottom());
    EXPECT_GE(changed.left(), f.box(1).right());

    f.state.slots[1].picture = 0;
    f.state.slots[1].strength = Expert;
    const QImage both = f.paint();
    f.state.finishCount = 0;
    EXPECT_NE(both, f.paint()) << "the place stays beside the strength";
}

// Six players in the smallest window a 800 x 600 screen allows, each a
// computer of the widest name with its strength and place noted: every
// row's name and notes stay within the row, right of its picture and
// inside the window, and the pictures neither overlap nor leave it.
TEST(PaintMainWindow, SixPlayersFitTheSmallestWindowRowByRow)
{
    SceneFixture f;
    const WindowSize smallest = minimumWindowSize(800, 600, 0);
    f.layout = computeMainLayout(smallest.width, smallest.height - 20);
    setBoardArea(f.view, f.layout.boardWidth, f.layout.boardHeight);
    layoutBoard(f.view);
    f.state.noGameStarted = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        f.state.slots[p] = initialGameState().slots[1];
        f.state.slots[p].name = "WWWWWWWW";
        f.state.slots[p].strength = Expert;
    }
    placeStartingPieces(f.state);
    f.state.finishCount = PlayerCount;
    for (int p = 0; p < PlayerCount; ++p)
        f.state.finishOrder[p] = static_cast<uint16_t>(PlayerCount - 1 - p);
    const QImage full = f.paint();
    full.save(QStringLiteral(SCREENSHOT_DIR "/six-players-smallest.png"));

    const QRect client(0, 0, f.layout.clientWidth, f.layout.clientHeight);
    QRect previous;
    for (int p = 0; p < PlayerCount; ++p) {
        SCOPED_TRACE(p);
        const PanelRow row = panelRow(f.layout, p, true);
        const QRect picture(row.left, row.top, row.pictureWidth, row.pictureHeight);
        EXPECT_TRUE(client.contains(picture));
        EXPECT_FALSE(picture.intersects(previous)) << "rows overlap";
        EXPECT_GE(picture.left(), f.layout.boardLeft + f.layout.boardWidth) << "the panel keeps off the board";
        EXPECT_EQ(full.pixelColor(picture.center()), QColor(0, 100, 200)) << "the computer's picture";
        previous = picture;

        // Without its name and notes the row shows only the wallpaper there.
        GameState bare = f.state;
        bare.slots[p].name.clear();
        bare.slots[p].strength = Standard;
        bare.finishOrder[PlayerCount - 1 - p] = PlayerCount;
        std::swap(bare, f.state);
        const QImage without = f.paint();
        std::swap(bare, f.state);
        QRect changed;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                if (full.pixel(x, y) != without.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        ASSERT_FALSE(changed.isEmpty());
        const int nextTop = p + 1 < PlayerCount ? panelRow(f.layout, p + 1, true).top : client.bottom();
        EXPECT_GE(changed.top(), row.top);
        EXPECT_LT(changed.bottom(), nextTop) << "the notes run into the next row";
        EXPECT_GT(changed.left(), picture.right() - 1);
        EXPECT_LT(changed.right(), client.right()) << "cut off by the window's edge";
        EXPECT_GT(changed.width(), 4 * f.layout.marginX) << "the whole name is drawn";
    }
}
