#include "view/boardrotator.h"

#include "model/gameevents.h"
#include "model/gamestate.h"
#include "view/boardgeometry.h"
#include "view/boardpainter.h"
#include "view/windowcanvas.h"

#include <QPainter>

#include <thread>

namespace tavolux {

BoardTurn::BoardTurn(QObject* parent) : QObject(parent), clock_([this] { tick(); })
{
}

BoardTurn::~BoardTurn()
{
    stop();
}

void BoardTurn::start(WindowCanvas& canvas, BoardView& view, int fromRotation, int steps, bool clockwise,
                      int animationSpeed)
{
    stop();
    ++run_;
    canvas_ = &canvas;
    view_ = &view;
    rotation_ = fromRotation;
    steps_ = steps;
    stepsDone_ = 0;
    clockwise_ = clockwise;
    frames_ = rotationFrameCount(animationSpeed);
    running_ = true;
    if (steps_ > 0)
        beginStep();
    else
        clock_.callAt(clock_.now());
}

void BoardTurn::beginStep()
{
    timetable_ = TurnTimetable(clock_.now(), frames_);
    frame_ = 1;
    clock_.callAt(timetable_.frameDue(frame_));
}

// The next frame of the step, or, once the step's time is up, the board
// settled on the new view.
void BoardTurn::tick()
{
    if (!canvas_) {
        stop();
        return;
    }
    if (stepsDone_ < steps_ && frame_ <= frames_) {
        view_->rotation = turnFrameAngle(rotation_ * ViewStep, frame_, frames_, clockwise_);
        layoutBoard(*view_);
        showBoard();
        ++frame_;
        clock_.callAt(frame_ <= frames_ ? timetable_.frameDue(frame_) : timetable_.end());
        return;
    }
    const unsigned run = run_;
    if (stepsDone_ < steps_) {
        rotation_ = stepRotation(rotation_, clockwise_);
        setViewSteps(*view_, rotation_);
        showBoard();
        ++stepsDone_;
        const QPointer<BoardTurn> alive(this);
        Q_EMIT stepDone(rotation_);
        if (!alive || run != run_)
            return; // stopped or started anew meanwhile
    }
    if (stepsDone_ < steps_) {
        beginStep();
        return;
    }
    running_ = false;
    ++run_;
    Q_EMIT finished();
}

void BoardTurn::showBoard()
{
    WindowCanvas& canvas = *canvas_;
    const BoardView& view = *view_;
    const WindowScene& scene = canvas.scene();
    const QRegion ellipse(QRect(view.originX, view.originY, view.width, view.height), QRegion::Ellipse);
    canvas.drawFrame([&](QPainter& painter) {
        painter.setClipRegion(ellipse);
        drawBoard(painter, view, scene.state ? scene.state->pieces : Position{}, shownLastMoves(scene),
                  scene.hiddenPiece);
    });
}

void BoardTurn::stop()
{
    if (!running_)
        return;
    running_ = false;
    ++run_;
    clock_.cancel();
    if (!canvas_)
        return;
    setViewSteps(*view_, rotation_);
    showBoard();
}

void rotateBoardOneStep(WindowCanvas& canvas, BoardView& view, GameState& state, bool clockwise)
{
    BoardTurn turn;
    turn.clock().driveByHand(TurnClock::now);
    turn.start(canvas, view, state.boardRotation, 1, clockwise, state.animationSpeed);
    while (turn.running()) {
        std::this_thread::sleep_until(turn.clock().due());
        turn.clock().fire();
    }
    state.boardRotation = turn.rotation();
}

} // namespace tavolux
