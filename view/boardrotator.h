#pragma once
// The board turning in the window, 60 degrees a step: the star turns inside
// the ellipse of the board area while the rest of the window stays as it
// is, then settles exactly on each new view. The frames come from a timer,
// between the window's events. The turn works on the board's view only;
// the caller keeps the rotation it reports.

#include "view/boardrotation.h"
#include "view/frameclock.h"

#include <QObject>
#include <QPointer>

namespace tavolux {

struct BoardView;
struct GameState;
class WindowCanvas;

class BoardTurn : public QObject {
    Q_OBJECT
public:
    explicit BoardTurn(QObject* parent = nullptr);
    ~BoardTurn() override;

    // Turns the view from the whole view `fromRotation` by `steps` steps,
    // each at the pace of `animationSpeed`. The canvas and the view must
    // outlive the turn; a turn still running is stopped first.
    void start(WindowCanvas& canvas, BoardView& view, int fromRotation, int steps, bool clockwise,
               int animationSpeed);
    // Ends the turn at once, settled on the last whole view reached, with no
    // signal.
    void stop();
    bool running() const { return running_; }
    // The last whole view reached.
    int rotation() const { return rotation_; }

    // The turn's clock, which a test may drive by hand.
    FrameClock& clock() { return clock_; }

Q_SIGNALS:
    // A step has ended with the view settled on `rotation`.
    void stepDone(int rotation);
    // After the last step's stepDone.
    void finished();

private:
    void tick();
    void beginStep();
    void showBoard();

    FrameClock clock_;
    QPointer<WindowCanvas> canvas_;
    BoardView* view_ = nullptr;
    bool running_ = false;
    bool clockwise_ = false;
    int rotation_ = 0;
    int steps_ = 0;
    int stepsDone_ = 0;
    int frames_ = 0;
    int frame_ = 1; // the next frame of the step under way
    TurnTimetable timetable_{TurnClock::time_point{}, 1};
    unsigned run_ = 0; // counts starts and stops, so a handler's restart is seen
};

// One step, run to its end inside the call, the new view written to
// state.boardRotation. Kept for the turn code's switch-over to BoardTurn.
void rotateBoardOneStep(WindowCanvas& canvas, BoardView& view, GameState& state, bool clockwise);

} // namespace tavolux
