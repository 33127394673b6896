#pragma once
// The saved-game and move-rule commands of tavolux-cli.

#include <string>
#include <vector>

namespace tavolux::cli {

int destinationsCommand(const std::vector<std::string>& args);
int showCommand(const std::vector<std::string>& args);
int resaveCommand(const std::vector<std::string>& args);
int newCommand(const std::vector<std::string>& args);

} // namespace tavolux::cli
