#pragma once
// Sorts the input that queued up while the program was busy (a board turn,
// a computer's move): mouse input aimed at the board or at the referee is
// thrown away, so clicks and drags made meanwhile have no effect, while keys
// and clicks elsewhere (the menu bar, another window) are handled now. Call it only at
// a point where a command may start, never in the middle of a turn.

#include <memory>

class QObject;
class QWidget;

namespace tavolux {

void sortQueuedInput(QWidget* board);

// While it lives, mouse input aimed at the board or at the referee is thrown
// away as it arrives, and everything else is handled: for the time a
// computer thinks with the event loop running.
class BoardInputHold {
public:
    explicit BoardInputHold(QWidget* board);
    ~BoardInputHold();
    BoardInputHold(const BoardInputHold&) = delete;
    BoardInputHold& operator=(const BoardInputHold&) = delete;

private:
    std::unique_ptr<QObject> swallower_;
};

} // namespace tavolux
