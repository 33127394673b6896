// Turning the board by one view step with an animation: the star turns
// inside the ellipse of the board area while the rest of the window stays
// as it is, then settles exactly on the new view.

#include "app/mainwindow.h"

#include "app/commands.h"
#include "app/rotatebutton.h"
#include "view/windowcanvas.h"
#include "view/boardpainter.h"
#include "view/boardrotation.h"

#include <QPainter>

namespace tavolux {

void MainWindow::rotateBoardStep(bool clockwise)
{
    RotateButton* button = rotateButton(clockwise);
    button->setDown(true);
    button->repaint();
    showPrompt(prompt::BoardRepositioning);

    const QRegion ellipse(QRect(view_.originX, view_.originY, view_.width, view_.height), QRegion::Ellipse);
    const auto showBoard = [this, &ellipse] {
        canvas_->drawFrame([this, &ellipse](QPainter& painter) {
            painter.setClipRegion(ellipse);
            drawBoard(painter, view_, game_.state.pieces, shownLastMoves(canvas_->scene()));
        });
    };
    RotationStepHooks hooks;
    hooks.showFrame = [this, &showBoard](double angle) {
        view_.rotation = angle;
        layoutBoard(view_);
        showBoard();
    };
    playRotationStep(game_.state.boardRotation * ViewStep, clockwise, rotationFrameCount(game_.state.animationSpeed), hooks);

    game_.state.boardRotation = stepRotation(game_.state.boardRotation, clockwise);
    setViewSteps(view_, game_.state.boardRotation);
    showBoard();

    button->setDown(false);
    button->repaint();
    showPrompt(prompt::Ready);
}

} // namespace tavolux
