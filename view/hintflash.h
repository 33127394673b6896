#pragma once
// A suggested move shown for a moment, over the window's picture like the
// valid-move flash: a ring round the piece, a disc on every hole its path
// lands on, a larger one on the destination and a line through them all,
// in the hint colour, for one and a half seconds. Nothing of the game
// changes.

#include <chrono>
#include <vector>

class QPainter;

namespace tavolux {

class BoardFlash;
class WindowCanvas;
struct BoardView;

constexpr std::chrono::milliseconds HintFlash{1500};

// The marks of a move from hole `start` along `path` (its landing holes,
// ending with the destination), in board coordinates.
void drawHintMarks(QPainter& painter, const BoardView& view, int start, const std::vector<int>& path);

// Starts `flash` on the marks of a move and returns; the flash ends itself.
// The view must outlive the flash: the marks follow it when the window
// changes size.
void startHintFlash(BoardFlash& flash, WindowCanvas& board, const BoardView& view, int start,
                    std::vector<int> path);

// The same flash, shown to its end inside the call. Kept for the command
// code's switch-over to startHintFlash.
void flashHint(WindowCanvas& board, const BoardView& view, int start, const std::vector<int>& path);

} // namespace tavolux
