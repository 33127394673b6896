// The bench suite as a regression signature: for every position the depth,
// the candidates, the number of lines scored, the best value and the move
// chosen without the random term, as checked against the reference search
// when the positions were added.

#include "ai/search.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tavolux {
namespace {

struct Signature {
    const char* file;
    int depth;
    int candidates;
    uint64_t leaves;
    int best;
    FirstMove move;
};

const Signature Suite[] = {
    {"constructed-2p-most-lines.tvx", 4, 94, 838041, -242, {9, 48}},
    {"constructed-2p-slow-a.tvx", 4, 65, 369706, -208, {6, 18}},
    {"constructed-2p-slow-b.tvx", 4, 79, 467185, -130, {7, 28}},
    {"constructed-3p-most-lines.tvx", 4, 106, 2186134, -178, {3, 4}},
    {"constructed-3p-slow-a.tvx", 4, 83, 503439, -143, {6, 1}},
    {"constructed-3p-slow-b.tvx", 4, 114, 1842324, -136, {5, 5}},
    {"constructed-3p-slow-c.tvx", 4, 79, 879523, -124, {2, 15}},
    {"endgame-2p-endless-hostile.tvx", 4, 19, 691, 0, {18, 84}},
    {"endgame-2p-hostile.tvx", 4, 46, 27253, -8, {8, 3}},
    {"endgame-2p-upper-players.tvx", 4, 52, 113341, -110, {5, 107}},
    {"endgame-2p.tvx", 4, 51, 61294, -61, {7, 29}},
    {"endgame-3p-default-styles.tvx", 4, 62, 126962, -62, {9, 5}},
    {"endgame-3p-hostile.tvx", 4, 38, 14882, 37, {3, 5}},
    {"endgame-3p-most-lines.tvx", 4, 50, 150768, -83, {4, 6}},
    {"midgame-2p-hostile.tvx", 2, 47, 469, 26, {19, 71}},
    {"midgame-2p.tvx", 2, 56, 547, -176, {14, 49}},
    {"midgame-3p-default-styles.tvx", 2, 49, 486, -290, {3, 90}},
    {"midgame-3p-friendly.tvx", 2, 64, 635, -315, {16, 95}},
    {"midgame-3p-hostile.tvx", 2, 30, 183, 214, {19, 92}},
    {"opening-2p-upper-players.tvx", 2, 14, 118, -750, {7, 56}},
    {"opening-2p.tvx", 2, 14, 118, -496, {6, 104}},
    {"opening-3p-second-player.tvx", 2, 14, 118, -266, {17, 56}},
    {"opening-3p.tvx", 2, 14, 118, -496, {6, 104}},
};

TEST(BenchSignature, EveryPositionOfTheSuiteGivesItsRecordedFigures)
{
    auto search = std::make_unique<MoveSearch>();
    TieBreak off;
    off.setEnabled(false);
    for (const Signature& expected : Suite) {
        SCOPED_TRACE(expected.file);
        GameState s = initialGameState();
        ASSERT_EQ(loadGameFile(std::string(TAVOLUX_POSITIONS_DIR "/") + expected.file, s), LoadStatus::Loaded);
        const SearchResult r = search->choose(s, off);
        EXPECT_EQ(r.depth, expected.depth);
        EXPECT_EQ(r.candidates, expected.candidates);
        EXPECT_EQ(r.leaves, expected.leaves);
        EXPECT_EQ(r.best, expected.best);
        EXPECT_EQ(r.move, expected.move);
    }
}

} // namespace
} // namespace tavolux
