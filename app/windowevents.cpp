#include "app/windowevents.h"

#include "app/commands.h"
#include "lang/gametexts.h"
#include "app/gamedisplay.h"
#include "app/statisticskeeper.h"
#include "model/game.h"
#include "app/messagebox.h"
#include "resources/programresources.h"
#include "app/prompttable.h"
#include "app/soundplayer.h"
#include "model/statistics.h"
#include "dialogs/resultsdialog.h"
#include "app/boardshows.h"

#include <QApplication>

namespace tavolux {

WindowEvents::WindowEvents(GameDisplay& display, const ProgramResources& resources, SoundPlayer& sounds)
    : display_(display), resources_(resources), sounds_(sounds)
{
}

Game& WindowEvents::game() const
{
    return display_.game();
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
    openMessageBox(display_.boxParent(), static_cast<QMessageBox::Icon>(icon), caption, text, QMessageBox::Ok,
                   [this](int) { game().release(); });
}

void WindowEvents::gameStarted(int player)
{
    display_.refereeLooksUp();
    display_.showRefereeLines(GameTexts::personToMove(name(player)));
}

void WindowEvents::turnStarting(int)
{
    display_.showRecord();
}

// The record holds the new view; the board turns to it step by step while
// the game waits.
void WindowEvents::boardRepositioning(int player, int fromRotation)
{
    display_.showRefereeLines(GameTexts::boardRepositioning(name(player)));
    const RotationPlan plan = planRotation(fromRotation, game().state().boardRotation);
    display_.shows().turnBoard(fromRotation, plan.steps, plan.clockwise, [this](int) { boardRotationChanged(); });
}

void WindowEvents::boardRotationChanged()
{
    display_.followBoardRotation();
}

void WindowEvents::personToMove(int player)
{
    display_.showRefereeLines(GameTexts::personToMove(name(player)));
    display_.showRecord();
}

// The menu items show which commands wait for the person meanwhile.
void WindowEvents::computerThinking(int player)
{
    display_.showPrompt(prompt::ComputerThinking);
    display_.showRefereeLines(GameTexts::computerThinking(name(player)));
    setBusy(true);
    display_.showRecord();
}

void WindowEvents::turnWithdrawn(int)
{
    setBusy(false);
    display_.showPrompt(prompt::Ready);
}

void WindowEvents::noValidMove(int)
{
    setBusy(false);
    inform(QMessageBox::Critical, GameTexts::computerCaption(), GameTexts::noValidMove());
}

// A computer's move glides from its hole along its path over the position
// before it, the piece left out of the board; the game waits for it. Then
// the board, the last moves and the move list show it made.
void WindowEvents::moveMade(const MadeMove& move)
{
    const auto shown = [this, move] { display_.showMoveMade(&move); };
    if (move.byPerson) {
        shown();
        return;
    }
    GameState before = game().state();
    before.pieces[move.piece].hole = static_cast<uint16_t>(move.start);
    before.playerToMove = static_cast<uint16_t>(move.player);
    display_.showPosition(before);
    glideShown_ = true;
    display_.shows().glide(move, [this, shown, player = move.player] {
        display_.showPosition(std::nullopt);
        shown();
        glideShown_ = false;
        computerMoved(player);
    });
}

// The computer's turn is over once its move is shown: the referee names who
// is to move.
void WindowEvents::computerMoved(int)
{
    if (glideShown_)
        return;
    setBusy(false);
    display_.showPrompt(prompt::Ready);
    display_.showRefereeLines(GameTexts::turnPassed(nameToMove()));
    if (game().state().soundEnabled)
        QApplication::beep();
    repaint();
}

void WindowEvents::personMoveAccepted(int next)
{
    display_.showRefereeLines(GameTexts::turnPassed(name(next)));
    repaint();
}

// A game loaded or played from an earlier position: the referee tells how
// it stands (a new game's first player is named once it is placed).
void WindowEvents::piecesReplaced()
{
    display_.shows().stopAll();
    display_.showPosition(std::nullopt);
    glideShown_ = false;
    setBusy(false);
    display_.showMoveMade(nullptr);
    const GameState& s = game().state();
    if (s.noGameStarted)
        return;
    if (s.gameOver)
        display_.showRefereeLines(GameTexts::gameOver());
    else if (s.slots[s.playerToMove].isComputer())
        display_.showRefereeLines(GameTexts::turnPassed(nameToMove()));
    else
        display_.showRefereeLines(GameTexts::personToMove(nameToMove()));
}

void WindowEvents::playerFinished(int player, bool othersMayPlayOn)
{
    sounds_.play(GameTexts::finishSound(player));
    if (othersMayPlayOn)
        return;
    display_.showRefereeLines(GameTexts::gameOver());
    inform(QMessageBox::Information, GameTexts::gameCaption(), GameTexts::playerFinished(player, name(player), false));
}

void WindowEvents::askPlayOn(int player)
{
    int left = 0; // besides the one who has just finished
    for (int p = 0; p < PlayerCount; ++p)
        left += p != player && game().state().inPlay(p) ? 1 : 0;
    openMessageBox(display_.boxParent(), QMessageBox::Question, GameTexts::gameCaption(),
                   GameTexts::playerFinished(player, name(player), true, left), QMessageBox::Yes | QMessageBox::No,
                   [this](int answer) { game().playOn(answer == QMessageBox::Yes); });
}

// The results are counted, then shown; a result that could not be saved is
// said first.
void WindowEvents::gameEnded()
{
    StatisticsKeeper& statistics = display_.statistics();
    auto told = std::exchange(statistics.problemFound, nullptr);
    const QString problem = statistics.gameEnded(game().state(), movesPerPlayer(game().moveList()).data());
    statistics.problemFound = std::move(told);
    display_.showRefereeLines(GameTexts::gameOver());
    repaint();
    const auto showResults = [this] {
        auto* results = new ResultsDialog(game().state(), resources_.pictures, resources_.playerIcons, display_.boxParent());
        results->setAttribute(Qt::WA_DeleteOnClose);
        results->setWindowModality(Qt::ApplicationModal);
        QObject::connect(results, &ResultsDialog::playAgainChosen, [this] { display_.playAgain(); });
        results->show();
    };
    if (problem.isEmpty())
        showResults();
    else
        openMessageBox(display_.boxParent(), QMessageBox::Warning, StatisticsKeeper::problemCaption(), problem, QMessageBox::Ok,
                       [showResults](int) { showResults(); });
}

void WindowEvents::repaint()
{
    display_.showRecord();
}

void WindowEvents::handOver(Over what)
{
    switch (what) {
    case Over::OwnPiece:
        display_.showRefereeLines(GameTexts::ownPiece(nameToMove()));
        break;
    case Over::OtherPiece:
        display_.showRefereeLines(GameTexts::otherPiece(nameToMove()));
        break;
    case Over::Nothing:
        display_.showRefereeLines(GameTexts::personToMove(nameToMove()));
        break;
    }
}

void WindowEvents::pieceLifted()
{
    display_.showRefereeLines(GameTexts::pieceLifted(nameToMove()));
}

void WindowEvents::dropRefused(DropRefusal why)
{
    sounds_.play(GameTexts::refusedDropSound());
    display_.showNotice(refusalText(why), RefusalNoticeTime);
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
