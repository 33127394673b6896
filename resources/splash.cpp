// The welcome picture shown while the program starts: a star board in the
// middle of a game, one marble caught in mid-jump, and the program's name.
// The top-left corner stays light, as the splash window writes two lines of
// black text there.
#include "resources/artwork.h"

#include "resources/artcache.h"
#include "resources/drawkit.h"

#include "model/board.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace tavolux::art {

namespace {

const QPointF BoardCentre(452, 158);
constexpr qreal Pitch = 19.5;

// A game some moves old: (row, column) of every piece, player by player.
constexpr int Pieces[30][3] = {
    {0, 16, 0}, {0, 15, -1}, {0, 15, 1}, {0, 14, -2}, {0, 14, 2}, {0, 13, -3}, {0, 11, -1}, {0, 10, 2}, {0, 9, -1}, {0, 12, 4},
    {1, 4, -12}, {1, 4, -10}, {1, 4, -8}, {1, 5, -9}, {1, 5, -7}, {1, 6, -8}, {1, 7, -5}, {1, 8, -2}, {1, 6, -4}, {1, 9, -3},
    {2, 4, 12}, {2, 4, 10}, {2, 5, 11}, {2, 5, 9}, {2, 6, 10}, {2, 4, 6}, {2, 7, 5}, {2, 6, 6}, {2, 8, 4}, {2, 5, 3},
};

void drawBackground(QPainter& p)
{
    const QRectF all(0, 0, SplashWidth, SplashHeight);
    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0, QColor(255, 253, 246));
    sky.setColorAt(0.55, QColor(250, 236, 206));
    sky.setColorAt(1, QColor(232, 198, 150));
    p.fillRect(all, sky);
    QRadialGradient halo(BoardCentre, 230);
    halo.setColorAt(0, QColor(255, 255, 255, 200));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(all, halo);
    p.setPen(QPen(QColor(200, 150, 90, 60), 1));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(BoardCentre, 160.0 + i * 14, 160.0 + i * 14);
    p.setPen(QPen(QColor(150, 100, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(1, 1, -1, -1));
}

void drawBoardInPlay(QPainter& p)
{
    StarBoardLook look;
    look.pitch = Pitch;
    look.plateMargin = 13;
    look.holeRadius = 3.4;
    look.marbleRadius = 7.2;
    for (const auto& piece : Pieces)
        look.pieces[look.pieceCount++] = {holeAt(piece[1], piece[2]), piece[0]};
    drawStarBoard(p, BoardCentre, look);
}

// Player 1's marble at the top of a hop from row 11 over row 10 to row 9,
// with a fading trail behind it and its shadow on the board.
void drawJump(QPainter& p)
{
    QPointF from = starHole(holeAt(11, 3), BoardCentre, Pitch);
    QPointF to = starHole(holeAt(9, 1), BoardCentre, Pitch);
    QPointF mid = (from + to) / 2;
    QPainterPath arc;
    arc.moveTo(from);
    arc.quadTo(mid - QPointF(0, 110), to);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(mid + QPointF(4, 4), 9, 4);
    for (int i = 1; i <= 4; ++i) {
        QColor ghost = playerColours()[0];
        ghost.setAlpha(40 + 30 * i);
        p.setBrush(ghost);
        p.drawEllipse(arc.pointAtPercent(0.1 * i), 2.0 + i, 2.0 + i);
    }
    drawMarble(p, arc.pointAtPercent(0.5), 10, playerColours()[0]);
}

void drawNameAndMarbles(QPainter& p)
{
    drawNameLettering(p, QRectF(22, 112, 266, 84));
    const QPointF start(70, 234);
    for (int i = 0; i < 3; ++i)
        drawMarble(p, start + QPointF(i * 42 + 26, 0), 13, playerColours()[i]);
}

QPixmap drawSplash(qreal density)
{
    QImage image = canvas(SplashWidth, SplashHeight, density);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p);
    drawBoardInPlay(p);
    drawJump(p);
    drawNameAndMarbles(p);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap splashPicture()
{
    return splashPicture(2.0);
}

QPixmap splashPicture(qreal density)
{
    return cachedPixmap(QStringLiteral("splash@%1").arg(density), [density] { return drawSplash(density); });
}

} // namespace tavolux::art
