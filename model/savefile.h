#pragma once
// Saved games: a flat little-endian record of at most 1023 bytes that starts
// with a 32-bit signature and holds the whole game record and the board view.
// Names are stored as their bytes (UTF-8 here) each followed by one NUL.
//
// When a slot's computer strength is not Standard, a block of 11 bytes
// follows the record; readers that know only the record ignore it, as they
// ignore anything after their last field:
//   0..3   "TVXe"
//   4      version, 1
//   5      payload byte count, 3
//   6..8   strength of slots 0, 1, 2 (0 Beginner, 1 Standard, 2 Expert)
//   9..10  CRC-16/CCITT-FALSE (polynomial 0x1021, initial value 0xFFFF, no
//          final xor) of bytes 0..8, low byte first
// The block is only written after a record with every field in it and only
// when the whole file fits in the 1023 bytes; with all slots Standard the
// file is the record alone.

#include "model/gamestate.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavolux {

constexpr uint32_t SaveSignature = 0x01001001;
constexpr std::size_t SaveBufferSize = 1023;

// A game with a seat beyond the classic three is saved in a format of its
// own, which readers of the classic one refuse by its signature:
//   signature 0x01001006 (bytes 06 10 00 01), version 1,
//   then the classic record's fields for six seats and sixty pieces, each
//   seat's eight numbers followed by its strength (0 Beginner, 1 Standard,
//   2 Expert).
// It is read whole or refused: no field missing, no byte after the last.
constexpr uint32_t SixSeatSignature = 0x01001006;
constexpr uint32_t SixSeatVersion = 1;
constexpr std::size_t SixSeatBufferSize = 2047;
// The most bytes a loader reads: one more than either format holds, so that
// a file too long is seen.
constexpr std::size_t SaveReadSize = SixSeatBufferSize + 1;
constexpr const char* NotTavoluxMessage = "That is not a Tavolux file!";
constexpr const char* NothingToSaveMessage = "There is no unfinished game to save!";

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
// The strengths come from a block that directly follows a record read in
// full, ends the bytes given (more than 1023 bytes means it does not) and is
// sound in every field; otherwise every slot is Standard. The block never
// refuses a file.
LoadStatus decodeGame(const uint8_t* data, std::size_t size, GameState& out);

// The file name the save command really writes: the last path component cut
// at its first dot, then ".tvx". Dots in folder names are left alone.
std::string forceTvxExtension(const std::string& path);

// Writes the record; false when the file cannot be created or written.
bool saveGameFile(const std::string& path, const GameState& s);
LoadStatus loadGameFile(const std::string& path, GameState& out);

} // namespace tavolux
