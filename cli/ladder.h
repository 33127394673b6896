#pragma once
// Games among computer players of given strengths, for measuring them:
// varied openings, games played to the first finisher, a player alone.

#include "ai/computerplayer.h"
#include "model/gamestate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolux::cli {

// "beginner", "standard" or "expert".
std::optional<Strength> parseStrength(const std::string& text);
const char* strengthWord(int strength);

// The opening of a measured game: the players of `seats` (one strength per
// active slot, the rest sit out) on their start holes, each having made a
// few random legal moves drawn from `seed`, and Player #1 to move.
GameState matchOpening(const std::vector<int>& seats, uint32_t seed);

struct PlayedGame {
    int first = -1;      // the slot that finished first, -1 when cut off
    int turns = 0;       // moves made
    double worstMs = 0;  // longest choice
    double totalMs[PlayerCount] = {}; // time per slot
    double slotWorstMs[PlayerCount] = {}; // longest choice per slot
    int moves[PlayerCount] = {};       // moves per slot
};

// Plays from `opening` until a player finishes or maxTurns moves are made.
PlayedGame playToFirstFinish(GameState opening, MoveChooser& computer, int maxTurns);

} // namespace tavolux::cli
