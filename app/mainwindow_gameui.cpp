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

// A box that waits for a click: its text is plain (names are never read as
// markup) and the pointer is the normal one, even while the computer works.
int MainWindow::messageBox(QMessageBox::Icon icon, const std::string& caption, const std::string& message,
                           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, text(caption), text(message), buttons, this);
    box.setTextFormat(Qt::PlainText);
    if (buttons & QMessageBox::Yes)
        box.setDefaultButton(QMessageBox::Yes);
    const bool busy = busyDepth_ > 0;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return answer;
}

bool MainWindow::askYesNo(const std::string& caption, const std::string& question)
{
    return messageBox(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void MainWindow::inform(const std::string& caption, const std::string& message)
{
    messageBox(QMessageBox::Information, caption, message, QMessageBox::Ok);
}

void MainWindow::warn(const std::string& caption, const std::string& message)
{
    messageBox(QMessageBox::Warning, caption, message, QMessageBox::Ok);
}

void MainWindow::reportError(const std::string& caption, const std::string& message)
{
    messageBox(QMessageBox::Critical, caption, message, QMessageBox::Ok);
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
