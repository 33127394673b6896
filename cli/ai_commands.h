#pragma once
// The computer player's commands of tavolux-cli: search, selfplay, bench,
// match and solo.
// Each takes the arguments after the command name and returns the exit status.

#include <string>
#include <vector>

namespace tavolux::cli {

int searchCommand(const std::vector<std::string>& args);
int selfplayCommand(const std::vector<std::string>& args);
int benchCommand(const std::vector<std::string>& args);
int matchCommand(const std::vector<std::string>& args);
int soloCommand(const std::vector<std::string>& args);

} // namespace tavolux::cli
