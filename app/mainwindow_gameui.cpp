// How the game reaches the user through the main window: message boxes,
// sounds, the referee, the status line, repaints and the board's view.

#include "app/commands.h"
#include "app/inputdrain.h"
#include "app/mainwindow.h"
#include "app/programresources.h"
#include "app/soundplayer.h"
#include "app/turnscheduler.h"
#include "dialogs/resultsdialog.h"
#include "dialogs/setupsheet.h"
#include "referee/refereewindow.h"
#include "view/moveglide.h"
#include "view/windowcanvas.h"

#include <QApplication>
#include <QMessageBox>
#include <QStatusBar>

namespace tavolux {

namespace {
QString text(const std::string& s)
{
    return QString::fromStdString(s);
}
}

bool MainWindow::askYesNo(const std::string& caption, const std::string& question)
{
    return QMessageBox::question(this, text(caption), text(question), QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void MainWindow::inform(const std::string& caption, const std::string& message)
{
    QMessageBox::information(this, text(caption), text(message));
}

void MainWindow::warn(const std::string& caption, const std::string& message)
{
    QMessageBox::warning(this, text(caption), text(message));
}

void MainWindow::reportError(const std::string& caption, const std::string& message)
{
    QMessageBox::critical(this, text(caption), text(message));
}

void MainWindow::playSound(const std::string& fileName)
{
    sounds_.play(text(fileName));
}

void MainWindow::beep()
{
    QApplication::beep();
}

void MainWindow::showReferee(const std::string& line0, const std::string& line1, const std::string& line2,
                             const std::string& line3)
{
    setRefereeLines(text(line0), text(line1), text(line2), text(line3));
}

void MainWindow::showPrompt(Prompt which)
{
    switch (which) {
    case Prompt::Ready:
        showPrompt(prompt::Ready);
        break;
    case Prompt::ComputerThinking:
        showPrompt(prompt::ComputerThinking);
        break;
    case Prompt::BoardRepositioning:
        showPrompt(prompt::BoardRepositioning);
        break;
    }
    statusBar()->repaint();
}

bool MainWindow::runSetupSheet()
{
    SetupSheet sheet(game_.state, resources_.pictures, resources_.playerIcons, this);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    if (referee_)
        referee_->updateEyes(true);
    return true;
}

void MainWindow::showResults()
{
    ResultsDialog results(game_.state, resources_.pictures, resources_.playerIcons, this);
    results.exec();
}

void MainWindow::redrawPlayerPanel()
{
    canvas_->repaint();
}

void MainWindow::repaint()
{
    canvas_->repaint();
    updateAllItemStates();
}

void MainWindow::boardRotationChanged()
{
    setViewSteps(view_, game_.state.boardRotation);
    canvas_->update();
}

void MainWindow::discardPendingMouseInput()
{
    sortQueuedInput(canvas_);
}

// What the person did during the computer's turn is sorted first; a menu
// or a dialog opened now holds the next pass until it closes.
void MainWindow::queueNextPass(unsigned ticket)
{
    sortQueuedInput(canvas_);
    turnScheduler_->queue(ticket);
}

void MainWindow::setBusy(bool busy)
{
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    if (busyDepth_ > 0 && --busyDepth_ == 0)
        QApplication::restoreOverrideCursor();
}

void MainWindow::animateMove(int, int start, const int* path, int length)
{
    glideMove(*canvas_, view_, game_.state.playerToMove, start, path, length, game_.state.animationSpeed);
}

void MainWindow::pieceMoved(int player, int piece, int start)
{
    lastMoves_.record(game_.state.pieces, player, piece, start);
}

void MainWindow::piecesReplaced()
{
    lastMoves_.clear();
}

} // namespace tavolux
