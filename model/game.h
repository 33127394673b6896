#pragma once
// A game in play: the record, the move history, the move list and the turn
// cycle. The game owns its record; everyone else reads it and changes it
// only through the commands below. A turn asks the player to move (a
// Player: persons answer through moveByHand, computers through the
// computer player) and returns; every answer is applied by the one move
// rule (applyMove). What happened is told through GameEvents, the play-on
// question is asked through GameQuestions, and the next step waits for the
// TurnPace and for every hold to be released.

#include "model/gameevents.h"
#include "model/gamestate.h"
#include "model/history.h"
#include "model/movegen.h"
#include "model/movelist.h"
#include "model/player.h"

#include <memory>

namespace tavolux {

class Game {
public:
    // `computers` answers for every computer seat; without one, computer
    // seats are played by hand.
    Game(GameEvents& events, Player* computers);
    // The same with a chooser that answers at once.
    Game(GameEvents& events, MoveChooser* computers);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void setPace(TurnPace* pace) { pace_ = pace; }
    void setQuestions(GameQuestions* questions) { questions_ = questions; }

    const GameState& state() const { return state_; }
    const MoveHistory& history() const { return history_; }
    const MoveList& moveList() const { return moveList_; }

    // --- Commands --------------------------------------------------------
    // Starts a new game with the players and options of `chosen` (its slots,
    // animation speed and sound); a game in play is given up.
    void startGame(const GameState& chosen);
    // Takes a whole record (a loaded game, a position of the move list) and
    // empties the history; the game goes on from it. `past`, when given, is
    // the list of the moves that led there.
    void load(const GameState& record, const MoveList* past = nullptr);
    // The person to move moves piece k to `hole`; false (nothing changes)
    // unless a person is asked and the move is legal.
    bool moveByHand(int k, int hole);
    // Undo and Redo wait for a person's turn: false while a computer plays
    // or the play-on question is open.
    bool undo();
    bool redo();
    // The answer to GameQuestions::askPlayOn.
    void playOn(bool yes);
    // The view of the board the record keeps (0..5).
    void setBoardRotation(int rotation);
    // The options a player changes during a game: the animation speed, the
    // sound and each seat's view and turning, taken from `chosen`.
    void changeOptions(const GameState& chosen);
    void setAnimationSpeed(int speed);
    // The question to the player to move is withdrawn and nothing more
    // happens (the window closes).
    void stop();

    // Holds the next step (an animation, a dialog) until as many releases;
    // an answer that comes meanwhile is applied once the hold ends.
    void hold();
    void release();
    // Takes the due step when nothing holds it (called by the pace).
    void goOn();

    // --- What the cycle is doing ----------------------------------------
    // A person is asked for a move and the cycle waits for it.
    bool waitingForPerson() const;
    // A computer is asked, or a step is due before the next question: no
    // piece is moved by hand and commands on the person's position wait.
    bool computersPlaying() const;
    // The play-on question is open.
    bool askingPlayOn() const { return askingPlayOn_ >= 0; }

private:
    enum class Step { None, Apply, Finish, End, Begin, Ask };
    void due(Step step);
    void takeStep();
    void beginTurn();
    void ask();
    void answered(unsigned turn, const ChosenMove& move, bool byPerson);
    void apply(const ChosenMove& move, bool byPerson);
    void finish();
    void withdraw();
    Player* playerFor(int p);

    GameEvents& events_;
    Player* computers_;
    std::unique_ptr<Player> ownComputers_;
    std::unique_ptr<Player> hand_;
    TurnPace* pace_ = nullptr;
    GameQuestions* questions_ = nullptr;

    GameState state_ = initialGameState();
    MoveHistory history_;
    MoveList moveList_;
    MoveGenerator moves_;

    Step due_ = Step::None;
    Player* asked_ = nullptr; // the player whose answer is awaited
    unsigned turn_ = 0;       // the question's number: older answers are stale
    int finishing_ = -1;      // the player whose finish is to be told
    int askingPlayOn_ = -1;
    ChosenMove held_;         // an answer that came while the game was held
    bool heldByPerson_ = false;
    int holds_ = 0;
    bool stepping_ = false;
    bool stepAgain_ = false;
};

} // namespace tavolux
