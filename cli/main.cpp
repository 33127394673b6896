// tavolux-cli: the game's rules, saved games and computer player from the
// command line. Output is "key: value" lines; errors go to stderr with exit
// status 2 for bad usage and 1 for a file that cannot be read or is refused.

#include "cli/ai_commands.h"
#include "cli/common.h"
#include "cli/game_commands.h"
#include "cli/record_commands.h"

#include <iostream>

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* summary;
};

const Command Commands[] = {
    {"destinations", tavolux::cli::destinationsCommand, "where a piece may move"},
    {"show", tavolux::cli::showCommand, "every field of a saved game"},
    {"resave", tavolux::cli::resaveCommand, "load a saved game and write it again"},
    {"new", tavolux::cli::newCommand, "write a freshly placed game"},
    {"search", tavolux::cli::searchCommand, "the computer's move search for the player to move"},
    {"selfplay", tavolux::cli::selfplayCommand, "a game among computer players"},
    {"bench", tavolux::cli::benchCommand, "time the move search over saved positions"},
    {"match", tavolux::cli::matchCommand, "games between two computer strengths"},
    {"solo", tavolux::cli::soloCommand, "one computer player crossing the board alone"},
    {"record", tavolux::cli::recordCommand, "a game among computer players written as a game record"},
    {"replay", tavolux::cli::replayCommand, "read a game record and check it move by move"},
};

void printUsage(std::ostream& out)
{
    out << "usage: tavolux-cli COMMAND [ARGS...]   (COMMAND --help for details)\n\ncommands:\n";
    for (const Command& c : Commands)
        out << "  " << c.name << std::string(14 - std::string(c.name).size(), ' ') << c.summary << "\n";
    out << "\nPlayers and pieces are 0-based: player 0 is \"Player #1\", a piece is its\n"
           "index 0..29 in the piece table. Positions are saved games (.tvx).\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return tavolux::cli::ExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return tavolux::cli::ExitOk;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& c : Commands)
        if (name == c.name)
            return c.run(args);
    std::cerr << "tavolux-cli: unknown command '" << name << "'\n";
    printUsage(std::cerr);
    return tavolux::cli::ExitUsage;
}
