// tavolux-cli match and solo: how strong each computer strength is.

#include "cli/ai_commands.h"
#include "cli/common.h"
#include "cli/entrants.h"
#include "cli/ladder.h"
#include "model/moverules.h"
#include "model/notation.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>

namespace tavolux::cli {

namespace {

constexpr int MaxMatchTurns = 1500;

std::string fixed(double value, int places)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

// The Elo difference that a score stands for, held at +-EloCap (scores
// 0.001 and 0.999), as ">= 1200" or "<= -1200" there.
constexpr double EloCapScore = 0.001;
constexpr int EloCap = 1200;

std::string eloOf(double score)
{
    if (score >= 1.0 - EloCapScore)
        return ">= " + std::to_string(EloCap);
    if (score <= EloCapScore)
        return "<= -" + std::to_string(EloCap);
    const double elo = std::round(-400.0 * std::log10(1.0 / score - 1.0));
    return fixed(elo == 0.0 ? 0.0 : elo, 0); // never "-0"
}

struct MatchOptions {
    int a = Standard, b = Standard; // strengths or tool entrants
    long games = 20;
    bool forget = false; // the players forget their positions before every move
    int players = 2;
    bool opposite = false; // two players face each other across the board
    uint32_t seed = 1;
};

// The seats a match plays: two side by side (or across the board), the
// classic three, two pairs across the board, or all six.
std::vector<int> matchSeats(const MatchOptions& options)
{
    switch (options.players) {
    case 2:
        return options.opposite ? std::vector<int>{0, 3} : std::vector<int>{0, 1};
    case 3:
        return {0, 1, 2};
    case 4:
        return {0, 1, 3, 4};
    default:
        return {0, 1, 2, 3, 4, 5};
    }
}

std::string parseMatch(const std::vector<std::string>& args, MatchOptions& out)
{
    std::vector<std::string> named;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--games" && hasValue) {
            const auto n = parseNumber(args[++i], 1, 100000);
            if (!n)
                return "--games takes a number 1..100000";
            out.games = *n;
        } else if (a == "--players" && hasValue) {
            const auto n = parseNumber(args[++i], 2, 6);
            if (!n || *n == 5)
                return "--players takes 2, 3, 4 or 6";
            out.players = static_cast<int>(*n);
        } else if (a == "--opposite") {
            out.opposite = true;
        } else if (a == "--forget") {
            out.forget = true;
        } else if (a == "--seed" && hasValue) {
            const auto n = parseNumber(args[++i], 0, 4294967295L);
            if (!n)
                return "--seed takes a number 0..4294967295";
            out.seed = static_cast<uint32_t>(*n);
        } else if (a.rfind("--", 0) != 0 && named.size() < 2) {
            named.push_back(a);
        } else {
            return "unexpected argument '" + a + "' (see --help)";
        }
    }
    if (named.size() != 2)
        return "match needs two strengths A and B (see --help)";
    if (out.opposite && out.players != 2)
        return "--opposite goes with --players 2";
    const auto a = parseEntrant(named[0]), b = parseEntrant(named[1]);
    if (!a || !b)
        return "players are beginner, standard, expert, sparring or expert-ref";
    out.a = *a;
    out.b = *b;
    return {};
}

// What the games of a match add up to, seen from A.
struct Tally {
    long wins = 0, losses = 0, unfinished = 0;
    double aMs = 0, aWorstMs = 0, bMs = 0, bWorstMs = 0;
    long aMoves = 0, bMoves = 0;
    long firstTurns = 0; // moves until the first finish, over finished games
};

} // namespace

int matchCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli match A B [--games N] [--players 2|3|4|6] [--opposite] [--seed S]\n"
                     "                          [--forget]\n"
                     "  Plays N games (default 20) of player A against player B: a strength\n"
                     "  (beginner, standard or expert), the sparring engine (sparring: an\n"
                     "  alpha-beta search over every player's moves, for measuring) or the\n"
                     "  Expert as it chose before it searched its first moves two-sided\n"
                     "  (expert-ref); styles Neutral, from a seeded set of openings (three\n"
                     "  random legal moves per player). Each opening is\n"
                     "  played with every seating: two players, A and B each way round;\n"
                     "  more, A in each seat against the others of B. Two players sit\n"
                     "  side by side (seats 0 and 1), or across (0 and 3) with --opposite;\n"
                     "  three sit at 0, 1, 2; four at 0, 1, 3, 4; six at all. A game counts\n"
                     "  for whoever finishes first; one not finished after 1500 moves is\n"
                     "  unfinished and scores a half. Uses every processor core. Prints\n"
                     "  games:, wins:, losses:, unfinished:, score: (A's share), interval:\n"
                     "  (its 95% confidence interval), elo: (A's Elo difference to B and\n"
                     "  its interval, each held at 1200 either way: >= 1200, <= -1200),\n"
                     "  then A's time per move (mean-ms:, and worst-ms: the longest of any\n"
                     "  player's) and B's (b-mean-ms:, b-worst-ms:). --forget: the Experts\n"
                     "  and the sparring engine forget the positions they brought about\n"
                     "  before every move, as when each move is asked of a fresh program\n"
                     "  (tavolux-cli search). Every move is checked against the rules; an\n"
                     "  illegal one stops the match.\n";
        return ExitOk;
    }
    MatchOptions options;
    const std::string error = parseMatch(args, options);
    if (!error.empty())
        return usageError(error);

    const std::vector<int> seatList = matchSeats(options);
    const int seatings = options.players;
    const long games = options.games;
    std::atomic<long> nextGame{0};
    std::mutex lock;
    Tally tally;
    auto worker = [&] {
        for (long g = nextGame++; g < games; g = nextGame++) {
            const long opening = g / seatings;
            const int aSeat = seatList[std::size_t(g % seatings)];
            std::vector<int> seats(PlayerCount, -1);
            std::array<int, PlayerCount> players{};
            for (const int seat : seatList) {
                players[std::size_t(seat)] = seat == aSeat ? options.a : options.b;
                seats[std::size_t(seat)] = std::min<int>(players[std::size_t(seat)], Expert);
            }
            auto computer = std::make_unique<EntrantPlayers>(players);
            computer->forgetEveryMove(options.forget);
            computer->useSeed(options.seed * 7919u + static_cast<uint32_t>(g));
            const GameState start = matchOpening(seats, options.seed * 104729u + static_cast<uint32_t>(opening));
            const PlayedGame played = playToFirstFinish(start, *computer, MaxMatchTurns);
            const std::lock_guard<std::mutex> hold(lock);
            if (played.first < 0)
                ++tally.unfinished;
            else if (played.first == aSeat)
                ++tally.wins;
            else
                ++tally.losses;
            if (played.first >= 0)
                tally.firstTurns += played.turns;
            for (const int seat : seatList) {
                if (seat == aSeat)
                    continue;
                tally.bMs += played.totalMs[seat];
                tally.bMoves += played.moves[seat];
                tally.bWorstMs = std::max(tally.bWorstMs, played.slotWorstMs[seat]);
            }
            tally.aMs += played.totalMs[aSeat];
            tally.aMoves += played.moves[aSeat];
            tally.aWorstMs = std::max(tally.aWorstMs, played.worstMs);
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < cores; ++i)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();

    const double n = static_cast<double>(games);
    const double score = (tally.wins + 0.5 * tally.unfinished) / n;
    // Wilson's interval, sound near 0 and 1 too.
    const double z = 1.96, z2 = z * z;
    const double centre = (score + z2 / (2 * n)) / (1 + z2 / n);
    const double margin = z / (1 + z2 / n) * std::sqrt(score * (1 - score) / n + z2 / (4 * n * n));
    const double low = std::max(0.0, centre - margin), high = std::min(1.0, centre + margin);
    std::cout << "games: " << games << "\n";
    std::cout << "wins: " << tally.wins << "\n";
    std::cout << "losses: " << tally.losses << "\n";
    std::cout << "unfinished: " << tally.unfinished << "\n";
    std::cout << "score: " << fixed(score, 3) << "\n";
    std::cout << "interval: " << fixed(low, 3) << " " << fixed(high, 3) << "\n";
    std::cout << "elo: " << eloOf(score) << " (" << eloOf(low) << " to " << eloOf(high) << ")\n";
    std::cout << "mean-ms: " << fixed(tally.aMoves ? tally.aMs / tally.aMoves : 0, 1) << "\n";
    std::cout << "worst-ms: " << fixed(tally.aWorstMs, 1) << "\n";
    std::cout << "b-mean-ms: " << fixed(tally.bMoves ? tally.bMs / tally.bMoves : 0, 1) << "\n";
    std::cout << "b-worst-ms: " << fixed(tally.bWorstMs, 1) << "\n";
    return ExitOk;
}

int soloCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli solo [--strength beginner|standard|expert] [--seed N]\n"
                     "  Player #1 alone crosses the board from its start holes. Prints\n"
                     "  strength:, its moves, one per line (move: T piece: K path: the start\n"
                     "  and every landing in hole names, q1-o1-m5), then moves: N, the moves\n"
                     "  it took to bring all ten pieces home (or stopped: after 500).\n";
        return ExitOk;
    }
    Strength strength = Expert;
    uint32_t seed = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--strength" && i + 1 < args.size()) {
            const auto s = parseStrength(args[++i]);
            if (!s)
                return usageError("--strength takes beginner, standard or expert");
            strength = *s;
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            const auto n = parseNumber(args[++i], 0, 4294967295L);
            if (!n)
                return usageError("--seed takes a number 0..4294967295");
            seed = static_cast<uint32_t>(*n);
        } else {
            return usageError("unexpected argument '" + args[i] + "' (see --help)");
        }
    }
    GameState s = initialGameState();
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p].active = p == 0 ? 1 : 0;
    s.slots[0].picture = 0;
    s.slots[0].strength = strength;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.playerToMove = 0;
    auto computer = std::make_unique<ComputerPlayer>();
    computer->useSeed(seed);
    std::cout << "strength: " << strengthWord(strength) << "\n";
    int moves = 0;
    while (!isHome(s, 0) && moves < 500) {
        const ChosenMove move = computer->chooseMove(s);
        if (!move.found)
            break;
        std::cout << "move: " << moves + 1 << " piece: " << move.piece
                  << " path: " << moveText(s.pieces[move.piece].hole, move.path) << "\n";
        s = applyMove(s, move.piece, move.path, true).after;
        ++moves;
    }
    if (!isHome(s, 0)) {
        std::cout << "stopped: " << moves << "\n";
        return ExitOk;
    }
    std::cout << "moves: " << moves << "\n";
    return ExitOk;
}

} // namespace tavolux::cli
