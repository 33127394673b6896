// Cost of findDestinations over a spread of positions: the opening and
// positions reached by random legal play from it, every piece of the player
// to move in each.

#include "model/board.h"
#include "model/gamestate.h"
#include "model/movegen.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace tavolux;

namespace {

std::vector<GameState> samplePositions(int count, int pliesPerStep)
{
    std::mt19937 rng(2024);
    std::vector<GameState> out;
    GameState s = initialGameState();
    placeStartingPieces(s);
    MoveGenerator gen;
    for (int n = 0; n < count; ++n) {
        out.push_back(s);
        for (int ply = 0; ply < pliesPerStep; ++ply) {
            const int p = s.playerToMove;
            for (int tries = 0; tries < 20; ++tries) {
                const int k = s.slots[p].firstPiece + static_cast<int>(rng() % PiecesPerPlayer);
                gen.findDestinations(p, k, s.pieces);
                if (gen.reachCount == 0)
                    continue;
                s.pieces[k].hole = gen.destinations[rng() % gen.reachCount];
                break;
            }
            s.playerToMove = nextPlayer(s, p);
        }
    }
    return out;
}

void BM_FindDestinations(benchmark::State& state)
{
    const std::vector<GameState> positions = samplePositions(64, 6);
    MoveGenerator gen;
    std::size_t calls = 0;
    for (auto _ : state) {
        for (const GameState& s : positions) {
            const int p = s.playerToMove;
            for (int k = 0; k < PiecesPerPlayer; ++k) {
                gen.findDestinations(p, s.slots[p].firstPiece + k, s.pieces);
                benchmark::DoNotOptimize(gen.reachCount);
                ++calls;
            }
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(calls));
    state.counters["ns_per_call"] = benchmark::Counter(static_cast<double>(calls),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FindDestinations);

} // namespace

BENCHMARK_MAIN();
