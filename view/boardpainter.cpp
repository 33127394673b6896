#include "view/boardpainter.h"

#include "view/boardlayers.h"
#include "view/colours.h"
#include "view/piecesymbols.h"
#include "view/trailpainter.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>

namespace tavolux {

namespace {

// The outline of the star, tip to tip; pair i of star points fills the
// triangles at path positions 2i..2i+2 and 2i+6..2i+8.
constexpr int StarPath[13] = {18, 0, 14, 10, 56, 98, 102, 120, 106, 110, 64, 22, 18};

struct Segment {
    int from, to;
};

constexpr Segment GridLines[39] = {
    // along rows
    {1, 2}, {3, 5}, {6, 9}, {23, 34}, {35, 45}, {46, 55}, {56, 64}, {65, 74}, {75, 85}, {86, 97},
    {111, 114}, {115, 117}, {118, 119},
    // rising to the right
    {23, 11}, {35, 12}, {46, 13}, {99, 2}, {100, 5}, {101, 9}, {102, 18}, {111, 19}, {115, 20},
    {118, 21}, {107, 74}, {108, 85}, {109, 97},
    // falling to the right
    {21, 34}, {20, 45}, {19, 55}, {1, 109}, {3, 108}, {6, 107}, {14, 106}, {13, 114}, {12, 117},
    {11, 119}, {65, 101}, {75, 100}, {76, 99},
};

constexpr int TipHoles[6] = {0, 10, 98, 120, 110, 22};

// Marker k (0 upper-right, then counter-clockwise) takes this player's colour:
// an inward arrow at each home point, an outward one at each target point.
constexpr int MarkerPlayer[6] = {2, 0, 1, 2, 0, 1};

QPointF at(const BoardView& view, int hole)
{
    const ScreenPoint p = view.holeScreen[hole];
    return {double(p.x), double(p.y)};
}

void drawEllipse(QPainter& painter, QPointF centre, int rx, int ry)
{
    painter.drawEllipse(QRectF(centre.x() - rx, centre.y() - ry, 2.0 * rx, 2.0 * ry));
}

void drawTriangle(QPainter& painter, const BoardView& view, const int* holes)
{
    const QPointF corners[3] = {at(view, holes[0]), at(view, holes[1]), at(view, holes[2])};
    painter.drawPolygon(corners, 3);
}

void drawStarPoints(QPainter& painter, const BoardView& view)
{
    for (int i = 0; i < DesignSeatCount; ++i) {
        painter.setBrush(colours::starPoint(i));
        drawTriangle(painter, view, StarPath + 2 * i);
        drawTriangle(painter, view, StarPath + 2 * i + 6);
    }
}

void drawMarkers(QPainter& painter, const BoardView& view)
{
    for (int k = 0; k < 6; ++k) {
        painter.setBrush(colours::player(MarkerPlayer[k]));
        QPolygonF corners;
        for (const ScreenPoint& c : view.tipMarkers[k])
            corners << QPointF(c.x, c.y);
        painter.drawPolygon(corners);
    }
}

void drawGrid(QPainter& painter, const BoardView& view)
{
    for (const Segment& s : GridLines)
        painter.drawLine(at(view, s.from), at(view, s.to));
}

void drawHoles(QPainter& painter, const BoardView& view)
{
    painter.setBrush(colours::TipHole);
    for (int h : TipHoles)
        drawEllipse(painter, at(view, h), view.tipRadiusX, view.tipRadiusY);
    painter.setBrush(colours::Hole);
    for (int h = 0; h < HoleCount; ++h)
        drawEllipse(painter, at(view, h), view.holeRadiusX, view.holeRadiusY);
}

void drawPieces(QPainter& painter, const BoardView& view, const Position& pieces, int hiddenPiece, bool symbols,
                bool kept)
{
    const int density = int(painter.device()->devicePixelRatio());
    const int rx = view.pieceRadiusX, ry = view.pieceRadiusY;
    QColor colour = colours::Hole;
    for (int k = 0; k < PieceCount; ++k) {
        const PieceRecord& piece = pieces[k];
        if (piece.owner == 0 || piece.hole >= HoleCount || k == hiddenPiece)
            continue;
        if (const QColor c = colours::owner(piece.owner); c.isValid())
            colour = c;
        const int symbol = symbols ? colours::seatOf(piece.owner) : NoSymbol;
        if (!kept) {
            painter.setBrush(colour);
            drawPiece(painter, at(view, piece.hole), rx, ry, symbol);
            continue;
        }
        const QPixmap sprite = pieceSprite(colour, symbol, rx, ry, density, [rx, ry, symbol](QPainter& p) {
            p.setPen(QPen(colours::Outline, 1));
            drawPiece(p, QPointF(0, 0), rx, ry, symbol);
        });
        // The painter stands half a pixel off the grid here.
        const ScreenPoint c = view.holeScreen[piece.hole];
        painter.drawPixmap(QPointF(c.x - rx - SpriteMargin - 0.5, c.y - ry - SpriteMargin - 0.5), sprite);
    }
}

// The board without its pieces, in board coordinates.
void drawGround(QPainter& painter, const BoardView& view)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(colours::Outline, 1));
    painter.setBrush(colours::BoardBackground);
    painter.drawRect(QRectF(0, 0, view.width - 1, view.height - 1));
    drawStarPoints(painter, view);
    drawMarkers(painter, view);
    drawGrid(painter, view);
    drawHoles(painter, view);
}

} // namespace

void drawPiece(QPainter& painter, QPointF centre, int rx, int ry, int symbol)
{
    drawEllipse(painter, centre, rx, ry);
    if (rx < 4 || ry < 4)
        return;
    const QColor colour = painter.brush().color();
    // The gloss stays clear of the centre, which keeps the player's colour.
    const QPointF spot(centre.x() - 0.38 * rx, centre.y() - 0.42 * ry);
    QRadialGradient gloss(spot, 0.34 * std::max(rx, ry));
    gloss.setColorAt(0, QColor(255, 255, 255, 210));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(spot, 0.34 * rx, 0.3 * ry);
    painter.restore();
    drawPieceSymbol(painter, symbol, centre, rx, ry, colour);
}

void drawBoard(QPainter& painter, const BoardView& view, const Position& pieces,
               const std::vector<PlayedMove>& lastMoves, int hiddenPiece, bool symbols)
{
    painter.save();
    // The empty board and the pieces come from pictures kept between paints
    // where they fit the painter's pixels.
    painter.translate(view.originX, view.originY);
    const bool kept = layersFit(painter);
    if (kept) {
        painter.drawPixmap(0, 0, boardGround(view, int(painter.device()->devicePixelRatio()),
                                             [&view](QPainter& p) { drawGround(p, view); }));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0.5, 0.5);
        painter.setPen(QPen(colours::Outline, 1));
    } else {
        drawGround(painter, view);
    }
    drawPieces(painter, view, pieces, hiddenPiece, symbols, kept);
    drawLastMoves(painter, view, lastMoves);
    painter.restore();
}

} // namespace tavolux
