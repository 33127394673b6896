#include "cli/ai_commands.h"

#include "ai/computerplayer.h"
#include "ai/expertsearch.h"
#include "ai/search.h"
#include "cli/common.h"
#include "cli/ladder.h"
#include "cli/recordfaults.h"
#include "model/gamerecord.h"
#include "model/game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>

namespace tavolux::cli {

namespace {

uint32_t clockSeed()
{
    return static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// The options shared by search and selfplay.
struct RandomOptions {
    bool random = true;
    std::optional<uint32_t> seed;
};

// Consumes --no-random and --seed N at args[i]; false when args[i] is neither.
bool parseRandomOption(const std::vector<std::string>& args, std::size_t& i, RandomOptions& out, bool& bad)
{
    if (args[i] == "--no-random") {
        out.random = false;
        return true;
    }
    if (args[i] != "--seed")
        return false;
    const auto seed = i + 1 < args.size() ? parseNumber(args[++i], 0, 4294967295L) : std::nullopt;
    bad = !seed;
    if (seed)
        out.seed = static_cast<uint32_t>(*seed);
    return true;
}

std::string moveText(const FirstMove& m) { return std::to_string(m.piece) + " " + std::to_string(m.hole); }

void printSearch(const SearchResult& r, const MoveSearch& search)
{
    std::cout << "depth: " << r.depth << "\n";
    std::cout << "candidates: " << r.candidates << "\n";
    if (r.finishing) {
        std::cout << "finish: " << moveText(r.move) << "\n";
        std::cout << "move: " << moveText(r.move) << "\n";
        return;
    }
    std::cout << "best: " << (r.found ? std::to_string(r.best) : "none") << "\n";
    std::cout << "ties:";
    for (const FirstMove& m : search.tiedMoves())
        std::cout << " " << m.piece << ":" << m.hole;
    std::cout << "\n";
    std::cout << "move: " << moveText(r.move) << "\n";
}

// A new game of the start-up players on the seats flagged active.
GameState newGameOf(const std::vector<int32_t>& active)
{
    GameState s = initialGameState();
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p].active = active[p];
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

// The game record at `path`, its faults told on stderr.
std::optional<GameRecord> loadRecord(const std::string& path)
{
    const auto text = readInput(path, MaxRecordBytes + 1);
    if (!text)
        return std::nullopt;
    RecordReading reading = readRecord(*text);
    if (const auto* error = std::get_if<RecordError>(&reading)) {
        std::cerr << "tavolux-cli: " << path;
        if (error->line > 0)
            std::cerr << ":" << error->line;
        std::cerr << ": " << recordFaultText(*error) << "\n";
        return std::nullopt;
    }
    return std::get<GameRecord>(std::move(reading));
}

// The Expert remembers the positions `mover` brought about in the record;
// returns how many.
int rememberRecord(const GameRecord& record, int mover, ComputerPlayer& computer)
{
    int count = 0;
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        if (record.moves[i].player != mover)
            continue;
        computer.rememberPosition(replayTo(record, i + 1).pieces, mover);
        ++count;
    }
    return count;
}

} // namespace

int searchCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli search FILE|--seats LIST|--record REC\n"
                     "                          [--strength beginner|standard|expert]\n"
                     "                          [--no-random] [--seed N]\n"
                     "  Runs the computer's move search for the file's player to move, or\n"
                     "  for the first player of a new game of the seats LIST (0..5):\n"
                     "  depth:      2, or 4 when the previous player is nearly home\n"
                     "  candidates: first moves that were searched further\n"
                     "  best:       whole-number part of the best line's value, or none\n"
                     "  ties:       first moves (piece:hole) with a line of that value\n"
                     "  move:       the move chosen (piece and hole)\n"
                     "  A first move that brings all pieces home is played at once and\n"
                     "  shown as finish:. --no-random leaves out the random term, so the\n"
                     "  first line found with the best value decides; --seed N fixes it.\n"
                     "  --strength plays the move of that strength instead (default: the\n"
                     "  file's); for beginner and expert only strength: and move: (or\n"
                     "  move: none) are printed.\n"
                     "  --record REC: a game record whose moves the Expert remembers, so that\n"
                     "  it brings about none of its positions again; without FILE or --seats\n"
                     "  the position is the record's last. Prints remembered: (the positions\n"
                     "  the player to move brought about in it) first.\n";
        return ExitOk;
    }
    std::string file, recordFile;
    RandomOptions options;
    std::optional<Strength> strength;
    std::optional<std::vector<int32_t>> seats;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool bad = false;
        if (parseRandomOption(args, i, options, bad)) {
            if (bad)
                return usageError("--seed takes a number 0..4294967295");
        } else if (args[i] == "--seats" && i + 1 < args.size()) {
            seats = parseSeats(args[++i]);
            if (!seats)
                return usageError(SeatsUsage);
        } else if (args[i] == "--strength" && i + 1 < args.size()) {
            strength = parseStrength(args[++i]);
            if (!strength)
                return usageError("--strength takes beginner, standard or expert");
        } else if (args[i] == "--record" && i + 1 < args.size() && recordFile.empty()) {
            recordFile = args[++i];
        } else if (file.empty() && args[i].rfind("--", 0) != 0) {
            file = args[i];
        } else {
            return usageError("unexpected argument '" + args[i] + "' (see --help)");
        }
    }
    if ((!file.empty() && seats) || (file.empty() && !seats && recordFile.empty()))
        return usageError("search needs FILE, --seats LIST or --record REC (see --help)");
    std::optional<GameRecord> record;
    if (!recordFile.empty() && !(record = loadRecord(recordFile)))
        return ExitBadFile;
    std::optional<GameState> state;
    if (seats)
        state = newGameOf(*seats);
    else if (!file.empty())
        state = loadPosition(file);
    else
        state = replayTo(*record, record->moves.size());
    if (!state)
        return ExitBadFile;
    PlayerSlot& mover = state->slots[state->playerToMove];
    if (strength)
        mover.strength = *strength;
    if (mover.strength != Standard) {
        ComputerPlayer computer;
        computer.setRandom(options.random);
        computer.useSeed(options.seed.value_or(clockSeed()));
        if (record)
            std::cout << "remembered: " << rememberRecord(*record, state->playerToMove, computer) << "\n";
        const ChosenMove move = computer.chooseMove(*state);
        std::cout << "strength: " << strengthWord(mover.strength) << "\n";
        std::cout << "move: " << (move.found ? std::to_string(move.piece) + " " + std::to_string(move.path.back()) : "none")
                  << "\n";
        return ExitOk;
    }

    TieBreak tieBreak;
    tieBreak.setEnabled(options.random);
    tieBreak.seed(options.seed.value_or(clockSeed()));
    auto search = std::make_unique<MoveSearch>();
    const SearchResult r = search->choose(*state, tieBreak);
    printSearch(r, *search);
    return ExitOk;
}

