#include "view/windowpainter.h"

#include "lang/gametexts.h"
#include "view/boardpainter.h"
#include "view/colours.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavolux {

namespace {

const QColor MissingWallpaper(96, 96, 96);

void drawTitle(QPainter& painter, const MainLayout& m, const QPixmap& title)
{
    if (title.isNull())
        return;
    painter.drawPixmap(QRect(m.logoLeft, m.logoTop, m.logoWidth, m.logoHeight), title);
}

// The seats the panel shows, a row each: the classic table's three, taking
// part or not; at a bigger table the seats taking part.
std::vector<int> panelSeats(const GameState& s)
{
    std::vector<int> seats;
    const bool big = !usesOnlyDesignSeats(s);
    for (int p = 0; p < (big ? PlayerCount : DesignSeatCount); ++p)
        if (!big || s.slots[p].active)
            seats.push_back(p);
    return seats;
}

QRect pictureBox(const MainLayout& m, const GameState& s, int row)
{
    const PanelRow r = panelRow(m, row, !usesOnlyDesignSeats(s));
    return {r.left, r.top, r.pictureWidth, r.pictureHeight};
}

void drawHatchedBox(QPainter& painter, const QRect& box)
{
    painter.fillRect(box, Qt::white);
    painter.fillRect(box, QBrush(Qt::black, Qt::DiagCrossPattern));
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

void drawPictures(QPainter& painter, const WindowScene& scene)
{
    const GameState& s = *scene.state;
    const std::vector<int> seats = panelSeats(s);
    for (std::size_t row = 0; row < seats.size(); ++row) {
        const QRect box = pictureBox(*scene.layout, s, static_cast<int>(row));
        const PlayerSlot& slot = s.slots[seats[row]];
        if (s.noGameStarted || !slot.active || slot.picture >= PictureCount)
            drawHatchedBox(painter, box);
        else
            painter.drawPixmap(box, scene.pictures[slot.picture]);
    }
}

// The last font one of the functions below made, and what it was made for.
struct FontCache {
    int x = -1, y = -1;
    QFont font;
};

// A sans-serif face of `weight` whose line is marginY high and whose average
// character is marginX wide, so the panel's texts scale with the window in
// both ways.
QFont panelFont(FontCache& cache, int marginX, int marginY, QFont::Weight weight)
{
    if (marginX == cache.x && marginY == cache.y)
        return cache.font;
    QFont font(QStringLiteral("Aerial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight);
    font.setPixelSize(std::max(1, marginY));
    const int lineHeight = QFontMetrics(font).height();
    font.setPixelSize(std::max(1, marginY * marginY / std::max(1, lineHeight)));
    const int averageWidth = QFontMetrics(font).averageCharWidth();
    if (averageWidth > 0 && marginX > 0)
        font.setStretch(std::clamp(100 * marginX / averageWidth, 25, 400));
    cache = {marginX, marginY, font};
    return font;
}

QFont nameFont(int marginX, int marginY)
{
    static FontCache cache;
    return panelFont(cache, marginX, marginY, QFont::Bold);
}

// Two thirds of the name's size and plain, so it reads as a note on the name.
QFont strengthFont(int marginX, int marginY)
{
    static FontCache cache;
    return panelFont(cache, marginX * 2 / 3, marginY * 2 / 3, QFont::Normal);
}

// The setup sheet's names of the strengths (dialogs/playerchoices.cpp), in
// its context so that both show the same words.
constexpr const char* StrengthContext = "PlayerChoices";
constexpr const char* Strengths[StrengthCount] = {
    QT_TRANSLATE_NOOP("PlayerChoices", "Beginner"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Standard"),
    QT_TRANSLATE_NOOP("PlayerChoices", "Expert"),
};

// What the panel notes under a player's name besides its place: the strength of a computer
// that does not play the usual Standard game, else nothing.
QString strengthNote(const PlayerSlot& slot)
{
    if (!slot.isComputer() || slot.strength == Standard || slot.strength < 0 || slot.strength >= StrengthCount)
        return {};
    return QCoreApplication::translate(StrengthContext, Strengths[slot.strength]);
}

// The place a player finished in, as the panel notes it; empty while the
// player is still in play.
QString placeNote(const GameState& s, int player)
{
    for (int place = 0; place < s.finishCount && place < PlayerCount; ++place)
        if (s.finishOrder[place] == player)
            return GameTexts::place(place);
    return {};
}

// The strength note just below the name cell `cell`, from its left edge,
// cut short with an ellipsis rather than run past the window's right edge.
void drawStrengthNote(QPainter& painter, const MainLayout& m, const QRect& cell, const QString& note)
{
    painter.save();
    painter.setFont(strengthFont(m.marginX, m.marginY));
    const QFontMetrics metrics = painter.fontMetrics();
    const int room = m.clientWidth - cell.left();
    const QString shown = metrics.elidedText(note, Qt::ElideRight, room);
    const QRect line(cell.left(), cell.bottom() + 1, std::min(room, metrics.horizontalAdvance(shown)), metrics.height());
    painter.setPen(colours::StrengthText);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

// The tile at the pixel density of the painter's device, drawn once from
// one of another density as the painter would draw it at every repeat, so
// that tiling it is a plain copy.
QPixmap tileFor(const QPainter& painter, const QPixmap& tile, int tw, int th)
{
    const qreal density = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    if (tile.devicePixelRatio() == density || tw * density != std::floor(tw * density)
        || th * density != std::floor(th * density))
        return tile;
    static qint64 keptFrom = 0;
    static qreal keptDensity = 0;
    static QPixmap kept;
    if (keptFrom != tile.cacheKey() || keptDensity != density) {
        kept = QPixmap(int(tw * density), int(th * density));
        kept.setDevicePixelRatio(density);
        kept.fill(Qt::transparent);
        QPainter p(&kept);
        p.drawPixmap(QRect(0, 0, tw, th), tile);
        keptFrom = tile.cacheKey();
        keptDensity = density;
    }
    return kept;
}

} // namespace

void tileWallpaper(QPainter& painter, const QRect& area, const QPixmap& tile)
{
    if (tile.isNull()) {
        painter.fillRect(area, MissingWallpaper);
        return;
    }
    const QSizeF t = tile.deviceIndependentSize();
    const int tw = std::max(1, int(std::lround(t.width()))), th = std::max(1, int(std::lround(t.height())));
    const int columns = area.right() / tw + 1, rows = area.bottom() / th + 1;
    painter.drawTiledPixmap(QRect(0, 0, columns * tw, rows * th), tileFor(painter, tile, tw, th));
}

QPixmap blackAsTransparent(const QPixmap& picture)
{
    if (picture.isNull())
        return picture;
    QPixmap result = picture;
    result.setMask(picture.createMaskFromColor(Qt::black, Qt::MaskInColor));
    return result;
}

void drawPlayerNames(QPainter& painter, const WindowScene& scene)
{
    const GameState& s = *scene.state;
    if (s.noGameStarted)
        return;
    const MainLayout& m = *scene.layout;
    painter.save();
    painter.setFont(nameFont(m.marginX, m.marginY));
    const QFontMetrics metrics = painter.fontMetrics();
    const std::vector<int> seats = panelSeats(s);
    for (std::size_t row = 0; row < seats.size(); ++row) {
        const int i = seats[row];
        if (!s.slots[i].active)
            continue;
        const QString name = GameTexts::shownName(s.slots[i].name);
        const QRect box = pictureBox(m, s, static_cast<int>(row));
        const QRect cell(box.right() + 1, box.top(), metrics.horizontalAdvance(name), metrics.height());
        painter.fillRect(cell, i == s.playerToMove ? colours::player(i) : colours::WaitingName);
        painter.setPen(colours::NameText);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
        QString note = placeNote(s, i);
        if (const QString strength = strengthNote(s.slots[i]); !strength.isEmpty())
            note = note.isEmpty() ? strength : note + QStringLiteral(" · ") + strength;
        if (!note.isEmpty())
            drawStrengthNote(painter, m, cell, note);
    }
    painter.restore();
}

std::vector<PlayedMove> shownLastMoves(const WindowScene& scene)
{
    if (!scene.reviewedMoves.empty())
        return scene.reviewedMoves;
    if (scene.lastMoves == nullptr || scene.state == nullptr)
        return {};
    return scene.lastMoves->shownFor(*scene.state);
}

void paintMainWindow(QPainter& painter, const QRect& client, const WindowScene& scene)
{
    // The board covers its area whole: the wallpaper goes round it.
    const BoardView& v = *scene.view;
    painter.save();
    painter.setClipRegion(QRegion(client) - QRegion(v.originX, v.originY, v.width, v.height), Qt::IntersectClip);
    tileWallpaper(painter, client, *scene.wallpaper);
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawTitle(painter, *scene.layout, *scene.title);
    drawBoard(painter, *scene.view, scene.state->pieces, shownLastMoves(scene), scene.hiddenPiece,
              scene.pieceSymbols);
    drawPictures(painter, scene);
    painter.restore();
    drawPlayerNames(painter, scene);
}

void drawFramedPicture(QPainter& painter, const QRect& box, const QPixmap& picture, double fraction)
{
    const int mx = static_cast<int>(box.width() * fraction);
    const int my = static_cast<int>(box.height() * fraction);
    painter.fillRect(box, Qt::white);
    const QRect inner(box.left() + mx, box.top() + my, box.width() - 2 * mx, box.height() - 2 * my);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(inner, picture);
    painter.restore();
}

} // namespace tavolux

namespace tavolux {

namespace {

// The pixels the lines and rings of the last moves cover.
QRegion lastMovesArea(const BoardView& v, const std::vector<PlayedMove>& moves)
{
    QRegion area;
    const int reach = std::max({v.pieceRadiusX, v.pieceRadiusY, v.holeRadiusX, v.holeRadiusY})
                      + std::max(3, std::min(v.pieceRadiusX, v.pieceRadiusY) / 4) + 4;
    for (const PlayedMove& m : moves) {
        QRect box;
        for (int hole : m.path)
            if (hole >= 0 && hole < HoleCount)
                box |= QRect(v.holeScreen[hole].x, v.holeScreen[hole].y, 1, 1);
        if (m.start >= 0 && m.start < HoleCount)
            box |= QRect(v.holeScreen[m.start].x, v.holeScreen[m.start].y, 1, 1);
        area |= box.adjusted(-reach, -reach, reach, reach).translated(v.originX, v.originY);
    }
    return area;
}

} // namespace

QRect pieceArea(const BoardView& v, int hole)
{
    const ScreenPoint c = v.holeScreen[hole];
    const int mx = v.pieceRadiusX + 3, my = v.pieceRadiusY + 3;
    return {v.originX + c.x - mx, v.originY + c.y - my, 2 * mx + 1, 2 * my + 1};
}

SceneShown sceneShown(const WindowScene& scene)
{
    SceneShown s;
    s.layout = *scene.layout;
    s.view = *scene.view;
    s.wallpaper = scene.wallpaper ? scene.wallpaper->cacheKey() : 0;
    s.title = scene.title ? scene.title->cacheKey() : 0;
    for (int p = 0; p < PictureCount; ++p)
        s.pictures[p] = scene.pictures ? scene.pictures[p].cacheKey() : 0;
    const GameState& state = *scene.state;
    s.noGameStarted = state.noGameStarted;
    s.playerToMove = state.playerToMove;
    s.pieceSymbols = scene.pieceSymbols;
    for (int place = 0; place < state.finishCount && place < PlayerCount; ++place)
        s.finished.push_back(state.finishOrder[place]);
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p] = {state.slots[p].name, state.slots[p].active, state.slots[p].strength, state.slots[p].picture};
    s.pieces = state.pieces;
    s.hiddenPiece = scene.hiddenPiece;
    s.lastMoves = shownLastMoves(scene);
    return s;
}

QRegion sceneChanges(const SceneShown& before, const SceneShown& after)
{
    const MainLayout& m = after.layout;
    if (!(before.layout == m) || !(before.view == after.view) || before.wallpaper != after.wallpaper
        || before.title != after.title || before.pieceSymbols != after.pieceSymbols)
        return QRegion(0, 0, m.clientWidth, m.clientHeight);
    QRegion changed;
    // The side panel: pictures, names and the player to move.
    if (before.noGameStarted != after.noGameStarted || before.playerToMove != after.playerToMove
        || before.finished != after.finished
        || !std::equal(std::begin(before.slots), std::end(before.slots), std::begin(after.slots))
        || !std::equal(std::begin(before.pictures), std::end(before.pictures), std::begin(after.pictures)))
        changed = QRegion(m.panelLeft, m.panelTop, m.clientWidth - m.panelLeft, m.clientHeight - m.panelTop);
    const BoardView& v = after.view;
    auto shows = [](const SceneShown& s, int k) {
        return s.pieces[k].owner != 0 && s.pieces[k].hole < HoleCount && k != s.hiddenPiece;
    };
    for (int k = 0; k < PieceCount; ++k) {
        const bool was = shows(before, k), is = shows(after, k);
        if (was == is && (!was || (before.pieces[k].hole == after.pieces[k].hole
                                   && before.pieces[k].owner == after.pieces[k].owner)))
            continue;
        if (was)
            changed |= pieceArea(v, before.pieces[k].hole);
        if (is)
            changed |= pieceArea(v, after.pieces[k].hole);
    }
    if (before.lastMoves != after.lastMoves)
        changed |= lastMovesArea(v, before.lastMoves) | lastMovesArea(v, after.lastMoves);
    return changed;
}

} // namespace tavolux
