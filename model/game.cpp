#include "model/game.h"

#include "model/movepath.h"
#include "model/moverules.h"

#include <utility>

namespace tavolux {

namespace {
// The persons' seats: the answer waits for Game::moveByHand.
class Hand : public Player {
public:
    void takeTurn(const GameState&, MoveAnswer answer) override { answer_ = std::move(answer); }
    void withdraw() override { answer_ = nullptr; }
    void give(const ChosenMove& move)
    {
        if (MoveAnswer answer = std::exchange(answer_, nullptr))
            answer(move);
    }

private:
    MoveAnswer answer_;
};
} // namespace

Game::Game(GameEvents& events, Player* computers)
    : events_(events), computers_(computers), hand_(std::make_unique<Hand>())
{
}

Game::Game(GameEvents& events, MoveChooser* computers) : Game(events, static_cast<Player*>(nullptr))
{
    if (computers != nullptr) {
        ownComputers_ = std::make_unique<ChoosingPlayer>(*computers);
        computers_ = ownComputers_.get();
    }
}

Game::~Game()
{
    withdraw();
}

Player* Game::playerFor(int p)
{
    return state_.slots[p].isComputer() && computers_ != nullptr ? computers_ : hand_.get();
}

bool Game::waitingForPerson() const
{
    return state_.gameInProgress() && asked_ == hand_.get() && due_ == Step::None;
}

bool Game::computersPlaying() const
{
    if (!state_.gameInProgress() || askingPlayOn())
        return false;
    return (asked_ != nullptr && asked_ != hand_.get()) || due_ != Step::None;
}

// --- The cycle ------------------------------------------------------------

void Game::due(Step step)
{
    due_ = step;
    if (pace_ != nullptr)
        pace_->stepDue();
    else if (stepping_)
        stepAgain_ = true;
    else
        goOn();
}

void Game::hold()
{
    ++holds_;
}

void Game::release()
{
    if (holds_ > 0 && --holds_ == 0 && due_ != Step::None)
        due(due_);
}

void Game::goOn()
{
    if (stepping_ || holds_ > 0)
        return;
    stepping_ = true;
    do {
        stepAgain_ = false;
        takeStep();
    } while (stepAgain_ && holds_ == 0);
    stepping_ = false;
}

void Game::takeStep()
{
    const Step step = std::exchange(due_, Step::None);
    switch (step) {
    case Step::None:
        return;
    case Step::Apply:
        apply(held_, heldByPerson_);
        return;
    case Step::Finish:
        finish();
        return;
    case Step::End:
        events_.gameEnded();
        return;
    case Step::Begin:
        beginTurn();
        return;
    case Step::Ask:
        ask();
        return;
    }
}

// A position brought about by a load may hold a finish not yet told.
void Game::beginTurn()
{
    if (!state_.gameInProgress())
        return;
    const int finished = finishingPlayer(state_);
    if (finished >= 0) {
        if (finishPlayer(state_, finished) < 2) {
            placeRemaining(state_, finished);
            state_.gameOver = 1;
        }
        finishing_ = finished;
        due(Step::Finish);
        return;
    }
    const int p = state_.playerToMove;
    events_.turnStarting(p);
    if (state_.slots[p].autoReposition) {
        const int from = state_.boardRotation;
        state_.boardRotation = targetRotation(state_, p);
        events_.boardRepositioning(p, from);
    }
    due(Step::Ask);
}

void Game::ask()
{
    if (!state_.gameInProgress())
        return;
    const int p = state_.playerToMove;
    Player* player = playerFor(p);
    asked_ = player;
    const unsigned turn = ++turn_;
    const bool byPerson = player == hand_.get();
    if (byPerson)
        events_.personToMove(p);
    else
        events_.computerThinking(p);
    player->takeTurn(state_, [this, turn, byPerson](const ChosenMove& move) { answered(turn, move, byPerson); });
}

void Game::answered(unsigned turn, const ChosenMove& move, bool byPerson)
{
    if (turn != turn_ || asked_ == nullptr || move.abandoned)
        return;
    asked_ = nullptr;
    // A computer's move is made as a step of its own, when the window is
    // ready for it; a person's at once.
    if (holds_ > 0 || !byPerson) {
        held_ = move;
        heldByPerson_ = byPerson;
        due(Step::Apply);
        return;
    }
    apply(move, byPerson);
}

void Game::apply(const ChosenMove& move, bool byPerson)
{
    const int p = state_.playerToMove;
    const int start = state_.pieces[move.piece].hole;
    if (!move.found)
        events_.noValidMove(p);
    if (byPerson)
        history_.record(state_.pieces);
    const MoveOutcome outcome = applyMove(state_, move.piece, move.found ? move.path : std::vector<int>{}, true);
    state_ = outcome.after;
    if (move.found) {
        moveList_.add({p, move.piece, start, move.path, byPerson});
        events_.moveMade({p, move.piece, start, move.path, byPerson});
    }
    if (byPerson)
        events_.personMoveAccepted(state_.playerToMove);
    else
        events_.computerMoved(p);
    finishing_ = outcome.finished;
    due(outcome.finished >= 0 ? Step::Finish : Step::Begin);
}

// The finish is told once the move has been shown; with two players left
// they are asked whether they play on.
void Game::finish()
{
    const int p = std::exchange(finishing_, -1);
    if (p < 0)
        return;
    if (state_.gameOver) {
        events_.playerFinished(p, false);
        due(Step::End);
        return;
    }
    events_.playerFinished(p, true);
    askingPlayOn_ = p;
    if (questions_ != nullptr)
        questions_->askPlayOn(p);
    else
        playOn(true);
}

void Game::playOn(bool yes)
{
    const int p = std::exchange(askingPlayOn_, -1);
    if (p < 0)
        return;
    if (yes) {
        history_.seal();
        due(Step::Begin);
        return;
    }
    placeRemaining(state_, p);
    state_.gameOver = 1;
    moveList_.endWithLast();
    due(Step::End);
}

void Game::withdraw()
{
    due_ = Step::None;
    finishing_ = -1;
    askingPlayOn_ = -1;
    Player* asked = std::exchange(asked_, nullptr);
    ++turn_;
    if (asked == nullptr)
        return;
    asked->withdraw();
    events_.turnWithdrawn(state_.playerToMove);
}

// --- Commands -------------------------------------------------------------

void Game::startGame(const GameState& chosen)
{
    withdraw();
    for (int p = 0; p < PlayerCount; ++p)
        state_.slots[p] = chosen.slots[p];
    state_.animationSpeed = chosen.animationSpeed;
    state_.soundEnabled = chosen.soundEnabled;
    state_.noGameStarted = 0;
    placeStartingPieces(state_);
    moveList_.restart(state_);
    history_.clear();
    events_.piecesReplaced();

    const int p = state_.playerToMove;
    state_.boardRotation = state_.slots[p].autoReposition ? targetRotation(state_, p) : 0;
    events_.boardRotationChanged();
    events_.repaint();
    events_.gameStarted(p);
    // The first player is asked at once: its view is set already.
    due(Step::Ask);
}

void Game::load(const GameState& record, const MoveList* past)
{
    withdraw();
    state_ = record;
    assignFirstPieces(state_);
    history_.clear();
    if (past != nullptr)
        moveList_ = *past;
    else
        moveList_.restart(state_);
    events_.piecesReplaced();
    events_.boardRotationChanged();
    events_.repaint();
    if (!state_.gameInProgress() || !state_.inPlay(state_.playerToMove))
        return;
    // A computer to move plays a turn of its own; a person is asked as the
    // record stands, unless the last move's finish is still to be told.
    const bool asIs = playerFor(state_.playerToMove) == hand_.get() && finishingPlayer(state_) < 0;
    due(asIs ? Step::Ask : Step::Begin);
}

bool Game::moveByHand(int k, int hole)
{
    if (!waitingForPerson() || k < 0 || k >= PieceCount)
        return false;
    const int p = state_.playerToMove;
    const int first = state_.slots[p].firstPiece;
    if (k < first || k >= first + PiecesPerPlayer)
        return false;
    moves_.rebuildOccupancy(state_.pieces);
    moves_.findDestinations(p, k, state_.pieces);
    if (!moves_.isDestination(hole))
        return false;
    ChosenMove move;
    move.found = true;
    move.piece = k;
    move.path = findMovePath(state_.pieces, state_.pieces[k].hole, hole);
    static_cast<Hand*>(hand_.get())->give(move);
    return true;
}

bool Game::undo()
{
    if (computersPlaying() || askingPlayOn() || !history_.undo(state_.pieces))
        return false;
    moveList_.follow(state_);
    events_.piecesReplaced();
    events_.repaint();
    return true;
}

bool Game::redo()
{
    if (computersPlaying() || askingPlayOn() || !history_.redo(state_.pieces))
        return false;
    moveList_.follow(state_);
    events_.piecesReplaced();
    events_.repaint();
    return true;
}

void Game::setBoardRotation(int rotation)
{
    state_.boardRotation = ((rotation % 6) + 6) % 6;
    events_.boardRotationChanged();
}

void Game::changeOptions(const GameState& chosen)
{
    state_.animationSpeed = chosen.animationSpeed;
    state_.soundEnabled = chosen.soundEnabled;
    for (int p = 0; p < PlayerCount; ++p) {
        state_.slots[p].preferredView = chosen.slots[p].preferredView;
        state_.slots[p].autoReposition = chosen.slots[p].autoReposition;
    }
}

void Game::setAnimationSpeed(int speed)
{
    state_.animationSpeed = speed == 1 ? 1 : 0;
}

void Game::stop()
{
    withdraw();
}

} // namespace tavolux
