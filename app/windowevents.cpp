#include "app/windowevents.h"

#include "app/commands.h"
#include "lang/gametexts.h"
#include "app/mainwindow.h"
#include "app/messagebox.h"
#include "resources/programresources.h"
#include "app/prompttable.h"
#include "app/soundplayer.h"
#include "model/statistics.h"
#include "dialogs/resultsdialog.h"
#include "referee/refereewindow.h"
#include "view/moveglide.h"
#include "view/windowcanvas.h"

#include <QApplication>
#include <QTimer>

namespace tavolux {

WindowEvents::WindowEvents(MainWindow& window, const ProgramResources& resources, SoundPlayer& sounds)
    : window_(window), resources_(resources), sounds_(sounds)
{
}

Game& WindowEvents::game() const
{
    return window_.game();
}

QString WindowEvents::name(int player) const
{
    return GameTexts::shownName(game().state().slots[player].name);
}

QString WindowEvents::nameToMove() const
{
    return name(game().state().playerToMove);
}

void WindowEvents::inform(int icon, const QString& caption, const QString& text)
{
    game().hold();
    openMessageBox(&window_, static_cast<QMessageBox::Icon>(icon), caption, text, QMessageBox::Ok,
                   [this](int) { game().release(); });
}

void WindowEvents::gameStarted(int player)
{
    if (window_.referee())
        window_.referee()->updateEyes(true);
    window_.showRefereeLines(GameTexts::personToMove(name(player)));
}

void WindowEvents::turnStarting(int)
{
    window_.canvas()->update();
}

// The record holds the new view; the board turns to it step by step while
// the game waits.
void WindowEvents::boardRepositioning(int player, int fromRotation)
{
    window_.showRefereeLines(GameTexts::boardRepositioning(name(player)));
    game().hold();
    QTimer::singleShot(0, &window_, [this, fromRotation] {
        const RotationPlan plan = planRotation(fromRotation, game().state().boardRotation);
        int rotation = fromRotation;
        for (int i = 0; i < plan.steps; ++i)
            rotation = window_.rotateBoardStep(plan.clockwise, rotation);
        boardRotationChanged();
        game().release();
    });
}

void WindowEvents::boardRotationChanged()
{
    setViewSteps(window_.boardView(), game().state().boardRotation);
    window_.canvas()->update();
}

void WindowEvents::personToMove(int player)
{
    window_.showRefereeLines(GameTexts::personToMove(name(player)));
    window_.updateAllItemStates();
}

// The menu items show which commands wait for the person meanwhile.
void WindowEvents::computerThinking(int player)
{
    window_.showPrompt(prompt::ComputerThinking);
    window_.showRefereeLines(GameTexts::computerThinking(name(player)));
    setBusy(true);
    window_.updateAllItemStates();
}

void WindowEvents::turnWithdrawn(int)
{
    setBusy(false);
    window_.showPrompt(prompt::Ready);
}

void WindowEvents::noValidMove(int)
{
    setBusy(false);
    inform(QMessageBox::Critical, GameTexts::computerCaption(), GameTexts::noValidMove());
}

// A computer's move glides from its hole along its path, the piece left
// out of the board meanwhile; the game waits for it.
void WindowEvents::moveMade(const MadeMove& move)
{
    window_.trail().record(game().state().pieces, move.player, move.piece, move.start);
    window_.gameMovesChanged();
    if (move.byPerson)
        return;
    glideShown_ = true;
    game().hold();
    window_.hidePiece(move.piece);
    QTimer::singleShot(0, &window_, [this, move] {
        glideMove(*window_.canvas(), window_.boardView(), move.player, move.start, move.path.data(),
                  static_cast<int>(move.path.size()), game().state().animationSpeed);
        window_.hidePiece(NoPiece);
        glideShown_ = false;
        computerMoved(move.player);
        game().release();
    });
}

// The computer's turn is over once its move is shown: the referee names who
// is to move.
void WindowEvents::computerMoved(int)
{
    if (glideShown_)
        return;
    setBusy(false);
    window_.showPrompt(prompt::Ready);
    window_.showRefereeLines(GameTexts::turnPassed(nameToMove()));
    if (game().state().soundEnabled)
        QApplication::beep();
    repaint();
}

void WindowEvents::personMoveAccepted(int next)
{
    window_.showRefereeLines(GameTexts::turnPassed(name(next)));
    repaint();
}

// A game loaded or played from an earlier position: the referee tells how
// it stands (a new game's first player is named once it is placed).
void WindowEvents::piecesReplaced()
{
    window_.trail().clear();
    window_.gameMovesChanged();
    const GameState& s = game().state();
    if (s.noGameStarted)
        return;
    if (s.gameOver)
        window_.showRefereeLines(GameTexts::gameOver());
    else if (s.slots[s.playerToMove].isComputer())
        window_.showRefereeLines(GameTexts::turnPassed(nameToMove()));
    else
        window_.showRefereeLines(GameTexts::personToMove(nameToMove()));
}

void WindowEvents::playerFinished(int player, bool othersMayPlayOn)
{
    sounds_.play(GameTexts::finishSound(player));
    if (othersMayPlayOn)
        return;
    window_.showRefereeLines(GameTexts::gameOver());
    inform(QMessageBox::Information, GameTexts::gameCaption(), GameTexts::playerFinished(player, name(player), false));
}

void WindowEvents::askPlayOn(int player)
{
    openMessageBox(&window_, QMessageBox::Question, GameTexts::gameCaption(),
                   GameTexts::playerFinished(player, name(player), true), QMessageBox::Yes | QMessageBox::No,
                   [this](int answer) { game().playOn(answer == QMessageBox::Yes); });
}

// The results are counted, then shown; a result that could not be saved is
// said first.
void WindowEvents::gameEnded()
{
    StatisticsKeeper& statistics = window_.statistics();
    auto told = std::exchange(statistics.problemFound, nullptr);
    const QString problem = statistics.gameEnded(game().state(), movesPerPlayer(game().moveList()).data());
    statistics.problemFound = std::move(told);
    window_.showRefereeLines(GameTexts::gameOver());
    repaint();
    const auto showResults = [this] {
        auto* results = new ResultsDialog(game().state(), resources_.pictures, resources_.playerIcons, &window_);
        results->setAttribute(Qt::WA_DeleteOnClose);
        results->setWindowModality(Qt::ApplicationModal);
        results->show();
    };
    if (problem.isEmpty())
        showResults();
    else
        openMessageBox(&window_, QMessageBox::Warning, StatisticsKeeper::problemCaption(), problem, QMessageBox::Ok,
                       [showResults](int) { showResults(); });
}

void WindowEvents::repaint()
{
    window_.canvas()->update();
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
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace tavolux
