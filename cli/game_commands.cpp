#include "cli/game_commands.h"

#include "cli/common.h"
#include "model/movegen.h"
#include "model/savefile.h"

#include <algorithm>
#include <iostream>

namespace tavolux::cli {

int destinationsCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli destinations FILE PLAYER PIECE\n"
                     "  Lists where piece PIECE (0..59) may go when moved by PLAYER (0..5):\n"
                     "  reach: every hole reached, in discovery order\n"
                     "  dest:  the holes the player may stop on, same order\n";
        return ExitOk;
    }
    if (args.size() != 3)
        return usageError("destinations needs FILE PLAYER PIECE (see --help)");
    const auto player = parseNumber(args[1], 0, PlayerCount - 1);
    const auto piece = parseNumber(args[2], 0, PieceCount - 1);
    if (!player || !piece)
        return usageError("PLAYER must be 0..5 and PIECE 0..59");
    const auto state = loadPosition(args[0]);
    if (!state)
        return ExitBadFile;
    MoveGenerator gen;
    gen.findDestinations(static_cast<int>(*player), static_cast<int>(*piece), state->pieces);
    std::cout << "reach: " << holeList(gen.reachList) << "\n";
    std::cout << "dest: " << holeList(gen.destinations) << "\n";
    return ExitOk;
}

namespace {

void printState(const GameState& s)
{
    auto line = [](const std::string& key, auto value) { std::cout << key << ": " << value << "\n"; };
    for (int p = 0; p < PlayerCount; ++p)
        line("name" + std::to_string(p), s.slots[p].name);
    line("finishCount", s.finishCount);
    line("animationSpeed", s.animationSpeed);
    line("noGameStarted", s.noGameStarted);
    line("gameOver", s.gameOver);
    line("soundEnabled", s.soundEnabled);
    line("playerToMove", s.playerToMove);
    line("slotCount", s.slotCount);
    line("boardRotation", s.boardRotation);
    for (int p = 0; p < PlayerCount; ++p) {
        const PlayerSlot& slot = s.slots[p];
        const std::string k = "slot" + std::to_string(p) + ".";
        line(k + "picture", slot.picture);
        line(k + "finishOrder", s.finishOrder[p]);
        line(k + "styleTowardLower", slot.styleTowardLower);
        line(k + "styleTowardHigher", slot.styleTowardHigher);
        line(k + "preferredView", slot.preferredView);
        line(k + "active", slot.active);
        line(k + "autoReposition", slot.autoReposition);
        line(k + "finished", slot.finished);
        line(k + "strength", slot.strength);
        line(k + "firstPiece", slot.firstPiece);
    }
    for (int i = 0; i < PieceCount; ++i) {
        const std::string k = "piece" + std::to_string(i) + ".";
        line(k + "hole", s.pieces[i].hole);
        line(k + "owner", s.pieces[i].owner);
    }
}

} // namespace

int showCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli show FILE\n"
                     "  Prints every field of a saved game as key: value lines, for each\n"
                     "  of the six seats and the sixty piece records (slotN.firstPiece is\n"
                     "  recomputed, as the game does on loading).\n";
        return ExitOk;
    }
    if (args.size() != 1)
        return usageError("show needs FILE (see --help)");
    const auto state = loadPosition(args[0]);
    if (!state)
        return ExitBadFile;
    printState(*state);
    return ExitOk;
}

int resaveCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli resave IN OUT\n"
                     "  Loads IN and writes OUT with the game's own save code.\n";
        return ExitOk;
    }
    if (args.size() != 2)
        return usageError("resave needs IN OUT (see --help)");
    const auto state = loadPosition(args[0]);
    if (!state)
        return ExitBadFile;
    if (!writeOutput(args[1], gameBytes(*state)))
        return ExitBadFile;
    return ExitOk;
}

int newCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli new OUT [--active A,B,C | --seats LIST]\n"
                     "  Writes the saved game of a freshly placed game with the start-up\n"
                     "  players. --active takes three 0/1 flags for seats 0..2 (default\n"
                     "  1,1,1); at least two players must take part. --seats names the\n"
                     "  seats taking part instead: 0 bottom, 1 upper-left, 2 upper-right,\n"
                     "  3 top, 4 lower-right, 5 lower-left, such as 0,1,2,3,4,5.\n";
        return ExitOk;
    }
    std::string out;
    std::vector<int32_t> active = {1, 1, 1, 0, 0, 0};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--active" && i + 1 < args.size()) {
            auto flags = parseTriple(args[++i], 0, 1);
            if (!flags)
                return usageError("--active takes three flags such as 1,0,1");
            std::copy(flags->begin(), flags->end(), active.begin());
        } else if (args[i] == "--seats" && i + 1 < args.size()) {
            auto seats = parseSeats(args[++i]);
            if (!seats)
                return usageError(SeatsUsage);
            active = *seats;
        } else if (out.empty() && args[i].rfind("--", 0) != 0) {
            out = args[i];
        } else {
            return usageError("unexpected argument '" + args[i] + "' (see --help)");
        }
    }
    if (out.empty())
        return usageError("new needs OUT (see --help)");
    if (std::count(active.begin(), active.end(), 1) < 2)
        return usageError("at least two players must take part");
    GameState s = initialGameState();
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p].active = active[p];
    s.noGameStarted = 0;
    placeStartingPieces(s);
    if (!writeOutput(out, gameBytes(s)))
        return ExitBadFile;
    return ExitOk;
}

} // namespace tavolux::cli
