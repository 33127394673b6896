#pragma once
// Sorts the input that queued up while the program was busy (a board turn,
// a computer's move): mouse input aimed at the board or at the referee is
// thrown away, so clicks and drags made meanwhile have no effect, while keys
// and clicks elsewhere (the menu bar, another window) are handled now. Call it only at
// a point where a command may start, never in the middle of a turn.

class QWidget;

namespace tavolux {

void sortQueuedInput(QWidget* board);

} // namespace tavolux
