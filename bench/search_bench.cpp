// The move search against the literal reference search of the tests, side
// by side in one run, on two sets of positions: the saved positions named
// (the benchmark positions by default), each shown, and the positions met
// before every turn of two seeded games among computers (three players,
// then two). Per set the processor time of each search summed over its
// positions and their ratio; the moves and line counts must agree
// (--search-only leaves the reference out, for profiling). Saved
// positions whose lines the reference would take too long over (more than
// --max-leaves) are left out of both sums.

#include "ai/search.h"
#include "model/board.h"
#include "model/savefile.h"
#include "tests/ai/reference_search.h"
#include "tests/ai/selfplay_positions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace tavolux;

namespace {

double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double medianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// --search-only: the search alone, for profiling it.
bool searchOnly = false;

struct Sums {
    double search = 0, reference = 0;
    int positions = 0, differing = 0;
    void print(const char* set) const
    {
        std::printf("%s: positions: %d search-ms: %.3f reference-ms: %.3f ratio: %.4f\n", set, positions, search,
                    reference, reference > 0 ? search / reference : 0.0);
    }
};

// Times both searches on one position, the search `repeat` times and the
// slow reference a fifth as often; returns false when they disagree.
bool compare(const GameState& s, int repeat, MoveSearch& search, Sums& sums, double* searchMs = nullptr,
             double* referenceMs = nullptr)
{
    TieBreak off;
    off.setEnabled(false);
    std::vector<double> fastTimes, referenceTimes;
    SearchResult fast;
    for (int r = 0; r < repeat; ++r) {
        const double start = threadMs();
        fast = search.choose(s, off);
        fastTimes.push_back(threadMs() - start);
    }
    testing::ReferenceResult reference;
    for (int r = 0; r < (searchOnly ? 0 : std::max(1, repeat / 5)); ++r) {
        const double start = threadMs();
        reference = testing::referenceSearch(s, [] { return 0.0; });
        referenceTimes.push_back(threadMs() - start);
    }
    const bool same = reference.move.piece == fast.move.piece && reference.move.hole == fast.move.hole
                      && reference.leaves == fast.leaves;
    sums.differing += !same && !searchOnly;
    ++sums.positions;
    sums.search += medianMs(fastTimes);
    sums.reference += searchOnly ? 0 : medianMs(referenceTimes);
    if (searchMs)
        *searchMs = medianMs(fastTimes);
    if (referenceMs)
        *referenceMs = searchOnly ? 0 : medianMs(referenceTimes);
    return same;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    int repeat = 5;
    uint64_t maxLeaves = 3000000;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--repeat") && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--search-only"))
            searchOnly = true;
        else if (!std::strcmp(argv[i], "--verbose"))
            verbose = true;
        else if (!std::strcmp(argv[i], "--max-leaves") && i + 1 < argc)
            maxLeaves = std::strtoull(argv[++i], nullptr, 10);
        else
            files.emplace_back(argv[i]);
    }
    if (files.empty()) {
        for (const auto& entry : std::filesystem::directory_iterator(TAVOLUX_POSITIONS_DIR))
            if (entry.path().extension() == ".tvx")
                files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
    }
    auto search = std::make_unique<MoveSearch>();
    TieBreak off;
    off.setEnabled(false);
    Sums saved;
    for (const std::string& file : files) {
        GameState s = initialGameState();
        if (loadGameFile(file, s) != LoadStatus::Loaded) {
            std::fprintf(stderr, "search_bench: cannot load %s\n", file.c_str());
            return 1;
        }
        const std::string name = std::filesystem::path(file).filename().string();
        const SearchResult probe = search->choose(s, off);
        if (probe.leaves > maxLeaves) {
            std::printf("%s: leaves: %llu (not compared)\n", name.c_str(),
                        static_cast<unsigned long long>(probe.leaves));
            continue;
        }
        double searchMs = 0, referenceMs = 0;
        const bool same = compare(s, repeat, *search, saved, &searchMs, &referenceMs);
        std::printf("%s: search-ms: %.3f reference-ms: %.3f leaves: %llu%s\n", name.c_str(), searchMs, referenceMs,
                    static_cast<unsigned long long>(probe.leaves), same ? "" : " DIFFERENT");
    }
    Sums played;
    const int styles[DesignSeatCount][2] = {{1, 1}, {2, 0}, {2, 0}};
    const int threePlayers[DesignSeatCount] = {1, 1, 1}, twoPlayers[DesignSeatCount] = {1, 1, 0};
    for (const auto* active : {&threePlayers, &twoPlayers})
        for (const GameState& s : testing::playComputerGame(*active, styles, 1, 400).positions) {
            double searchMs = 0, referenceMs = 0;
            compare(s, repeat, *search, played, &searchMs, &referenceMs);
            if (verbose)
                std::printf("game position %d: search-ms: %.3f reference-ms: %.3f leaves: %llu\n", played.positions,
                            searchMs, referenceMs, static_cast<unsigned long long>(search->choose(s, off).leaves));
        }
    saved.print("saved");
    played.print("games");
    return saved.differing + played.differing == 0 ? 0 : 1;
}
