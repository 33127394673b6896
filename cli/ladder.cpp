#include "cli/ladder.h"

#include "model/board.h"
#include "model/movegen.h"
#include "model/moverules.h"

#include <chrono>
#include <random>

namespace tavolux::cli {

namespace {

// Random legal moves made by each player before a measured game starts.
constexpr int OpeningMovesPerPlayer = 3;

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::optional<Strength> parseStrength(const std::string& text)
{
    for (int s = 0; s < StrengthCount; ++s) {
        std::string word = StrengthNames[s];
        word[0] = static_cast<char>(word[0] - 'A' + 'a');
        if (text == word)
            return static_cast<Strength>(s);
    }
    return std::nullopt;
}

const char* strengthWord(int strength)
{
    static const char* const Words[StrengthCount] = {"beginner", "standard", "expert"};
    return strength >= 0 && strength < StrengthCount ? Words[strength] : "?";
}

GameState matchOpening(const std::vector<int>& seats, uint32_t seed)
{
    GameState s = initialGameState();
    for (int p = 0; p < PlayerCount; ++p) {
        PlayerSlot& slot = s.slots[p];
        slot.picture = 0;
        slot.active = p < static_cast<int>(seats.size()) && seats[p] >= 0 ? 1 : 0;
        slot.strength = slot.active ? seats[p] : Standard;
        slot.styleTowardLower = slot.styleTowardHigher = Neutral;
    }
    s.noGameStarted = 0;
    placeStartingPieces(s);
    std::minstd_rand random(seed + 1);
    MoveGenerator gen;
    for (int round = 0; round < OpeningMovesPerPlayer; ++round) {
        for (int p = 0; p < PlayerCount; ++p) {
            if (!s.slots[p].active)
                continue;
            std::vector<std::pair<int, int>> moves;
            for (int k = s.slots[p].firstPiece; k < s.slots[p].firstPiece + PiecesPerPlayer; ++k) {
                gen.findDestinations(p, k, s.pieces);
                for (const uint16_t* d = gen.destinations; *d != ListEnd; ++d)
                    moves.emplace_back(k, *d);
            }
            if (moves.empty())
                continue;
            const auto& [k, d] = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
            s.playerToMove = static_cast<uint16_t>(p);
            s = applyMove(s, k, {d}, true).after;
        }
    }
    s.playerToMove = 0;
    if (!s.inPlay(0))
        s.playerToMove = nextPlayer(s, 0);
    return s;
}

PlayedGame playToFirstFinish(GameState s, MoveChooser& computer, int maxTurns)
{
    PlayedGame game;
    while (game.turns < maxTurns) {
        const int p = s.playerToMove;
        const double start = nowMs();
        const ChosenMove move = computer.chooseMove(s);
        const double took = nowMs() - start;
        game.totalMs[p] += took;
        game.worstMs = std::max(game.worstMs, took);
        game.slotWorstMs[p] = std::max(game.slotWorstMs[p], took);
        ++game.moves[p];
        ++game.turns;
        const MoveOutcome made = applyMove(s, move.piece, move.found ? move.path : std::vector<int>{}, true);
        if (made.finished == p) {
            game.first = p;
            break;
        }
        s = made.after;
    }
    return game;
}

} // namespace tavolux::cli
