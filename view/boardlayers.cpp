#include "view/boardlayers.h"

#include <QPainter>
#include <QTransform>

#include <cmath>
#include <vector>

namespace tavolux {

namespace {

// What the ground picture shows.
struct GroundKey {
    int width = 0, height = 0, density = 0;
    int tipRadiusX = 0, tipRadiusY = 0, holeRadiusX = 0, holeRadiusY = 0;
    std::array<TipMarker, 6> tipMarkers{};
    std::array<ScreenPoint, HoleCount> holeScreen{};
    friend bool operator==(const GroundKey&, const GroundKey&) = default;
};

GroundKey groundKey(const BoardView& v, int density)
{
    return {v.width, v.height, density, v.tipRadiusX, v.tipRadiusY, v.holeRadiusX, v.holeRadiusY, v.tipMarkers,
            v.holeScreen};
}

struct Sprite {
    QRgb colour;
    int symbol, rx, ry, density;
    QPixmap picture;
};

bool whole(double x) { return x == std::floor(x); }

} // namespace

bool layersFit(const QPainter& painter)
{
    const QTransform t = painter.worldTransform();
    const double density = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    return t.type() <= QTransform::TxTranslate && whole(t.dx()) && whole(t.dy()) && whole(density) && density >= 1;
}

QPixmap boardGround(const BoardView& view, int density, const std::function<void(QPainter&)>& draw)
{
    static GroundKey kept;
    static QPixmap picture;
    const GroundKey key = groundKey(view, density);
    if (picture.isNull() || !(key == kept)) {
        kept = key;
        picture = QPixmap(std::max(1, view.width) * density, std::max(1, view.height) * density);
        picture.setDevicePixelRatio(density);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        draw(painter);
    }
    return picture;
}

QPixmap pieceSprite(const QColor& colour, int symbol, int rx, int ry, int density, const std::function<void(QPainter&)>& draw)
{
    static std::vector<Sprite> kept;
    const QRgb rgba = colour.rgba();
    for (const Sprite& s : kept)
        if (s.colour == rgba && s.symbol == symbol && s.rx == rx && s.ry == ry && s.density == density)
            return s.picture;
    // A new size makes the pictures of the old one useless.
    if (!kept.empty() && (kept.front().rx != rx || kept.front().ry != ry || kept.front().density != density))
        kept.clear();
    constexpr int M = SpriteMargin;
    QPixmap picture((2 * (rx + M) + 1) * density, (2 * (ry + M) + 1) * density);
    picture.setDevicePixelRatio(density);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(rx + M + 0.5, ry + M + 0.5);
        painter.setBrush(colour);
        draw(painter);
    }
    if (kept.size() >= 16)
        kept.clear();
    kept.push_back({rgba, symbol, rx, ry, density, picture});
    return picture;
}

} // namespace tavolux
