#pragma once
// Throws away the mouse input (and the keys) that queued up for a window
// while the program was busy (a board turn, a computer move), so clicks and
// shortcuts made meanwhile have no effect once the program listens again.

class QWidget;

namespace tavolux {

void discardQueuedMouseInput(QWidget* window);

} // namespace tavolux
