#pragma once
// Helpers shared by the commands of tavolux-cli: exit statuses, option
// parsing and reading a saved game with the game's own loader.

#include "model/gamestate.h"

#include <optional>
#include <string>
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

// Loads a saved game as the game does (fresh record first). On failure prints
// the reason on stderr and returns nothing.
std::optional<GameState> loadPosition(const std::string& path);

// "h h h" for a list of holes ended by 121.
std::string holeList(const uint16_t* list);

} // namespace tavolux::cli
