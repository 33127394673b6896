#pragma once
// Saved games: a flat little-endian record of at most 1023 bytes that starts
// with a 32-bit signature and holds the whole game record and the board view.
// Names are stored as their bytes (UTF-8 here) each followed by one NUL.

#include "model/gamestate.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavolux {

constexpr uint32_t SaveSignature = 0x01001001;
constexpr std::size_t SaveBufferSize = 1023;
constexpr const char* NotTavoluxMessage = "That is not a Tavolux file!";
constexpr const char* NothingToSaveMessage = "There are no unfinished game to save!";

// The bytes of a saved game; fields that would not fit in the 1023-byte
// buffer are skipped.
std::vector<uint8_t> encodeGame(const GameState& s);

enum class LoadStatus { Loaded, CannotOpen, NotTavolux };

// Decodes up to 1023 bytes into `out`, which keeps the fields the record does
// not hold (the history, firstPiece is recomputed). A wrong signature or a
// value no game could hold refuses the file and leaves `out` untouched, and
// so does a game in progress that could not be played on (fewer than two
// players in play, pieces out of their places in the table, two pieces on one
// hole). Names longer than MaxNameLength are cut; a player to move who has
// finished or sits out is replaced by the next player in play.
LoadStatus decodeGame(const uint8_t* data, std::size_t size, GameState& out);

// The file name the save command really writes: the last path component cut
// at its first dot, then ".tvx". Dots in folder names are left alone.
std::string forceTvxExtension(const std::string& path);

// Writes the record; false when the file cannot be created or written.
bool saveGameFile(const std::string& path, const GameState& s);
LoadStatus loadGameFile(const std::string& path, GameState& out);

} // namespace tavolux
