#include "model/game.h"

#include "model/board.h"

#include <algorithm>

namespace tavolux {

namespace {
const char* const FinishSounds[PlayerCount] = {"TVX04.WAV", "TVX05.WAV", "TVX06.WAV"};
constexpr const char* AbandonQuestion = "There is still a game in progress.  Do you want to abandon it?";
}

Game::Game(GameUi& ui, ComputerTurn* computer) : ui_(ui), computer_(computer) {}

std::string finishedMessage(int p, const std::string& name)
{
    return "Player #" + std::to_string(p + 1) + ", \"" + name + "\",\nhas moved all the pieces to destination!!!\n";
}

bool Game::startNewGame()
{
    if (state.gameInProgress() && !ui_.askYesNo("New Game", AbandonQuestion))
        return false;
    if (!ui_.runSetupSheet())
        return false;
    queuedPass_ = 0;
    state.noGameStarted = 0;
    placeStartingPieces(state);
    ui_.piecesReplaced();

    const int p = state.playerToMove;
    state.boardRotation = state.slots[p].autoReposition ? targetRotation(state, p) : 0;
    ui_.boardRotationChanged();
    ui_.repaint();
    ui_.showReferee(state.slots[p].name, PromptLine1, PromptLine2, "");
    history.clear();
    if (state.slots[p].isComputer() && computer_ != nullptr) {
        ui_.repaint();
        computer_->play(*this, ui_);
        ui_.repaint();
        queueNextPass();
    }
    return true;
}

bool Game::waitingForPerson() const
{
    return state.gameInProgress() && queuedPass_ == 0 && !state.slots[state.playerToMove].isComputer();
}

void Game::queueNextPass()
{
    if (++lastTicket_ == 0)
        ++lastTicket_;
    queuedPass_ = lastTicket_;
    ui_.queueNextPass(queuedPass_);
}

void Game::resumeTurns(unsigned ticket)
{
    if (ticket == 0 || ticket != queuedPass_)
        return;
    queuedPass_ = 0;
    runTurns();
}

void Game::runQueuedTurns()
{
    while (queuedPass_ != 0)
        resumeTurns(queuedPass_);
}

void Game::repositionBoard(int p)
{
    const TurnPlan plan = planTurn(state.boardRotation, targetRotation(state, p));
    for (int i = 0; i < plan.steps; ++i)
        ui_.turnBoardStep(plan.clockwise);
}

// The prompt comes first and the input queued meanwhile is sorted last, so
// that whatever that input starts (a menu, a shortcut) runs once this pass
// has finished.
void Game::promptPerson(int p)
{
    ui_.showReferee(state.slots[p].name, PromptLine1, PromptLine2, "");
    ui_.discardPendingMouseInput();
}

void Game::runTurns()
{
    queuedPass_ = 0;
    if (checkPlayerFinished()) {
        ui_.showResults();
        state.gameOver = 1;
        ui_.showReferee("GAME OVER", "Please select new", "game in menu bar.", "");
        return;
    }
    ui_.redrawPlayerPanel();
    const int p = state.playerToMove;
    if (state.slots[p].autoReposition) {
        ui_.showReferee(state.slots[p].name, "Board re-position", "is in progress...", "");
        repositionBoard(p);
    }
    if (!state.slots[p].isComputer() || computer_ == nullptr) {
        promptPerson(p);
        return;
    }
    ui_.showPrompt(Prompt::ComputerThinking);
    computer_->play(*this, ui_);
    ui_.showPrompt(Prompt::Ready);
    ui_.repaint();
    queueNextPass();
}

bool Game::checkPlayerFinished()
{
    const int p = previousPlayer(state, state.playerToMove);
    if (state.slots[p].finished)
        return false;
    if (targetDistanceSum(state, p) != 20)
        return false;

    state.slots[p].finished = 1;
    auto append = [this](int player) {
        if (state.finishCount < PlayerCount)
            state.finishOrder[state.finishCount++] = static_cast<uint16_t>(player);
    };
    append(p);
    int remaining = 0;
    for (int s = 0; s < PlayerCount; ++s)
        remaining += state.inPlay(s) ? 1 : 0;

    std::string text = finishedMessage(p, state.slots[p].name);
    ui_.playSound(FinishSounds[p]);
    if (remaining == 2) {
        text += "\nBut there are still 2 players left.\nDo you want to continue the game?";
        if (ui_.askYesNo("Tavolux", text)) {
            history.seal();
            return false;
        }
        append(nextPlayer(state, p));
        append(previousPlayer(state, p));
        return true;
    }
    append(nextPlayer(state, p));
    ui_.inform("Tavolux", text);
    return true;
}

void Game::acceptPersonMove(int k, int d, const PieceRecord& saved)
{
    state.pieces[k] = saved;
    history.record(state.pieces);
    state.pieces[k].hole = static_cast<uint16_t>(d);
    state.pieces[k].owner = saved.owner;
    ui_.pieceMoved(state.playerToMove, k, saved.hole);
    state.playerToMove = nextPlayer(state, state.playerToMove);
    ui_.showReferee(state.slots[state.playerToMove].name, "", "", "");
}

bool Game::undo()
{
    if (!history.undo(state.pieces))
        return false;
    ui_.piecesReplaced();
    ui_.repaint();
    return true;
}

bool Game::redo()
{
    if (!history.redo(state.pieces))
        return false;
    ui_.piecesReplaced();
    ui_.repaint();
    return true;
}

void Game::replaceState(const GameState& loaded)
{
    queuedPass_ = 0;
    state = loaded;
    assignFirstPieces(state);
    history.clear();
    ui_.piecesReplaced();
    ui_.boardRotationChanged();
    ui_.repaint();
    if (state.gameInProgress() && state.inPlay(state.playerToMove) && state.slots[state.playerToMove].isComputer()
        && computer_ != nullptr)
        queueNextPass();
}

} // namespace tavolux