namespace {

struct BenchFigures {
    double medianMs = 0;
    double worstMs = 0;
    SearchResult result;
};

// Milliseconds of processor time this thread has used: on a machine shared
// with other work this times the search alone; on an idle one it equals the
// time a player waits.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Times the search, without the random term, `repeat` times on one position.
BenchFigures timeSearch(const GameState& state, long repeat, MoveSearch& search)
{
    TieBreak tieBreak;
    tieBreak.setEnabled(false);
    std::vector<double> times;
    BenchFigures f;
    for (long i = 0; i < repeat; ++i) {
        const double start = threadMs();
        f.result = search.choose(state, tieBreak);
        times.push_back(threadMs() - start);
    }
    std::sort(times.begin(), times.end());
    f.medianMs = times[times.size() / 2];
    f.worstMs = times.back();
    return f;
}

std::string ms(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// The Expert's search over the files, `repeat` times each.
int benchExpert(const std::vector<std::string>& files, long repeat)
{
    auto search = std::make_unique<ExpertSearch>();
    double allMs = 0, worst = 0;
    uint64_t allPositions = 0;
    long runs = 0;
    for (const std::string& file : files) {
        auto state = loadPosition(file);
        if (!state)
            return ExitBadFile;
        std::vector<double> times;
        ExpertChoice choice;
        for (long i = 0; i < repeat; ++i) {
            search->forgetPositions();
            const double start = threadMs();
            choice = search->choose(*state);
            times.push_back(threadMs() - start);
            allPositions += choice.nodes;
        }
        std::sort(times.begin(), times.end());
        for (double t : times)
            allMs += t;
        runs += repeat;
        worst = std::max(worst, times.back());
        std::cout << file << ": median-ms: " << ms(times[times.size() / 2]) << " worst-ms: " << ms(times.back())
                  << " positions: " << choice.nodes << "\n";
    }
    std::cout << "mean-ms: " << ms(allMs / runs) << "\n";
    std::cout << "worst-ms: " << ms(worst) << "\n";
    std::cout << "positions-per-second: " << (allMs > 0 ? static_cast<uint64_t>(allPositions / (allMs / 1000)) : 0)
              << "\n";
    return ExitOk;
}

} // namespace

int benchCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli bench FILE... [--repeat N] [--strength expert]\n"
                     "  Times the computer's move search (without the random term) N times\n"
                     "  (default 10) on each position, in processor time of the search\n"
                     "  alone (on an idle machine the same as the time waited). One line\n"
                     "  per file:\n"
                     "    FILE: median-ms: X worst-ms: Y depth: D leaves: N\n"
                     "  then the slowest file, the lines scored per second over all runs\n"
                     "  and last total-median-ms: the sum of the medians.\n"
                     "  --strength expert times the Expert's search instead: per file\n"
                     "    FILE: median-ms: X worst-ms: Y positions: N\n"
                     "  then mean-ms: (per move), worst-ms: and positions-per-second:.\n";
        return ExitOk;
    }
    std::vector<std::string> files;
    long repeat = 10;
    bool expert = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--strength" && i + 1 < args.size()) {
            const auto strength = parseStrength(args[++i]);
            if (strength != Expert && strength != Standard)
                return usageError("bench times the standard or the expert search");
            expert = strength == Expert;
        } else if (args[i] == "--repeat" && i + 1 < args.size()) {
            const auto n = parseNumber(args[++i], 1, 100000);
            if (!n)
                return usageError("--repeat takes a number 1..100000");
            repeat = *n;
        } else if (args[i].rfind("--", 0) != 0) {
            files.push_back(args[i]);
        } else {
            return usageError("unexpected argument '" + args[i] + "' (see --help)");
        }
    }
    if (files.empty())
        return usageError("bench needs at least one FILE (see --help)");
    if (expert)
        return benchExpert(files, repeat);

    auto search = std::make_unique<MoveSearch>();
    double totalMedian = 0, worst = 0, allMs = 0;
    uint64_t allLeaves = 0;
    std::string worstFile;
    for (const std::string& file : files) {
        const auto state = loadPosition(file);
        if (!state)
            return ExitBadFile;
        const BenchFigures f = timeSearch(*state, repeat, *search);
        std::cout << file << ": median-ms: " << ms(f.medianMs) << " worst-ms: " << ms(f.worstMs)
                  << " depth: " << f.result.depth << " leaves: " << f.result.leaves << "\n";
        totalMedian += f.medianMs;
        allMs += f.medianMs;
        allLeaves += f.result.leaves;
        if (f.worstMs >= worst) {
            worst = f.worstMs;
            worstFile = file;
        }
    }
    std::cout << "slowest: " << worstFile << " worst-ms: " << ms(worst) << "\n";
    std::cout << "leaves-per-second: " << (allMs > 0 ? static_cast<uint64_t>(allLeaves / (allMs / 1000)) : 0) << "\n";
    std::cout << "total-median-ms: " << ms(totalMedian) << "\n";
    return ExitOk;
}

} // namespace tavolux::cli
