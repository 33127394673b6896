#include "cli/ai_commands.h"

#include <iostream>

namespace tavolux::cli {

namespace {
int notYet(const char* name)
{
    std::cerr << "tavolux-cli " << name << ": not available yet\n";
    return 2;
}
}

int searchCommand(const std::vector<std::string>&) { return notYet("search"); }
int selfplayCommand(const std::vector<std::string>&) { return notYet("selfplay"); }
int benchCommand(const std::vector<std::string>&) { return notYet("bench"); }

} // namespace tavolux::cli
