#pragma once
// The game-record commands of tavolux-cli: record and replay.

#include <string>
#include <vector>

namespace tavolux::cli {

int recordCommand(const std::vector<std::string>& args);
int replayCommand(const std::vector<std::string>& args);

} // namespace tavolux::cli
