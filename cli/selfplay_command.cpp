// tavolux-cli selfplay: a game among computer players, run by the game's own
// turn cycle with a silent user interface that logs every move.

#include "cli/ai_commands.h"
#include "cli/common.h"
#include "cli/ladder.h"
#include "cli/selfplay.h"
#include "model/savefile.h"

#include <iostream>
#include <memory>
#include <sstream>

namespace tavolux::cli {

namespace {

// Prints one line per move; every question is answered Yes.
class SelfPlayEvents : public GameEvents {
public:
    int turns = 0;

    void moveMade(const MadeMove& move) override
    {
        std::cout << "turn: " << ++turns << " player: " << move.player << " piece: " << move.piece
                  << " from: " << move.start << " to: " << move.path.back() << " path:";
        for (const int hole : move.path)
            std::cout << " " << hole;
        std::cout << "\n";
    }
};

// "L,H;L,H;L,H": each player's styles toward the lower and the higher other,
// for the three classic seats or for all six.
bool parseStyles(const std::string& text, GameState& s)
{
    std::stringstream in(text);
    std::string pair;
    int p = 0;
    for (; std::getline(in, pair, ';'); ++p) {
        const std::size_t comma = pair.find(',');
        if (p >= PlayerCount || comma == std::string::npos)
            return false;
        const auto lower = parseNumber(pair.substr(0, comma), Friendly, Hostile);
        const auto higher = parseNumber(pair.substr(comma + 1), Friendly, Hostile);
        if (!lower || !higher)
            return false;
        s.slots[p].styleTowardLower = static_cast<int32_t>(*lower);
        s.slots[p].styleTowardHigher = static_cast<int32_t>(*higher);
    }
    return p == DesignSeatCount || p == PlayerCount;
}

constexpr const char* StrengthsUsage =
    "--strengths takes three (or six) of beginner, standard, expert, such as expert,standard,standard";

} // namespace

std::string parseSelfPlay(const std::vector<std::string>& args, SelfPlayOptions& out, bool takesSaveDir)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--no-random") {
            out.random = false;
        } else if (a == "--active" && hasValue) {
            const auto flags = parseTriple(args[++i], 0, 1);
            if (!flags || (*flags)[0] + (*flags)[1] + (*flags)[2] < 2)
                return "--active takes three 0/1 flags with at least two 1s, such as 1,0,1";
            for (int p = 0; p < DesignSeatCount; ++p)
                out.setup.slots[p].active = static_cast<int32_t>((*flags)[p]);
        } else if (a == "--seats" && hasValue) {
            const auto seats = parseSeats(args[++i]);
            if (!seats)
                return SeatsUsage;
            for (int p = 0; p < PlayerCount; ++p)
                out.setup.slots[p].active = (*seats)[p];
        } else if (a == "--styles" && hasValue) {
            if (!parseStyles(args[++i], out.setup))
                return "--styles takes L,H;L,H;L,H (or six pairs) with styles 0 Friendly, 1 Neutral, 2 Hostile";
        } else if (a == "--strengths" && hasValue) {
            std::stringstream in(args[++i]);
            std::string word;
            int p = 0;
            for (; std::getline(in, word, ','); ++p) {
                const auto strength = parseStrength(word);
                if (p >= PlayerCount || !strength)
                    return StrengthsUsage;
                out.setup.slots[p].strength = *strength;
            }
            if (p != DesignSeatCount && p != PlayerCount)
                return StrengthsUsage;
        } else if (a == "--seed" && hasValue) {
            const auto seed = parseNumber(args[++i], 0, 4294967295L);
            if (!seed)
                return "--seed takes a number 0..4294967295";
            out.seed = static_cast<uint32_t>(*seed);
        } else if (a == "--max-turns" && hasValue) {
            const auto limit = parseNumber(args[++i], 1, 1000000);
            if (!limit)
                return "--max-turns takes a number 1..1000000";
            out.maxTurns = *limit;
        } else if (a == "--save" && hasValue && takesSaveDir) {
            out.saveDir = args[++i];
        } else {
            return "unexpected argument '" + a + "' (see --help)";
        }
    }
    return {};
}

LimitedTurns::LimitedTurns(ComputerPlayer& player, long limit, std::string saveDir)
    : player_(player), left_(limit), saveDir_(std::move(saveDir))
{
}

void LimitedTurns::takeTurn(const GameState& state, MoveAnswer answer)
{
    if (left_ <= 0)
        return;
    ++turn_;
    if (!saveDir_.empty() && !saveGameFile(saveDir_ + "/turn-" + std::to_string(turn_) + ".tvx", state))
        saveFailed_ = true;
    --left_;
    answer(player_.chooseMove(state));
}

SelfPlayGame::SelfPlayGame(const SelfPlayOptions& options, GameEvents& events)
    : turns_(player_, options.maxTurns, options.saveDir), game_(events, &turns_), setup_(options.setup)
{
    player_.setRandom(options.random);
    if (options.seed)
        player_.useSeed(*options.seed);
    // Every seat is a computer's, under a computer's name: the person's
    // seat of the start-up players takes the computers' picture name.
    for (PlayerSlot& slot : setup_.slots) {
        if (!slot.isComputer())
            slot.name = PictureNames[0];
        slot.picture = 0;
    }
}

void SelfPlayGame::play()
{
    game_.startGame(setup_);
}

int selfplayCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: tavolux-cli selfplay [--active A,B,C | --seats LIST] [--styles L,H;L,H;L,H]\n"
                     "                            [--strengths A,B,C]\n"
                     "                            [--no-random] [--seed N] [--max-turns N] [--save DIR]\n"
                     "  Plays a game among computer players from the opening, going on\n"
                     "  when a player finishes and two are left. One line per move:\n"
                     "    turn: T player: P piece: K from: A to: B path: h h ...\n"
                     "  then finish: (the places, first place first) and turns:. A game cut\n"
                     "  off by --max-turns (default 5000) also prints stopped: max-turns.\n"
                     "  --active: three 0/1 flags (default 1,1,1). --seats: the seats taking\n"
                     "  part instead, 0..5 (0 bottom, 1 upper-left, 2 upper-right, 3 top,\n"
                     "  4 lower-right, 5 lower-left), such as 0,1,3,4. --styles: per seat\n"
                     "  (three or six) the styles toward the lower and the higher other,\n"
                     "  0 Friendly, 1 Neutral, 2 Hostile (default the start-up ones).\n"
                     "  --strengths: each seat's strength (three or six), beginner,\n"
                     "  standard or expert (default standard).\n"
                     "  --no-random leaves\n"
                     "  out the random term; --seed N makes the game repeatable. --save DIR\n"
                     "  writes the position before each turn T as DIR/turn-T.tvx.\n";
        return ExitOk;
    }
    SelfPlayOptions options;
    const std::string error = parseSelfPlay(args, options, true);
    if (!error.empty())
        return usageError(error);

    SelfPlayEvents events;
    auto run = std::make_unique<SelfPlayGame>(options, events);
    run->play();
    const GameState& state = run->game().state();

    std::cout << "finish:";
    for (int i = 0; i < state.finishCount; ++i)
        std::cout << " " << state.finishOrder[i];
    std::cout << "\n";
    if (run->stopped() && !state.gameOver)
        std::cout << "stopped: max-turns\n";
    std::cout << "turns: " << events.turns << "\n";
    if (run->saveFailed()) {
        std::cerr << "tavolux-cli: cannot write the positions into " << options.saveDir << "\n";
        return ExitBadFile;
    }
    return ExitOk;
}

} // namespace tavolux::cli
