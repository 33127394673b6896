#pragma once
// A position in which a Beginner is stuck: it has moves, but none brings its
// pieces on as a whole, so its choice asks the Expert's plan for the way
// out. Found by letting a Beginner cross the board alone.

#include "ai/beginnermove.h"
#include "ai/computerplayer.h"
#include "model/board.h"
#include "model/moverules.h"

#include <optional>

namespace tavolux::testing {

inline std::optional<GameState> stuckBeginner(uint32_t seed = 3)
{
    GameState s = initialGameState();
    s.slots[1].active = s.slots[2].active = 0;
    s.slots[0].picture = 0;
    s.slots[0].strength = Beginner;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    ComputerPlayer computer;
    computer.useSeed(seed);
    std::minstd_rand random(seed);
    for (int moves = 0; moves < 300 && !isHome(s, 0); ++moves) {
        if (beginnerMove(s, random).stuck)
            return s;
        const ChosenMove move = computer.chooseMove(s);
        if (!move.found)
            break;
        s = applyMove(s, move.piece, move.path, true).after;
    }
    return std::nullopt;
}

} // namespace tavolux::testing
