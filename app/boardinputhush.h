#pragma once
// Clicks made on the board while the program was busy with it (a board
// turn, a flash) have no effect afterwards: mouse input aimed at the board
// or at the referee that queued up meanwhile is thrown away as the event
// loop delivers it, while keys and clicks elsewhere (the menu bar, another
// window) are handled. Nothing is run here: the input is dropped as it
// comes, until the event loop has gone round with what was pending.

class QWidget;

namespace tavolux {

void hushQueuedBoardInput(QWidget* board);

} // namespace tavolux
