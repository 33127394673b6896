#include "view/playerslots.h"

namespace tavolux {

const PlayerSlot& playerSlot(const GameState& state, int player)
{
    return state.slots[player];
}

PlayerSlot& playerSlot(GameState& state, int player)
{
    return state.slots[player];
}

} // namespace tavolux
