// The title picture at the top of the side panel: the program's name in gold
// over a rule set with the three players' marbles. Everything around the
// lettering is transparent black, so the picture can be laid over any
// wallpaper either by its alpha channel or by leaving black pixels out.
#include "resources/artwork.h"

#include "resources/artcache.h"
#include "resources/drawkit.h"

#include <QLinearGradient>

namespace tavolux::art {

namespace {

void drawRule(QPainter& p, qreal y, qreal from, qreal to)
{
    QLinearGradient fade(from, y, to, y);
    fade.setColorAt(0, QColor(246, 196, 64, 0));
    fade.setColorAt(0.5, QColor(246, 196, 64, 255));
    fade.setColorAt(1, QColor(246, 196, 64, 0));
    p.setPen(QPen(QBrush(fade), 1.6));
    p.drawLine(QPointF(from, y), QPointF(to, y));
}

QPixmap drawTitle()
{
    QImage image = canvas(TitleWidth, TitleHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawNameLettering(p, QRectF(6, 1, TitleWidth - 12, 52));
    const qreal y = 62, mid = TitleWidth / 2.0;
    drawRule(p, y, 14, mid - 24);
    drawRule(p, y, mid + 24, TitleWidth - 14);
    for (int i = 0; i < 3; ++i)
        drawMarble(p, QPointF(mid + (i - 1) * 14, y), 5, playerColours()[i]);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap titlePicture()
{
    return cachedPixmap(QStringLiteral("title"), drawTitle);
}

} // namespace tavolux::art
