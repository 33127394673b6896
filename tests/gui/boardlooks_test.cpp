// Whether the board reads for every eye. The marks on the holes a lifted
// piece may reach are measured on rendered boards against the hole and the
// ground around it (the WCAG contrast ratio, at least 3:1 for graphics),
// on the white board, each coloured point and a white tip. The players'
// pieces on a full board are seen through simulated protanopia,
// deuteranopia and tritanopia (Machado, Oliveira and Fernandes 2009,
// severity 1, in linear RGB): every two players' pieces differ clearly in
// colour (CIE76 distance) or carry different symbols, and every piece
// stands out from the point and the hole it stands on. The pictures are
// kept beside the test.

#include "model/gamestate.h"
#include "view/boardpainter.h"
#include "view/colours.h"
#include "view/destinationmarks.h"
#include "view/piecesymbols.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace tavolux;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

const Matrix Unchanged{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix Protanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
                         {-0.003882, -0.048116, 1.051998}}};
const Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
const Matrix Tritanopia{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
                         {0.004733, 0.691367, 0.303900}}};

double linear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double encoded(double c)
{
    c = std::clamp(c, 0.0, 1.0);
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

double luminance(const QColor& c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor simulated(const QColor& c, const Matrix& m)
{
    const double rgb[3] = {linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
    double out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = encoded(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]);
    return QColor::fromRgbF(float(out[0]), float(out[1]), float(out[2]));
}

QImage simulated(const QImage& image, const Matrix& m)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixelColor(x, y, simulated(out.pixelColor(x, y), m));
    return out;
}

// CIE76: the distance in CIELAB (D65).
double deltaE(const QColor& a, const QColor& b)
{
    const auto lab = [](const QColor& c) {
        const double r = linear(c.redF()), g = linear(c.greenF()), bl = linear(c.blueF());
        const double x = (0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047;
        const double y = 0.2126 * r + 0.7152 * g + 0.0722 * bl;
        const double z = (0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883;
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
        return std::array<double, 3>{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
    };
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

BoardView boardView(int width, int height)
{
    BoardView view;
    view.width = width;
    view.height = height;
    setViewSteps(view, 0);
    return view;
}

QImage render(const BoardView& view, const Position& pieces, bool symbols)
{
    QImage image(view.width, view.height, QImage::Format_RGB32);
    QPainter painter(&image);
    drawBoard(painter, view, pieces, {}, -1, symbols);
    return image;
}

QPoint centre(const BoardView& view, int hole)
{
    return {view.originX + view.holeScreen[hole].x, view.originY + view.holeScreen[hole].y};
}

void save(const QImage& image, const char* name)
{
    image.save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)));
}

// The ink pixels of a symbol within `r` of `c`: those nearer to the ink
// than to the piece's colour.
std::vector<bool> symbolMask(const QImage& image, QPoint c, int r, const QColor& piece)
{
    const QColor ink = symbolInk(piece);
    std::vector<bool> mask;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QColor p = image.pixelColor(c + QPoint(dx, dy));
            mask.push_back(deltaE(p, ink) < deltaE(p, piece));
        }
    return mask;
}

// The share of the two symbols' ink that only one of them has.
double symbolDifference(const std::vector<bool>& a, const std::vector<bool>& b)
{
    int either = 0, one = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        either += a[i] || b[i];
        one += a[i] != b[i];
    }
    return either == 0 ? 0 : double(one) / either;
}

} // namespace

