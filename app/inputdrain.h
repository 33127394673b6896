#pragma once
// Throws away the mouse input that queued up for a window while the program
// was busy (a board turn, a computer move), so clicks made meanwhile have
// no effect once the program listens again.

class QWidget;

namespace tavolux {

void discardQueuedMouseInput(QWidget* window);

} // namespace tavolux
