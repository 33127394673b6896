// Saved games of tables beyond the classic three seats.

#include "model/board.h"
#include "model/moverules.h"
#include "model/notation.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavolux;

namespace {

// All six seats placed; seat 4 an Expert, seat 5 a Beginner.
GameState sixSeats()
{
    GameState s = initialGameState();
    for (PlayerSlot& slot : s.slots)
        slot.active = 1;
    s.slots[4].strength = Expert;
    s.slots[5].strength = Beginner;
    s.slots[3].preferredView = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

bool loads(const std::vector<uint8_t>& bytes, GameState& back)
{
    return decodeGame(bytes.data(), bytes.size(), back) == LoadStatus::Loaded;
}

TEST(SixSeatSave, EverySeatComesBackAndTheClassicReaderRefusesIt)
{
    GameState s = sixSeats();
    s.pieces[s.slots[3].firstPiece + 4].hole = static_cast<uint16_t>(*parseHole("e7"));
    s.playerToMove = 5;
    s.boardRotation = 3;
    const std::vector<uint8_t> bytes = encodeGame(s);
    // Signature, version, the names, eight counters, six seats of nine and
    // sixty pieces of two numbers.
    std::size_t names = 0;
    for (const PlayerSlot& slot : s.slots)
        names += slot.name.size() + 1;
    EXPECT_EQ(bytes.size(), 8 + names + 8 * 4 + 6 * 9 * 4 + 60 * 8);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0x06, 0x10, 0x00, 0x01}));
    // Readers of the classic format know the file by its first four bytes.
    EXPECT_NE(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24, SaveSignature);

    GameState back = initialGameState();
    ASSERT_TRUE(loads(bytes, back));
    EXPECT_EQ(back.pieces, s.pieces);
    EXPECT_EQ(back.playerToMove, 5);
    EXPECT_EQ(back.slotCount, PlayerCount);
    EXPECT_EQ(back.boardRotation, 3);
    for (int p = 0; p < PlayerCount; ++p) {
        EXPECT_EQ(back.slots[p].name, s.slots[p].name);
        EXPECT_EQ(back.slots[p].strength, s.slots[p].strength);
        EXPECT_EQ(back.slots[p].preferredView, s.slots[p].preferredView);
        EXPECT_EQ(back.slots[p].firstPiece, 10 * p);
    }
    EXPECT_EQ(encodeGame(back), bytes);

    // Back to the classic seats, the classic bytes.
    GameState classic = initialGameState();
    classic.noGameStarted = 0;
    placeStartingPieces(classic);
    EXPECT_EQ(encodeGame(classic).size(), 395u);
}

TEST(SixSeatSave, FilesThatNoGameCouldLeaveAreRefused)
{
    // Bottom and top, bottom finished by a full target and play going on
    // with the others.
    GameState going = sixSeats();
    going.pieces[0].hole = static_cast<uint16_t>(*parseHole("d4"));
    going.pieces[30 + 9].hole = static_cast<uint16_t>(*parseHole("i5"));
    ASSERT_TRUE(isHome(going, 0));
    going.slots[0].finished = 1;
    going.finishOrder[0] = 0;
    going.finishCount = 1;
    going.playerToMove = 5;

    struct Case {
        const char* what;
        void (*change)(GameState&);
        bool loads;
    };
    const Case cases[] = {
        {"a game going on after a full-target finish", [](GameState&) {}, true},
        {"finished with a hole of the target free", [](GameState& s) { s.pieces[0].hole = 61; }, false},
        {"finished with no own piece in the full target", [](GameState& s) {
             s.pieces[0].hole = 61;
             s.pieces[39].hole = 9;
         }, false},
        {"a seat's piece in another seat's part of the table", [](GameState& s) { s.pieces[45].owner = OwnerMark[5]; }, false},
        {"two pieces on one hole", [](GameState& s) { s.pieces[41].hole = s.pieces[40].hole; }, false},
        {"a place for a seat still playing", [](GameState& s) { s.finishOrder[0] = 4; }, false},
        {"a player to move beyond the seats", [](GameState& s) { s.playerToMove = 6; }, false},
    };
    for (const Case& c : cases) {
        GameState s = going;
        c.change(s);
        GameState back = initialGameState();
        EXPECT_EQ(loads(encodeGame(s), back), c.loads) << c.what;
        if (!c.loads) {
            EXPECT_EQ(back.noGameStarted, 1) << c.what << ": refused files change nothing";
        }
    }

    // Cut short, with a byte after the last field, of another version, with
    // a strength out of range, with a seat count other than six.
    const std::vector<uint8_t> good = encodeGame(going);
    GameState back = initialGameState();
    EXPECT_FALSE(loads(std::vector<uint8_t>(good.begin(), good.end() - 1), back));
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(loads(longer, back));
    std::vector<uint8_t> version = good;
    version[4] = 2;
    EXPECT_FALSE(loads(version, back));
    std::size_t at = 8;
    for (const PlayerSlot& slot : going.slots)
        at += slot.name.size() + 1;
    std::vector<uint8_t> seats = good;
    seats[at + 6 * 4] = 3;
    EXPECT_FALSE(loads(seats, back));
    std::vector<uint8_t> strength = good;
    strength[at + 8 * 4 + 8 * 4] = 3;
    EXPECT_FALSE(loads(strength, back));
    EXPECT_EQ(back.noGameStarted, 1);
}

} // namespace
