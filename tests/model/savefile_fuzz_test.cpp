// Feeds many truncated, extended and mutated saved games through the loader:
// nothing may crash, and whatever loads must hold only values the rules'
// tables can take. Runs under the sanitizers in the test suite.

#include "model/board.h"
#include "model/movegen.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>

using namespace tavolux;

namespace {

void expectWithinRanges(const GameState& s)
{
    ASSERT_LT(s.playerToMove, PlayerCount);
    ASSERT_LE(s.finishCount, PlayerCount);
    ASSERT_TRUE(s.slotCount == DesignSeatCount || s.slotCount == PlayerCount);
    ASSERT_GE(s.boardRotation, 0);
    ASSERT_LE(s.boardRotation, 5);
    int before = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        ASSERT_LT(s.finishOrder[p], PlayerCount);
        ASSERT_LT(s.slots[p].picture, PictureCount);
        ASSERT_EQ(s.slots[p].firstPiece, before);
        before += s.slots[p].active ? PiecesPerPlayer : 0;
        ASSERT_LE(s.slots[p].name.size(), MaxNameLength);
        ASSERT_GE(s.slots[p].strength, 0);
        ASSERT_LT(s.slots[p].strength, StrengthCount);
    }
    for (const PieceRecord& r : s.pieces)
        ASSERT_LT(r.hole, HoleCount);
}

std::vector<uint8_t> seedFile(std::mt19937& rng)
{
    // Half of them classic tables, half tables of up to six seats.
    const int seats = rng() % 2 ? PlayerCount : DesignSeatCount;
    GameState s = initialGameState();
    for (int p = 0; p < seats; ++p) {
        s.slots[p].active = (rng() % 4) != 0;
        s.slots[p].strength = static_cast<int32_t>(rng() % StrengthCount);
    }
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.slots[rng() % 3].name = std::string(rng() % 40, 'x');
    return encodeGame(s);
}

TEST(SaveFileFuzz, MutatedFilesNeverBreakTheLoader)
{
    std::mt19937 rng(12345);
    int loaded = 0, sixSeats = 0;
    MoveGenerator gen;
    for (int round = 0; round < 100000; ++round) {
        std::vector<uint8_t> bytes = seedFile(rng);
        switch (rng() % 4) {
        case 0: // truncated
            bytes.resize(rng() % (bytes.size() + 1));
            break;
        case 1: // extended with noise
            for (int n = static_cast<int>(rng() % 1200); n > 0; --n)
                bytes.push_back(static_cast<uint8_t>(rng()));
            break;
        default: // bytes flipped, signature mostly kept
            for (int n = 1 + static_cast<int>(rng() % 6); n > 0; --n)
                bytes[4 + rng() % (bytes.size() - 4)] = static_cast<uint8_t>(rng());
            break;
        }
        GameState s = initialGameState();
        if (decodeGame(bytes.data(), bytes.size(), s) != LoadStatus::Loaded)
            continue;
        ++loaded;
        sixSeats += s.slotCount == PlayerCount ? 1 : 0;
        expectWithinRanges(s);
        if (::testing::Test::HasFatalFailure())
            return;
        // The rules must work on whatever loaded.
        for (int k = 0; k < PieceCount; k += 7)
            gen.findDestinations(s.playerToMove, k, s.pieces);
    }
    EXPECT_GT(loaded, 5000) << "the mutations should not all be refused";
    EXPECT_GT(sixSeats, 500) << "nor those of six-seat tables";
    std::cout << "loaded: " << loaded << " of them six-seat tables: " << sixSeats << "\n";
}

} // namespace
