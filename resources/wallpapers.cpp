// The three wallpapers behind the board: dark planks of wood, green baize
// and a navy quilted pattern. Each is computed pixel by pixel from functions
// that repeat exactly over the tile, so the tiles join without a seam.
#include "resources/artwork.h"

#include "resources/artcache.h"

#include <QPainter>

#include <cmath>
#include <numbers>
#include <cstdint>
#include <vector>

namespace tavolux::art {

namespace {

constexpr qreal Density = 2.0;

// Smooth value noise on a lattice of cells x cells over the unit square; the
// lattice wraps around, so the noise repeats with period 1 in u and v.
class PeriodicNoise {
public:
    PeriodicNoise(int cellsX, int cellsY, uint32_t seed) : cellsX_(cellsX), cellsY_(cellsY), values_(cellsX * cellsY)
    {
        for (double& v : values_) {
            seed = seed * 1664525u + 1013904223u;
            v = (seed >> 8) / double(1 << 24);
        }
    }

    double at(double u, double v) const
    {
        double x = u * cellsX_, y = v * cellsY_;
        int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        double fx = smooth(x - x0), fy = smooth(y - y0);
        double top = lerp(cell(x0, y0), cell(x0 + 1, y0), fx);
        double bottom = lerp(cell(x0, y0 + 1), cell(x0 + 1, y0 + 1), fx);
        return lerp(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double cell(int x, int y) const
    {
        x = ((x % cellsX_) + cellsX_) % cellsX_;
        y = ((y % cellsY_) + cellsY_) % cellsY_;
        return values_[y * cellsX_ + x];
    }

    int cellsX_, cellsY_;
    std::vector<double> values_;
};

QRgb mix(QRgb a, QRgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

QRgb shade(QRgb c, double factor)
{
    auto channel = [factor](int x) { return std::clamp(int(std::lround(x * factor)), 0, 255); };
    return qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)));
}

// A tile of w x h logical pixels whose colour at (u, v) in [0, 1) comes from colourAt.
template <class ColourAt> QImage computeTile(int w, int h, ColourAt colourAt)
{
    QImage image(int(w * Density), int(h * Density), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = colourAt((x + 0.5) / image.width(), (y + 0.5) / image.height());
    }
    image.setDevicePixelRatio(Density);
    return image;
}

// Two rows of walnut planks, their joints and gaps away from the tile edges.
QImage woodTile()
{
    const PeriodicNoise warp(2, 5, 7), streaks(4, 80, 11), tone(2, 2, 5);
    const QRgb dark = qRgb(88, 50, 26), light = qRgb(152, 98, 56);
    return computeTile(100, 80, [&](double u, double v) {
        int plank = (v >= 0.25 && v < 0.75) ? 0 : 1;
        double joint = plank == 0 ? 0.25 : 0.75;
        double rings = std::sin(2 * std::numbers::pi * (10 * v + 0.9 * warp.at(u, v) + 0.3 * plank));
        double grain = 0.5 + 0.22 * rings + 0.4 * (streaks.at(u, v) - 0.5);
        QRgb c = mix(dark, light, grain);
        c = shade(c, 0.9 + 0.2 * tone.at(u + 0.5 * plank, v));
        double gapDistance = std::min(std::abs(v - 0.25), std::abs(v - 0.75)) * 80;
        double jointDistance = std::abs(u - joint) * 100;
        if (gapDistance < 0.5 || jointDistance < 0.5)
            return shade(c, 0.45);
        if (gapDistance < 1.0 || jointDistance < 1.0)
            return shade(c, 1.15);
        return c;
    });
}

// Billiard-table baize: fine fibres and a faint diagonal twill.
QImage baizeTile()
{
    const PeriodicNoise coarse(4, 4, 3), fine(16, 16, 9);
    const QRgb base = qRgb(28, 112, 62);
    return computeTile(16, 16, [&](double u, double v) {
        double twill = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * 4 * (u + v));
        double n = 0.6 * fine.at(u, v) + 0.4 * coarse.at(u, v);
        return shade(base, 0.86 + 0.2 * n + 0.06 * twill);
    });
}

// Navy quilting: puffed diamonds between seams stitched with gold thread.
QImage quiltTile()
{
    const PeriodicNoise cloth(8, 8, 21);
    const QRgb navy = qRgb(36, 50, 100), shadow = qRgb(16, 22, 52), thread = qRgb(214, 176, 90);
    return computeTile(16, 16, [&](double u, double v) {
        double d1 = std::abs(std::remainder(u - v, 1.0)) * 16 / std::sqrt(2.0);
        double d2 = std::abs(std::remainder(u + v, 1.0)) * 16 / std::sqrt(2.0);
        double seamDistance = std::min(d1, d2);
        double along = d1 < d2 ? u + v : u - v;
        double puff = std::min(seamDistance / 4.0, 1.0);
        QRgb c = shade(navy, 0.72 + 0.4 * std::sqrt(puff) + 0.06 * cloth.at(u, v));
        c = mix(shadow, c, seamDistance / 1.2);
        bool stitch = std::sin(2 * std::numbers::pi * 4 * along) > 0.1;
        return stitch ? mix(thread, c, seamDistance / 0.55) : c;
    });
}

} // namespace

QPixmap wallpaper(int index)
{
    switch (index) {
    case 0:
        return cachedPixmap(QStringLiteral("wallpaper0"), [] { return QPixmap::fromImage(woodTile()); });
    case 1:
        return cachedPixmap(QStringLiteral("wallpaper1"), [] { return QPixmap::fromImage(baizeTile()); });
    case 2:
        return cachedPixmap(QStringLiteral("wallpaper2"), [] { return QPixmap::fromImage(quiltTile()); });
    default:
        return QPixmap();
    }
}

} // namespace tavolux::art
