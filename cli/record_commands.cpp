// tavolux-cli record and replay: a game among computer players written as a
// game record, and a record read back, checked move by move.

#include "cli/record_commands.h"

#include "cli/common.h"
#include "cli/recordfaults.h"
#include "cli/selfplay.h"
#include "model/gamerecord.h"
#include "model/savefile.h"

#include <iostream>
#include <memory>

namespace tavolux::cli {

int recordCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli record OUT [--active A,B,C | --seats LIST] [--styles L,H;L,H;L,H]\n"
                     "                              [--strengths A,B,C]\n"
                     "                              [--no-random] [--seed N] [--max-turns N]\n"
                     "  Plays a game among computer players from the opening, as selfplay\n"
                     "  does with the same options, and writes it to OUT as a game record:\n"
                     "  a text of the players, every move in hole names (a step n2-m6, a\n"
                     "  chain m4-k4-i4) and the result. Prints moves: (how many) and\n"
                     "  result: (the finishing order with players numbered from 1, or\n"
                     "  unfinished when --max-turns cut the game off).\n";
        return ExitOk;
    }
    if (args.empty() || args[0].rfind("--", 0) == 0)
        return usageError("record needs OUT (see --help)");
    SelfPlayOptions options;
    const std::string error = parseSelfPlay({args.begin() + 1, args.end()}, options, false);
    if (!error.empty())
        return usageError(error);

    GameEvents silent;
    auto run = std::make_unique<SelfPlayGame>(options, silent);
    run->play();
    GameState now = run->game().state();
    // Every seat was a computer's, also those handed over to stop the game.
    for (int p = 0; p < PlayerCount; ++p)
        now.slots[p].picture = run->setup().slots[p].picture;
    const GameRecord record = recordOf(now, run->game().moveList());
    if (!writeOutput(args[0], writeRecord(record)))
        return ExitBadFile;
    std::cout << "moves: " << record.moves.size() << "\n";
    std::cout << "result: " << resultText(record) << "\n";
    return ExitOk;
}

int replayCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli replay FILE [--save OUT.tvx]\n"
                     "  Reads the game record FILE, checks every move against the rules and\n"
                     "  the result against the last position, and prints moves: (how many),\n"
                     "  the last position as show prints it (playerToMove, gameOver,\n"
                     "  pieceK.hole and pieceK.owner) and result: (as the record's Result\n"
                     "  line, players numbered from 1). --save writes the last position as\n"
                     "  a saved game. A record refused is reported as FILE:LINE: the fault.\n";
        return ExitOk;
    }
    std::string file, saveTo;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--save" && i + 1 < args.size())
            saveTo = args[++i];
        else if (file.empty() && args[i].rfind("--", 0) != 0)
            file = args[i];
        else
            return usageError("unexpected argument '" + args[i] + "' (see --help)");
    }
    if (file.empty())
        return usageError("replay needs FILE (see --help)");

    const auto text = readInput(file, MaxRecordBytes + 1);
    if (!text)
        return ExitBadFile;
    const RecordReading reading = readRecord(*text);
    if (const auto* error = std::get_if<RecordError>(&reading)) {
        std::cerr << "tavolux-cli: " << file;
        if (error->line > 0)
            std::cerr << ":" << error->line;
        std::cerr << ": " << recordFaultText(*error) << "\n";
        return ExitBadFile;
    }
    const GameRecord& record = std::get<GameRecord>(reading);
    const GameState last = replayTo(record, record.moves.size());
    std::cout << "moves: " << record.moves.size() << "\n";
    std::cout << "playerToMove: " << last.playerToMove << "\n";
    std::cout << "gameOver: " << last.gameOver << "\n";
    for (int i = 0; i < PieceCount; ++i) {
        std::cout << "piece" << i << ".hole: " << last.pieces[i].hole << "\n";
        std::cout << "piece" << i << ".owner: " << last.pieces[i].owner << "\n";
    }
    std::cout << "result: " << resultText(record) << "\n";
    if (!saveTo.empty() && !writeOutput(saveTo, gameBytes(last)))
        return ExitBadFile;
    return ExitOk;
}

} // namespace tavolux::cli
