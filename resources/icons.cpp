// The program's icon, a star board with the players' coloured points, drawn
// anew for each size so that small sizes stay clear; and the player
// icons, glossy marbles in the players' colours.
#include "resources/artwork.h"

#include "resources/artcache.h"
#include "resources/drawkit.h"

#include "model/board.h"

namespace tavolux::art {

namespace {

// Star height in pitches (16 rows of sqrt(3)/2) plus the plate on both sides.
constexpr qreal StarRows = 16 * 0.8660254;

// One large marble in the middle of each player's home point (the sixth of
// its start holes), for sizes too small to show ten.
void placeBigMarbles(StarBoardLook& look)
{
    look.marbleRadius = look.pitch * 1.2;
    look.pieceCount = 0;
    for (int player = 0; player < DesignSeatCount; ++player)
        look.pieces[look.pieceCount++] = {StartHoles[player][5], player};
}

QPixmap drawAppIcon(int size)
{
    QImage image = canvas(size, size, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    StarBoardLook look;
    look.plateMargin = size * (size < 48 ? 0.03 : 0.045);
    look.pitch = (size - 2 * look.plateMargin - size * 0.03) / StarRows;
    look.holeRadius = look.pitch * 0.2;
    look.marbleRadius = look.pitch * 0.46;
    look.drawHoles = size >= 64;
    look.drawGrid = size >= 128;
    if (size >= 64)
        placeStartPieces(look);
    else if (size >= 32)
        placeBigMarbles(look);
    drawStarBoard(p, QPointF(size / 2.0, size / 2.0 - size * 0.012), look);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap drawPlayerIcon(int player)
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMarble(p, QPointF(15.5, 15), 13, playerColours()[player]);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap appIconPixmap(int size)
{
    if (size <= 0 || size > 1024)
        return QPixmap();
    return cachedPixmap(QStringLiteral("appicon%1").arg(size), [size] { return drawAppIcon(size); });
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : AppIconSizes)
        icon.addPixmap(appIconPixmap(size));
    return icon;
}

QPixmap playerIcon(int player)
{
    if (player < 0 || player >= PlayerCount)
        return QPixmap();
    return cachedPixmap(QStringLiteral("playericon%1").arg(player), [player] { return drawPlayerIcon(player); });
}

} // namespace tavolux::art
