#pragma once
// A game among computer players as tavolux-cli plays it for selfplay and
// record: the options both take, and the game run by the game's own turn
// cycle from the opening.

#include "ai/computerplayer.h"
#include "model/game.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolux::cli {

struct SelfPlayOptions {
    GameState setup = initialGameState();
    bool random = true;
    std::optional<uint32_t> seed;
    long maxTurns = 5000;
    std::string saveDir;
};

// Fills `out` from --active, --styles, --strengths, --no-random, --seed,
// --max-turns and, when `takesSaveDir`, --save; returns an error text,
// empty when fine.
std::string parseSelfPlay(const std::vector<std::string>& args, SelfPlayOptions& out, bool takesSaveDir);

// Plays computer turns until the limit, then answers no more, which makes
// the turn cycle stop and wait.
// With a folder to save into, writes the position before each turn there as
// turn-T.tvx first.
class LimitedTurns : public Player {
public:
    LimitedTurns(ComputerPlayer& player, long limit, std::string saveDir);
    bool stopped() const { return left_ <= 0; }
    bool saveFailed() const { return saveFailed_; }

    void takeTurn(const GameState& state, MoveAnswer answer) override;

private:
    ComputerPlayer& player_;
    long left_;
    std::string saveDir_;
    long turn_ = 0;
    bool saveFailed_ = false;
};

// The game of the options among computers, told to `events`. Large: make
// it on the heap.
class SelfPlayGame {
public:
    SelfPlayGame(const SelfPlayOptions& options, GameEvents& events);
    // Plays from the opening until the game is over or the turns run out.
    void play();
    const Game& game() const { return game_; }
    // The players as the game began.
    const GameState& setup() const { return setup_; }
    bool stopped() const { return turns_.stopped(); }
    bool saveFailed() const { return turns_.saveFailed(); }

private:
    ComputerPlayer player_;
    LimitedTurns turns_;
    Game game_;
    GameState setup_;
};

} // namespace tavolux::cli
