#pragma once
// What must hold for any bytes given to the saved-game decoder, shared by
// the fuzzer and the test that replays its corpus: a loaded record holds only
// values the rules' tables can take, a game in progress has its player to
// move in play, and saving the record again gives bytes that load to the
// same record, computer strengths included.

#include "model/board.h"
#include "model/movegen.h"
#include "model/moverules.h"
#include "model/savefile.h"

#include <algorithm>
#include <string>

namespace tavolux::fuzz {

// An empty text when all is well, else what went wrong.
inline std::string checkDecoding(const uint8_t* data, std::size_t size)
{
    GameState s = initialGameState();
    if (decodeGame(data, size, s) != LoadStatus::Loaded)
        return {};
    if (s.playerToMove >= PlayerCount || s.finishCount > PlayerCount
        || (s.slotCount != DesignSeatCount && s.slotCount != PlayerCount))
        return "counter out of range";
    if (s.boardRotation < 0 || s.boardRotation > 5 || s.animationSpeed < 0 || s.animationSpeed > 1)
        return "rotation or animation speed out of range";
    int before = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        const PlayerSlot& slot = s.slots[p];
        if (s.finishOrder[p] >= PlayerCount || slot.picture >= PictureCount || slot.firstPiece != before)
            return "slot field out of range";
        before += slot.active ? PiecesPerPlayer : 0;
        if (slot.name.size() > MaxNameLength || slot.preferredView < 0 || slot.preferredView > 5)
            return "name or view out of range";
        if (slot.strength < 0 || slot.strength >= StrengthCount)
            return "strength out of range";
    }
    for (const PieceRecord& r : s.pieces)
        if (r.hole >= HoleCount)
            return "hole out of range";
    if (s.gameInProgress() && !s.inPlay(s.playerToMove))
        return "player to move is not in play";
    int finished = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        if (s.slots[p].finished == 0)
            continue;
        ++finished;
        if (s.slots[p].finished != 1 || !isHome(s, p))
            return "a finished player is not home";
        const uint16_t* places = s.finishOrder;
        if (std::find(places, places + s.finishCount, p) == places + s.finishCount)
            return "a finished player has no place";
    }
    if (!s.noGameStarted && !s.gameOver && s.finishCount != finished)
        return "the finish order and the flags disagree";

    MoveGenerator moves;
    for (int k = 0; k < PieceCount; ++k)
        moves.findDestinations(s.playerToMove, k, s.pieces);

    const std::vector<uint8_t> bytes = encodeGame(s);
    GameState again = initialGameState();
    if (decodeGame(bytes.data(), bytes.size(), again) != LoadStatus::Loaded)
        return "a loaded record saved again is refused";
    if (encodeGame(again) != bytes)
        return "a loaded record saved again loads differently";
    for (int p = 0; p < PlayerCount; ++p)
        if (again.slots[p].strength != s.slots[p].strength)
            return "a loaded record saved again loads other strengths";
    return {};
}

} // namespace tavolux::fuzz
