#pragma once
// Marks shown over the board for a moment (the valid moves of a piece, a
// suggested move): drawn over the window's picture, which is held meanwhile
// and composed again with them should the window change size; then a timer
// ends them and the board is shown as it is again. One flash at a time: a
// new one ends the one showing.

#include "view/frameclock.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <chrono>
#include <functional>

class QPainter;

namespace tavolux {

class WindowCanvas;

class BoardFlash : public QObject {
    Q_OBJECT
public:
    using Marks = std::function<void(QPainter&)>;

    explicit BoardFlash(QObject* parent = nullptr);
    ~BoardFlash() override;

    // Shows `marks` (drawn in the canvas's logical coordinates, perhaps more
    // than once, inside `area`; an empty one: anywhere) for `length`. The
    // canvas must outlive the flash.
    void start(WindowCanvas& board, Marks marks, std::chrono::milliseconds length, const QRect& area = QRect());
    // Ends the flash at once, without finished().
    void stop();
    bool showing() const { return showing_; }

    // The flash's clock, which a test may drive by hand.
    FrameClock& clock() { return clock_; }

Q_SIGNALS:
    // The marks are gone at the end of their time.
    void finished();

private:
    void end();

    FrameClock clock_;
    QPointer<WindowCanvas> board_;
    bool showing_ = false;
};

} // namespace tavolux
