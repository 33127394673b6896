#include "model/game.h"

#include "model/board.h"
#include "model/movepath.h"
#include "model/moverules.h"

#include <algorithm>
#include <optional>

namespace tavolux {

Game::Game(GameEvents& events, MoveChooser* computer) : events_(events), computer_(computer) {}

namespace {
// Counts a computer's turn as under way for as long as it lives.
class TurnUnderWay {
public:
    explicit TurnUnderWay(int& turns) : turns_(turns) { ++turns_; }
    ~TurnUnderWay() { --turns_; }
    TurnUnderWay(const TurnUnderWay&) = delete;
    TurnUnderWay& operator=(const TurnUnderWay&) = delete;

private:
    int& turns_;
};
} // namespace

bool Game::startNewGame()
{
    if (state.gameInProgress() && !events_.mayAbandonGame())
        return false;
    if (!events_.setUpNewGame())
        return false;
    if (computer_ != nullptr)
        computer_->giveUp();
    queuedPass_ = 0;
    ++generation_;
    state.noGameStarted = 0;
    placeStartingPieces(state);
    moveList.restart(state);
    events_.piecesReplaced();

    const int p = state.playerToMove;
    state.boardRotation = state.slots[p].autoReposition ? targetRotation(state, p) : 0;
    events_.boardRotationChanged();
    events_.repaint();
    events_.gameStarted(p);
    history.clear();
    if (state.slots[p].isComputer() && computer_ != nullptr) {
        const TurnUnderWay underWay(turnsUnderWay_);
        events_.repaint();
        if (!playComputerTurn(p))
            return true;
        events_.repaint();
        queueNextPass();
    }
    return true;
}

bool Game::waitingForPerson() const
{
    return state.gameInProgress() && !computersPlaying() && !state.slots[state.playerToMove].isComputer();
}

void Game::queueNextPass()
{
    if (++lastTicket_ == 0)
        ++lastTicket_;
    queuedPass_ = lastTicket_;
    events_.queueNextPass(queuedPass_);
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
    const RotationPlan plan = planRotation(state.boardRotation, targetRotation(state, p));
    for (int i = 0; i < plan.steps; ++i)
        events_.rotateBoardStep(plan.clockwise);
}

void Game::runTurns()
{
    queuedPass_ = 0;
    if (checkPlayerFinished()) {
        events_.gameEnded();
        state.gameOver = 1;
        return;
    }
    const int p = state.playerToMove;
    const bool computer = state.slots[p].isComputer() && computer_ != nullptr;
    // From the board's turn to the computer's move, nobody moves by hand.
    std::optional<TurnUnderWay> underWay;
    if (computer)
        underWay.emplace(turnsUnderWay_);
    events_.turnStarting(p);
    if (state.slots[p].autoReposition) {
        events_.boardRepositioning(p);
        repositionBoard(p);
    }
    if (!computer) {
        events_.personToMove(p);
        return;
    }
    events_.computerTurnStarts(p);
    if (!playComputerTurn(p))
        return;
    events_.computerTurnEnds(p);
    queueNextPass();
}

// Step 1. The computer chooses. Step 2. The move is shown with the piece
// taken off the board, then made. Without a move the piece stays and the
// turn passes all the same.
bool Game::playComputerTurn(int p)
{
    events_.computerThinking(p);
    const unsigned generation = generation_;
    const ChosenMove move = computer_->chooseMove(state);
    if (move.abandoned || generation != generation_) {
        events_.computerTurnAbandoned(p);
        return false;
    }
    if (!move.found)
        events_.noValidMove(p);

    PieceRecord& piece = state.pieces[move.piece];
    const PieceRecord kept = piece;
    piece.owner = 0;
    events_.computerMoving(p, move.piece, kept.hole, move.path.data(), static_cast<int>(move.path.size()));
    // The move was shown with the event loop running: a game loaded or
    // started meanwhile is not this move's.
    if (generation != generation_) {
        events_.computerTurnAbandoned(p);
        return false;
    }
    piece = kept;
    makeMove(move.piece, move.path.empty() ? std::vector<int>{kept.hole} : move.path, false, move.found);
    events_.computerMoved(p);
    return true;
}

void Game::makeMove(int k, const std::vector<int>& path, bool byPerson, bool moved)
{
    const int p = state.playerToMove;
    const int start = state.pieces[k].hole;
    if (byPerson)
        history.record(state.pieces);
    state.pieces[k].hole = static_cast<uint16_t>(path.back());
    moves.rebuildOccupancy(state.pieces);
    if (moved) {
        moveList.add({p, k, start, path, byPerson});
        events_.moveMade(p, k, start);
    }
    passTurn(state, p);
}

bool Game::checkPlayerFinished()
{
    const int p = finishingPlayer(state);
    if (p < 0)
        return false;
    const int remaining = finishPlayer(state, p);
    if (remaining == 2) {
        if (events_.playerFinished(p, true)) {
            history.seal();
            return false;
        }
        placeRemaining(state, p);
        return true;
    }
    placeRemaining(state, p);
    events_.playerFinished(p, false);
    return true;
}

void Game::acceptPersonMove(int k, int d, const PieceRecord& saved)
{
    state.pieces[k] = saved;
    makeMove(k, findMovePath(state.pieces, saved.hole, d), true, true);
    events_.personMoveAccepted(state.playerToMove);
}

bool Game::undo()
{
    if (!history.undo(state.pieces))
        return false;
    ++generation_;
    moveList.follow(state);
    events_.piecesReplaced();
    events_.repaint();
    return true;
}

bool Game::redo()
{
    if (!history.redo(state.pieces))
        return false;
    ++generation_;
    moveList.follow(state);
    events_.piecesReplaced();
    events_.repaint();
    return true;
}

void Game::replaceState(const GameState& loaded)
{
    if (computer_ != nullptr)
        computer_->giveUp();
    queuedPass_ = 0;
    ++generation_;
    state = loaded;
    assignFirstPieces(state);
    history.clear();
    moveList.restart(state);
    events_.piecesReplaced();
    events_.boardRotationChanged();
    events_.repaint();
    if (state.gameInProgress() && state.inPlay(state.playerToMove) && state.slots[state.playerToMove].isComputer()
        && computer_ != nullptr)
        queueNextPass();
}

} // namespace tavolux