TEST(DestinationMarks, StandOutFromTheHoleAndEveryGroundAroundIt)
{
    const BoardView view = boardView(900, 860);
    QImage image = render(view, Position{}, false);
    const struct {
        int hole;
        QColor ground;
        const char* name;
    } places[] = {
        {60, colours::BoardBackground, "the white board"}, {0, colours::TipHole, "a white tip"},
        {4, colours::starPoint(0), "the yellow point"},   {24, colours::starPoint(1), "the cyan point"},
        {33, colours::starPoint(2), "the red point"},     {116, colours::starPoint(0), "player 1's home"},
    };
    std::vector<int> holes;
    for (const auto& p : places)
        holes.push_back(p.hole);
    {
        QPainter painter(&image);
        drawDestinationMarks(painter, view, holes);
        drawLiftedFrom(painter, view, 105, colours::player(0));
    }
    save(image, "destination-marks");

    const DestinationBands bands = destinationBands(view);
    const double ry = view.holeRadiusY, w = bands.width;
    const auto below = [&](int hole, double by) { return image.pixelColor(centre(view, hole) + QPoint(0, int(std::lround(by)))); };
    for (const auto& p : places) {
        SCOPED_TRACE(p.name);
        const QColor hole = below(p.hole, 0.6 * ry), ground = below(p.hole, ry + w + 1.5);
        ASSERT_EQ(hole, colours::Hole) << "sampled between the dot and the rim";
        ASSERT_EQ(ground, p.ground) << "sampled just outside the mark";
        EXPECT_GE(contrast(below(p.hole, 0), hole), 3.0) << "the dot on the hole";
        EXPECT_GE(contrast(below(p.hole, ry - w / 2), hole), 3.0) << "the band inside the rim";
        EXPECT_GE(contrast(below(p.hole, ry + w / 2), ground), 3.0) << "the band outside the rim";
    }
}

TEST(PieceSymbols, SixSymbolsAreToldApartByTheirShapes)
{
    std::vector<std::vector<bool>> masks;
    for (int seat = 0; seat < SymbolSeats; ++seat) {
        QImage image(41, 41, QImage::Format_RGB32);
        image.fill(colours::player(0));
        QPainter painter(&image);
        drawPieceSymbol(painter, seat, QPointF(20.5, 20.5), 20, 20, colours::player(0));
        painter.end();
        masks.push_back(symbolMask(image, QPoint(20, 20), 20, colours::player(0)));
    }
    for (int a = 0; a < SymbolSeats; ++a)
        for (int b = a + 1; b < SymbolSeats; ++b)
            EXPECT_GE(symbolDifference(masks[a], masks[b]), 0.25) << "symbols " << a << " and " << b;
    EXPECT_TRUE(pieceSymbol(SymbolSeats).isEmpty());
}

TEST(PieceSymbols, EveryTwoPlayersPiecesDifferForEveryEye)
{
    GameState s = initialGameState();
    for (auto& slot : s.slots)
        slot.active = 1;
    placeStartingPieces(s);
    const BoardView view = boardView(900, 860);
    const QImage board = render(view, s.pieces, true);
    save(board, "symbols-board");

    // A piece amid its home point of each player: the point lies below it.
    const int homes[PlayerCount] = {116, 24, 33, 5, 96, 87};
    const int rx = view.pieceRadiusX, ry = view.pieceRadiusY;
    std::vector<std::vector<bool>> symbols;
    for (int p = 0; p < PlayerCount; ++p) {
        symbols.push_back(symbolMask(board, centre(view, homes[p]), rx * 6 / 10, colours::player(p)));
        EXPECT_GT(std::count(symbols[p].begin(), symbols[p].end(), true), rx) << "player " << p << "'s symbol";
    }
    const struct {
        const Matrix* matrix;
        const char* name;
    } eyes[] = {{&Unchanged, "unchanged"}, {&Protanopia, "protanopia"}, {&Deuteranopia, "deuteranopia"},
                {&Tritanopia, "tritanopia"}};
    for (const auto& eye : eyes) {
        SCOPED_TRACE(eye.name);
        const QImage seen = simulated(board, *eye.matrix);
        save(seen, (std::string("symbols-") + eye.name).c_str());
        std::vector<QColor> piece;
        for (int p = 0; p < PlayerCount; ++p) {
            const QPoint c = centre(view, homes[p]);
            piece.push_back(seen.pixelColor(c + QPoint(rx * 72 / 100, ry / 4)));
            const QColor point = seen.pixelColor(c + QPoint(0, view.holeRadiusY + 3));
            const QColor hole = seen.pixelColor(c + QPoint(0, (view.holeRadiusY + ry + 1) / 2));
            EXPECT_GE(deltaE(piece[p], point), 10.0) << "player " << p << "'s piece on its point";
            EXPECT_GE(deltaE(piece[p], hole), 10.0) << "player " << p << "'s piece in its hole";
        }
        for (int a = 0; a < PlayerCount; ++a)
            for (int b = a + 1; b < PlayerCount; ++b)
                EXPECT_TRUE(deltaE(piece[a], piece[b]) >= 20.0 || symbolDifference(symbols[a], symbols[b]) >= 0.25)
                    << "players " << a << " and " << b;
    }
}
