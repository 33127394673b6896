#include "view/boardrotator.h"

#include "model/gameevents.h"
#include "model/gamestate.h"
#include "view/boardgeometry.h"
#include "view/boardpainter.h"
#include "view/boardrotation.h"
#include "view/windowcanvas.h"

#include <QPainter>

namespace tavolux {

void rotateBoardOneStep(WindowCanvas& canvas, BoardView& view, GameState& state, bool clockwise)
{
    const QRegion ellipse(QRect(view.originX, view.originY, view.width, view.height), QRegion::Ellipse);
    const auto showBoard = [&] {
        canvas.drawFrame([&](QPainter& painter) {
            painter.setClipRegion(ellipse);
            drawBoard(painter, view, state.pieces, shownLastMoves(canvas.scene()));
        });
    };
    RotationStepHooks hooks;
    hooks.showFrame = [&](double angle) {
        view.rotation = angle;
        layoutBoard(view);
        showBoard();
    };
    playRotationStep(state.boardRotation * ViewStep, clockwise, rotationFrameCount(state.animationSpeed), hooks);

    state.boardRotation = stepRotation(state.boardRotation, clockwise);
    setViewSteps(view, state.boardRotation);
    showBoard();
}

} // namespace tavolux
