#include "view/piecesymbols.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace tavolux {

namespace {

// The part of the piece's half-axes the symbol spans: the ring of colour
// around it stays wide enough to show the player's colour.
constexpr double SymbolScale = 0.56;

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

QPainterPath plus()
{
    QPainterPath path;
    path.addRect(QRectF(-0.95, -0.3, 1.9, 0.6));
    path.addRect(QRectF(-0.3, -0.95, 0.6, 1.9));
    return path.simplified();
}

QPainterPath ring()
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 0.88, 0.88);
    path.addEllipse(QPointF(0, 0), 0.44, 0.44);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QPainterPath star()
{
    QPolygonF corners;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 == 0 ? 1.0 : 0.42;
        corners << QPointF(r * std::cos(angle), r * std::sin(angle) + 0.08);
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

} // namespace

QPainterPath pieceSymbol(int seat)
{
    switch (seat) {
    case 0:
        return polygon({{0, -0.92}, {0.86, 0.62}, {-0.86, 0.62}});
    case 1:
        return polygon({{-0.7, -0.7}, {0.7, -0.7}, {0.7, 0.7}, {-0.7, 0.7}});
    case 2:
        return plus();
    case 3:
        return ring();
    case 4:
        return star();
    case 5:
        return polygon({{0, -1}, {0.62, 0}, {0, 1}, {-0.62, 0}});
    default:
        return {};
    }
}

QColor symbolInk(const QColor& piece)
{
    // Black reads on a piece at least as well as white does once the
    // piece's relative luminance passes about 0.18.
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double luminance =
        0.2126 * linear(piece.redF()) + 0.7152 * linear(piece.greenF()) + 0.0722 * linear(piece.blueF());
    return luminance > 0.18 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

void drawPieceSymbol(QPainter& painter, int seat, QPointF centre, double rx, double ry, const QColor& piece)
{
    if (seat < 0 || seat >= SymbolSeats || rx < 4 || ry < 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(rx * SymbolScale, ry * SymbolScale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(symbolInk(piece));
    painter.drawPath(pieceSymbol(seat));
    painter.restore();
}

} // namespace tavolux
