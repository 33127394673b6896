#pragma once
// Each seat's pieces carry a symbol of their own (a triangle, a square, a
// plus, a ring, a star, a diamond), so that the players' pieces are told
// apart without their colours. The symbols are paths in a unit frame,
// filled antialiased and scaled with the piece, so they stay crisp at
// every size.

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace tavolux {

constexpr int SymbolSeats = 6;
constexpr int NoSymbol = -1;

// The symbol of seat 0..5, centred on (0, 0) inside the unit circle (y
// down); an empty path for any other seat.
QPainterPath pieceSymbol(int seat);

// The symbol's ink on a piece of this colour: black on a light piece,
// white on a dark one.
QColor symbolInk(const QColor& piece);

// Draws seat's symbol on the piece of colour `piece` centred at `centre`
// with half-axes rx x ry; nothing for NoSymbol or a piece too small to
// carry one.
void drawPieceSymbol(QPainter& painter, int seat, QPointF centre, double rx, double ry, const QColor& piece);

} // namespace tavolux
