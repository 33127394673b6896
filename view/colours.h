#pragma once
// The fixed colours of the board and the side panel, in one place so the
// board, the floating pieces and the dialogs agree on them.

#include <QColor>
#include <cstdint>

namespace tavolux::colours {

inline const QColor BoardBackground(255, 255, 255);
inline const QColor Outline(0, 0, 0);
inline const QColor Hole(64, 64, 64);
inline const QColor TipHole(255, 255, 255);
// The light parts of the marks on the holes a piece may reach: a pale blue
// that stands out from the dark holes.
inline const QColor ValidMove(140, 190, 255);
inline const QColor FocusRing(0, 200, 0);
// The suggested move of a hint; no other board element uses it.
inline const QColor Hint(230, 0, 230);
inline const QColor WaitingName(127, 127, 127);
inline const QColor NameText(0, 0, 0);
// A computer player's strength under its name, straight on the wallpaper:
// pale enough to read on the dark ones, dimmer than the name cells.
inline const QColor StrengthText(205, 205, 195);

// The star points of seat 0's, 1's and 2's axis; a seat beyond them takes
// the colour of the axis it sits on.
QColor starPoint(int player);
// Pieces, marker arrows and the name highlight of seat 0..5.
QColor player(int player);
// The piece colour for an owner mark; invalid when the mark names no player.
QColor owner(uint32_t mark);
// The seat an owner mark names, -1 for none.
int seatOf(uint32_t mark);

} // namespace tavolux::colours
