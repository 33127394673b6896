#pragma once
// Helpers shared by the commands of tavolux-cli: exit statuses, option
// parsing and reading a saved game with the game's own loader.

#include "model/gamestate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolux::cli {

constexpr int ExitOk = 0;
constexpr int ExitBadFile = 1;
constexpr int ExitUsage = 2;

// Prints "tavolux-cli: <message>" on stderr and returns ExitUsage.
int usageError(const std::string& message);

// True when args hold "--help" or "-h".
bool wantsHelp(const std::vector<std::string>& args);

// A whole number in [min, max], or nothing.
std::optional<long> parseNumber(const std::string& text, long min, long max);

// "a,b,c" with three numbers each in [min, max], or nothing.
std::optional<std::vector<long>> parseTriple(const std::string& text, long min, long max);

// "0,1,3": seat numbers 0..5, each once, at least two; the active flag of
// every seat, or nothing.
std::optional<std::vector<int32_t>> parseSeats(const std::string& text);
constexpr const char* SeatsUsage = "--seats takes two or more seat numbers 0..5, each once, such as 0,1,3,4";

// Loads a saved game as the game does (fresh record first). On failure prints
// the reason on stderr and returns nothing.
std::optional<GameState> loadPosition(const std::string& path);

// The first `limit` bytes of the regular file at `path`; on failure prints
// "tavolux-cli: cannot read PATH: reason" and returns nothing. Never waits
// on a FIFO or a device.
std::optional<std::string> readInput(const std::string& path, std::size_t limit);

// Writes OUT whole or not at all (the old file stays on any failure); on
// failure prints "tavolux-cli: cannot write PATH: reason" and returns false.
bool writeOutput(const std::string& path, std::string_view bytes);

// The bytes of a saved game, as the game writes them.
std::string gameBytes(const GameState& s);

// "h h h" for a list of holes ended by 121.
std::string holeList(const uint16_t* list);

} // namespace tavolux::cli
