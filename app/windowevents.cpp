#include "app/windowevents.h"

#include "app/commands.h"
#include "lang/gametexts.h"
#include "app/inputdrain.h"
#include "app/mainwindow.h"
#include "app/messagebox.h"
#include "resources/programresources.h"
#include "app/prompttable.h"
#include "app/soundplayer.h"
#include "app/turnscheduler.h"
#include "model/statistics.h"
#include "dialogs/resultsdialog.h"
#include "dialogs/setupsheet.h"
#include "referee/refereewindow.h"
#include "view/moveglide.h"
#include "view/windowcanvas.h"

#include <QApplication>

namespace tavolux {

WindowEvents::WindowEvents(MainWindow& window, const ProgramResources& resources, SoundPlayer& sounds)
    : window_(window), resources_(resources), sounds_(sounds)
{
}

QString WindowEvents::name(int player) const
{
    return GameTexts::shownName(window_.game().state.slots[player].name);
}

QString WindowEvents::nameToMove() const
{
    return name(window_.game().state.playerToMove);
}

bool WindowEvents::mayAbandonGame()
{
    return showMessageBox(&window_, QMessageBox::Question, GameTexts::newGameCaption(), GameTexts::abandonQuestion(),
                          QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

bool WindowEvents::setUpNewGame()
{
    // The sheet rewrites the players; the game left counts as abandoned.
    const GameState left = window_.game().state;
    SetupSheet sheet(window_.game().state, resources_.pictures, resources_.playerIcons, &window_);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    window_.statistics().gameAbandoned(left, movesPerPlayer(window_.game().moveList).data());
    if (window_.referee())
        window_.referee()->updateEyes(true);
    return true;
}

void WindowEvents::gameStarted(int player)
{
    window_.showRefereeLines(GameTexts::personToMove(name(player)));
}

void WindowEvents::turnStarting(int)
{
    window_.canvas()->repaint();
}

void WindowEvents::boardRepositioning(int player)
{
    window_.showRefereeLines(GameTexts::boardRepositioning(name(player)));
}

void WindowEvents::rotateBoardStep(bool clockwise)
{
    window_.rotateBoardStep(clockwise);
}

void WindowEvents::boardRotationChanged()
{
    setViewSteps(window_.boardView(), window_.game().state.boardRotation);
    window_.canvas()->update();
}

// The prompt comes first and the input queued meanwhile is sorted last, so
// that whatever that input starts (a menu, a shortcut) runs once this pass
// has finished.
void WindowEvents::personToMove(int player)
{
    window_.showRefereeLines(GameTexts::personToMove(name(player)));
    sortQueuedInput(window_.canvas());
}

void WindowEvents::computerTurnStarts(int)
{
    window_.showPrompt(prompt::ComputerThinking);
}

void WindowEvents::computerTurnEnds(int)
{
    window_.showPrompt(prompt::Ready);
    repaint();
}

// The menu items show which commands wait for the person meanwhile.
void WindowEvents::computerThinking(int player)
{
    window_.showRefereeLines(GameTexts::computerThinking(name(player)));
    setBusy(true);
    window_.updateAllItemStates();
}

void WindowEvents::noValidMove(int)
{
    showMessageBox(&window_, QMessageBox::Critical, GameTexts::computerCaption(), GameTexts::noValidMove(),
                   QMessageBox::Ok);
}

void WindowEvents::computerMoving(int player, int, int start, const int* path, int length)
{
    const GameState& s = window_.game().state;
    glideMove(*window_.canvas(), window_.boardView(), player, start, path, length, s.animationSpeed);
}

void WindowEvents::computerTurnAbandoned(int)
{
    setBusy(false);
    window_.turnScheduler()->settle();
}

// The computer has stopped thinking: the referee names who is to move.
void WindowEvents::computerMoved(int)
{
    setBusy(false);
    window_.showRefereeLines(GameTexts::turnPassed(nameToMove()));
    if (window_.game().state.soundEnabled)
        QApplication::beep();
}

// What the person did during the computer's turn is sorted first; a menu
// or a dialog opened now holds the next pass until it closes.
void WindowEvents::queueNextPass(unsigned ticket)
{
    window_.updateAllItemStates();
    sortQueuedInput(window_.canvas());
    window_.turnScheduler()->queue(ticket);
}

void WindowEvents::moveMade(int player, int piece, int start)
{
    window_.trail().record(window_.game().state.pieces, player, piece, start);
    window_.gameMovesChanged();
}

void WindowEvents::personMoveAccepted(int next)
{
    window_.showRefereeLines(GameTexts::turnPassed(name(next)));
}

// A game loaded or played from an earlier position: the referee tells how
// it stands (a new game's first player is named once it is placed).
void WindowEvents::piecesReplaced()
{
    window_.trail().clear();
    window_.gameMovesChanged();
    const GameState& s = window_.game().state;
    if (s.noGameStarted)
        return;
    if (s.gameOver)
        window_.showRefereeLines(GameTexts::gameOver());
    else if (s.slots[s.playerToMove].isComputer())
        window_.showRefereeLines(GameTexts::turnPassed(nameToMove()));
    else
        window_.showRefereeLines(GameTexts::personToMove(nameToMove()));
}

bool WindowEvents::playerFinished(int player, bool othersMayPlayOn)
{
    sounds_.play(GameTexts::finishSound(player));
    const QString text = GameTexts::playerFinished(player, name(player), othersMayPlayOn);
    if (!othersMayPlayOn) {
        window_.showRefereeLines(GameTexts::gameOver());
        showMessageBox(&window_, QMessageBox::Information, GameTexts::gameCaption(), text, QMessageBox::Ok);
        return false;
    }
    return showMessageBox(&window_, QMessageBox::Question, GameTexts::gameCaption(), text,
                          QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void WindowEvents::gameEnded()
{
    window_.statistics().gameEnded(window_.game().state, movesPerPlayer(window_.game().moveList).data());
    window_.showRefereeLines(GameTexts::gameOver());
    ResultsDialog results(window_.game().state, resources_.pictures, resources_.playerIcons, &window_);
    results.exec();
}

void WindowEvents::repaint()
{
    window_.canvas()->repaint();
    window_.updateAllItemStates();
}

void WindowEvents::handOver(Over what)
{
    switch (what) {
    case Over::OwnPiece:
        window_.showRefereeLines(GameTexts::ownPiece(nameToMove()));
        break;
    case Over::OtherPiece:
        window_.showRefereeLines(GameTexts::otherPiece(nameToMove()));
        break;
    case Over::Nothing:
        window_.showRefereeLines(GameTexts::personToMove(nameToMove()));
        break;
    }
}

void WindowEvents::pieceLifted()
{
    window_.showRefereeLines(GameTexts::pieceLifted(nameToMove()));
}

void WindowEvents::dropRefused(DropRefusal why)
{
    sounds_.play(GameTexts::refusedDropSound());
    window_.showNotice(refusalText(why), RefusalNoticeTime);
}

void WindowEvents::setBusy(bool busy)
{
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    if (busyDepth_ > 0 && --busyDepth_ == 0)
        QApplication::restoreOverrideCursor();
}

} // namespace tavolux
