#pragma once
// Access to the record's player slots for Qt code: Qt's headers define the
// word "slots" away, so code that includes them reaches the slots through
// these functions, which are compiled without Qt.

#include "model/gamestate.h"

namespace tavolux {

const PlayerSlot& playerSlot(const GameState& state, int player);
PlayerSlot& playerSlot(GameState& state, int player);

} // namespace tavolux
