#include "model/board.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

using namespace tavolux;
namespace fs = std::filesystem;

namespace {

GameState placedGame()
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

// Puts player p's ten pieces on its target point (it has not moved there,
// but the record is one the finishing rules accept).
void bringHome(GameState& s, int p)
{
    int k = 0;
    for (int h = 0; h < HoleCount && k < PiecesPerPlayer; ++h)
        if (holeDistance(h, TargetApex[p]) <= 3)
            s.pieces[s.slots[p].firstPiece + k++].hole = static_cast<uint16_t>(h);
}

void put32(std::vector<uint8_t>& bytes, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Offsets in a file with the start-up names (4 + 6 + 8 + 9 = 27 bytes before the counters).
constexpr std::size_t CountersAt = 27;
constexpr std::size_t SlotsAt = CountersAt + 8 * 4;
constexpr std::size_t PiecesAt = SlotsAt + 3 * 8 * 4;

TEST(SaveFile, NewGameWithStartUpNamesIs395Bytes)
{
    const std::vector<uint8_t> bytes = encodeGame(placedGame());
    ASSERT_EQ(bytes.size(), 395u);
    const std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 10);
    EXPECT_EQ(head, (std::vector<uint8_t>{0x01, 0x10, 0x00, 0x01, 0x48, 0x75, 0x6D, 0x61, 0x6E, 0x00}));
    EXPECT_EQ(bytes[PiecesAt], 111);
}

TEST(SaveFile, EveryFieldComesBack)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    s.slots[1].active = 0;
    placeStartingPieces(s);
    s.gameOver = 1;
    s.slots[0].name = "Ann";
    s.slots[2].picture = 6;
    s.slots[2].preferredView = 5;
    s.slots[2].autoReposition = 1;
    s.slots[0].styleTowardHigher = Hostile;
    bringHome(s, 0);
    s.slots[0].finished = 1;
    s.finishOrder[0] = 0;
    s.finishOrder[1] = 2;
    s.finishCount = 2;
    s.playerToMove = 2;
    s.boardRotation = 4;
    s.animationSpeed = 1;
    s.soundEnabled = 0;
    s.pieces[13] = {60, OwnerMark[2]};

    GameState back = initialGameState();
    const std::vector<uint8_t> bytes = encodeGame(s);
    ASSERT_EQ(decodeGame(bytes.data(), bytes.size(), back), LoadStatus::Loaded);
    EXPECT_EQ(encodeGame(back), bytes);
    EXPECT_EQ(back.slots[0].name, "Ann");
    EXPECT_EQ(back.slots[2].firstPiece, 10) << "recomputed: player 2 sits out";
    EXPECT_EQ(back.pieces[13].hole, 60);
    EXPECT_EQ(back.boardRotation, 4);
    EXPECT_EQ(back.playerToMove, 2);
}

TEST(SaveFile, WrongSignatureOrTinyFileIsRefusedAndChangesNothing)
{
    GameState target = placedGame();
    target.slots[0].name = "keep";
    const GameState before = target;
    std::vector<uint8_t> bytes = encodeGame(placedGame());
    bytes[0] = 0x02;
    EXPECT_EQ(decodeGame(bytes.data(), bytes.size(), target), LoadStatus::NotTavolux);
    EXPECT_EQ(decodeGame(bytes.data(), 3, target), LoadStatus::NotTavolux);
    EXPECT_EQ(decodeGame(bytes.data(), 0, target), LoadStatus::NotTavolux);
    EXPECT_EQ(target.slots[0].name, "keep");
    EXPECT_EQ(target.pieces, before.pieces);
}

TEST(SaveFile, ShortFileLoadsWithEmptyNamesAndZeros)
{
    // A finished game, so that the missing pieces and slots leave nothing
    // for the turn cycle to play.
    GameState over = placedGame();
    over.gameOver = 1;
    over.playerToMove = 2;
    std::vector<uint8_t> bytes = encodeGame(over);
    GameState back = placedGame();
    ASSERT_EQ(decodeGame(bytes.data(), SlotsAt + 3, back), LoadStatus::Loaded);
    EXPECT_EQ(back.slots[2].name, "Positron");
    EXPECT_EQ(back.gameOver, 1);
    EXPECT_EQ(back.playerToMove, 2);
    EXPECT_EQ(back.slots[0].active, 0) << "slot fields cut off read as 0";
    EXPECT_EQ(back.pieces[0].owner, 0u);

    // Cut in the middle of a counter: the counter and the rest read as 0.
    ASSERT_EQ(decodeGame(bytes.data(), CountersAt + 22, back), LoadStatus::Loaded);
    EXPECT_EQ(back.soundEnabled, 1);
    EXPECT_EQ(back.playerToMove, 0);

    // Signature and the start of a name without its NUL: everything reads as
    // 0, which is a game in progress without players, refused.
    GameState keep = placedGame();
    EXPECT_EQ(decodeGame(bytes.data(), 7, keep), LoadStatus::NotTavolux);
    EXPECT_EQ(keep.slots[0].name, "Human");
}

TEST(SaveFile, PlayerToMoveWhoCannotMovePassesToTheNextInPlay)
{
    struct Case {
        const char* what;
        int sitsOut;    // slot not active, or -1
        int finished;   // slot finished, or -1
        int toMove;
        int expected;
    };
    const Case cases[] = {
        {"finished player to move", -1, 1, 1, 2},
        {"last slot finished wraps to the first", -1, 2, 2, 0},
        {"player who sits out", 1, -1, 1, 2},
        {"player in play is kept", 1, -1, 2, 2},
    };
    for (const Case& c : cases) {
        GameState s = initialGameState();
        s.noGameStarted = 0;
        if (c.sitsOut >= 0)
            s.slots[c.sitsOut].active = 0;
        placeStartingPieces(s);
        if (c.finished >= 0) {
            bringHome(s, c.finished);
            s.slots[c.finished].finished = 1;
            s.finishOrder[0] = static_cast<uint16_t>(c.finished);
            s.finishCount = 1;
        }
        s.playerToMove = static_cast<uint16_t>(c.toMove);
        const std::vector<uint8_t> bytes = encodeGame(s);
        GameState back = initialGameState();
        ASSERT_EQ(decodeGame(bytes.data(), bytes.size(), back), LoadStatus::Loaded) << c.what;
        EXPECT_EQ(back.playerToMove, c.expected) << c.what;
    }
}

TEST(SaveFile, GamesInProgressThatCannotBePlayedAreRefused)
{
    struct Case {
        const char* what;
        void (*spoil)(GameState&);
    };
    const Case cases[] = {
        {"only one player in play", [](GameState& s) { s.slots[1].finished = s.slots[2].finished = 1; }},
        {"no player active", [](GameState& s) { s.slots[0].active = s.slots[1].active = s.slots[2].active = 0; }},
        {"an active player without its pieces", [](GameState& s) { s.pieces[12].owner = 0; }},
        {"a piece of another player in a player's part", [](GameState& s) { s.pieces[3].owner = OwnerMark[2]; }},
        {"a piece of a player who sits out", [](GameState& s) { s.slots[2].active = 0; }},
        {"two pieces on one hole", [](GameState& s) { s.pieces[1].hole = s.pieces[0].hole; }},
    };
    for (const Case& c : cases) {
        GameState s = placedGame();
        c.spoil(s);
        const std::vector<uint8_t> bytes = encodeGame(s);
        GameState back = initialGameState();
        EXPECT_EQ(decodeGame(bytes.data(), bytes.size(), back), LoadStatus::NotTavolux) << c.what;
        EXPECT_EQ(back.noGameStarted, 1) << c.what << ": refused files change nothing";
    }
}

// A player is in the game or out of it: a file whose finishing state
// contradicts its pieces, or whose places contradict its flags, is refused,
// whether the game is in progress or over.
TEST(SaveFile, FinishingStateMustAgreeWithThePiecesAndThePlaces)
{
    // Three players, player 2 finished and the others playing on.
    GameState going = placedGame();
    bringHome(going, 1);
    going.slots[1].finished = 1;
    going.finishOrder[0] = 1;
    going.finishCount = 1;
    going.playerToMove = 2;
    // Over: player 3 finished second, player 1 took the last place.
    GameState over = going;
    bringHome(over, 2);
    over.slots[2].finished = 1;
    over.finishOrder[1] = 2;
    over.finishOrder[2] = 0;
    over.finishCount = 3;
    over.gameOver = 1;

    struct Case {
        const char* what;
        const GameState* base;
        void (*change)(GameState&);
        bool loads;
    };
    const Case cases[] = {
        {"a game going on after a finish", &going, [](GameState&) {}, true},
        {"a game over", &over, [](GameState&) {}, true},
        {"a finished flag that is not 0 or 1", &going, [](GameState& s) { s.slots[2].finished = static_cast<int32_t>(0x81000000); }, false},
        {"an active flag that is not 0 or 1", &going, [](GameState& s) { s.slots[0].active = 2; }, false},
        {"finished with pieces away from home", &going, [](GameState& s) { s.pieces[10].hole = 60; }, false},
        {"finished without a place", &going, [](GameState& s) { s.finishCount = 0; }, false},
        {"a place for a player still playing", &going, [](GameState& s) { s.finishOrder[0] = 2; }, false},
        {"a place too many", &going, [](GameState& s) { s.finishCount = 2; }, false},
        {"a game over with a place missing", &over, [](GameState& s) { s.finishCount = 2; }, false},
        {"a game over naming one player twice", &over, [](GameState& s) { s.finishOrder[2] = 1; }, false},
        {"a game over with the unfinished player placed first", &over, [](GameState& s) {
             s.finishOrder[0] = 0;
             s.finishOrder[2] = 1;
         }, false},
        {"a game over with nobody finished", &over, [](GameState& s) { s.slots[1].finished = s.slots[2].finished = 0; }, false},
        {"a game over with everybody finished", &over, [](GameState& s) {
             bringHome(s, 0);
             s.slots[0].finished = 1;
         }, false},
        {"a game over with two pieces on one hole", &over, [](GameState& s) { s.pieces[1].hole = s.pieces[0].hole; }, false},
        {"no game started with a finished player", &going, [](GameState& s) { s.noGameStarted = 1; }, false},
    };
    for (const Case& c : cases) {
        GameState s = *c.base;
        c.change(s);
        const std::vector<uint8_t> bytes = encodeGame(s);
        GameState back = initialGameState();
        EXPECT_EQ(decodeGame(bytes.data(), bytes.size(), back) == LoadStatus::Loaded, c.loads) << c.what;
        if (!c.loads) {
            EXPECT_EQ(back.noGameStarted, 1) << c.what << ": refused files change nothing";
        }
    }
}

TEST(SaveFile, ImpossibleValuesAreRefused)
{
    const std::vector<uint8_t> good = encodeGame(placedGame());
    struct Case {
        const char* what;
        std::size_t at;
        uint32_t value;
    };
    const Case cases[] = {
        {"hole above 120", PiecesAt, 121},
        {"hole beyond 16 bits", PiecesAt, 0x10000 + 5},
        {"owner mark of no player", PiecesAt + 4, 0x11},
        {"player to move above 2", CountersAt + 20, 3},
        {"rotation outside 0..5", CountersAt + 28, 6},
        {"negative rotation", CountersAt + 28, 0xFFFFFFFF},
        {"finish count above 3", CountersAt, 4},
        {"picture above 6", SlotsAt, 7},
        {"finish order entry above 2", SlotsAt + 4, 3},
        {"style above hostile", SlotsAt + 8, 3},
        {"view above 5", SlotsAt + 16, 6},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        put32(bytes, c.at, c.value);
        GameState s = initialGameState();
        EXPECT_EQ(decodeGame(bytes.data(), bytes.size(), s), LoadStatus::NotTavolux) << c.what;
    }
}

TEST(SaveFile, SlotCountIsRepairedAndLongNamesAreCut)
{
    GameState s = placedGame();
    s.slots[1].name = std::string(600, 'n');
    std::vector<uint8_t> bytes = encodeGame(s);
    GameState back = initialGameState();
    ASSERT_EQ(decodeGame(bytes.data(), bytes.size(), back), LoadStatus::Loaded);
    EXPECT_EQ(back.slots[1].name.size(), MaxNameLength);

    std::vector<uint8_t> normal = encodeGame(placedGame());
    put32(normal, CountersAt + 24, 7);
    ASSERT_EQ(decodeGame(normal.data(), normal.size(), back), LoadStatus::Loaded);
    EXPECT_EQ(back.slotCount, 3);
}

TEST(SaveFile, FieldsBeyondTheBufferAreSkippedWhenWriting)
{
    GameState s = placedGame();
    s.slots[0].name = std::string(1005, 'a'); // "Silicon" still fits, "Positron" does not
    const std::vector<uint8_t> bytes = encodeGame(s);
    EXPECT_EQ(bytes.size(), 4u + 1006u + 8u + 4u) << "one counter still fits after the skipped name";
    EXPECT_EQ(bytes[1010], 'S');
    EXPECT_EQ(bytes[1018], 0) << "finishCount follows the second name directly";
}

TEST(SaveFile, ExtensionIsForcedOnTheFileNameOnly)
{
    EXPECT_EQ(forceTvxExtension("/home/me/games/game.old.sav"), "/home/me/games/game.tvx");
    EXPECT_EQ(forceTvxExtension("/home/me/my.games/game"), "/home/me/my.games/game.tvx");
    EXPECT_EQ(forceTvxExtension("game.tvx"), "game.tvx");
    EXPECT_EQ(forceTvxExtension("/tmp/.hidden"), "/tmp/.tvx");
}

TEST(SaveFile, FilesRoundTripAndMissingFilesAreReported)
{
    const fs::path dir = fs::temp_directory_path() / "tavolux-savefile-test";
    fs::create_directories(dir);
    const std::string path = (dir / "game.tvx").string();
    const GameState s = placedGame();
    ASSERT_TRUE(saveGameFile(path, s));
    EXPECT_EQ(fs::file_size(path), 395u);
    GameState back = initialGameState();
    EXPECT_EQ(loadGameFile(path, back), LoadStatus::Loaded);
    EXPECT_EQ(back.pieces, s.pieces);
    EXPECT_EQ(loadGameFile((dir / "missing.tvx").string(), back), LoadStatus::CannotOpen);
    EXPECT_FALSE(saveGameFile((dir / "no-such-folder" / "x.tvx").string(), s));

    // Only the first 1023 bytes of an oversized file are read.
    std::vector<uint8_t> big = encodeGame(s);
    big.resize(5000, 0xEE);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(big.data()), 5000);
    EXPECT_EQ(loadGameFile(path, back), LoadStatus::Loaded);
    fs::remove_all(dir);
}

// Strengths ride in a block after the record; without a sound block every
// slot loads as Standard, whatever the record held before.
using Strengths = std::array<int32_t, DesignSeatCount>;
constexpr Strengths AllStandard{Standard, Standard, Standard}, Mixed{Expert, Standard, Beginner};

// Loads over a record holding Expert everywhere: the game loads whatever the block holds.
Strengths loadedStrengths(const std::vector<uint8_t>& bytes)
{
    GameState back = placedGame();
    back.slots[0].strength = back.slots[1].strength = back.slots[2].strength = Expert;
    EXPECT_EQ(decodeGame(bytes.data(), bytes.size(), back), LoadStatus::Loaded);
    return {back.slots[0].strength, back.slots[1].strength, back.slots[2].strength};
}

TEST(SaveFileStrengths, StandardKeepsTheRecordAloneAndOthersFollowItInABlock)
{
    std::ifstream seed(fs::path(TAVOLUX_FUZZ_DIR) / "corpus/savefile/new-3p.tvx", std::ios::binary);
    const std::vector<uint8_t> earlier{std::istreambuf_iterator<char>(seed), {}}; // saved before strengths
    GameState s = placedGame();
    s.slots[1].strength = 7;
    ASSERT_EQ(encodeGame(s), earlier) << "all Standard, out of range saved as Standard";
    EXPECT_EQ(loadedStrengths(earlier), AllStandard);

    s.slots[0].strength = Expert;
    s.slots[1].strength = Standard;
    s.slots[2].strength = Beginner;
    const std::vector<uint8_t> bytes = encodeGame(s);
    ASSERT_EQ(bytes.size(), 395u + 11u);
    EXPECT_TRUE(std::equal(earlier.begin(), earlier.end(), bytes.begin()));
    EXPECT_EQ(loadedStrengths(bytes), Mixed);

    const fs::path dir = fs::temp_directory_path() / "tavolux-strength-test";
    fs::create_directories(dir);
    const std::string path = (dir / "game.tvx").string();
    GameState back = initialGameState();
    ASSERT_TRUE(saveGameFile(path, s));
    ASSERT_EQ(loadGameFile(path, back), LoadStatus::Loaded);
    EXPECT_EQ(back.slots[2].strength, Beginner);
    // A first name of 622 bytes ends the block at the buffer's end: read
    // unless the file goes on; a byte more and the block is not written.
    s.slots[0].name = std::string(622, 'n');
    std::vector<uint8_t> full = encodeGame(s);
    ASSERT_EQ(full.size(), SaveBufferSize);
    EXPECT_EQ(loadedStrengths(full), Mixed);
    full.push_back(Expert);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(full.data()), 1024);
    ASSERT_EQ(loadGameFile(path, back), LoadStatus::Loaded);
    EXPECT_EQ(back.slots[0].strength, Standard);
    s.slots[0].name += 'n';
    EXPECT_EQ(encodeGame(s).size(), SaveBufferSize - 10);
    fs::remove_all(dir);
}

TEST(SaveFileStrengths, AnyDamageToTheBlockLoadsTheGameAllStandard)
{
    GameState s = placedGame();
    const std::size_t at = encodeGame(s).size();
    for (int p = 0; p < DesignSeatCount; ++p)
        s.slots[p].strength = Mixed[p];
    const std::vector<uint8_t> good = encodeGame(s);
    for (std::size_t n = at; n <= good.size(); ++n) {
        std::vector<uint8_t> bytes(good.begin(), good.begin() + n);
        if (n == good.size())
            bytes.push_back(Expert); // a byte after the block
        EXPECT_EQ(loadedStrengths(bytes), AllStandard) << "cut at " << n - at;
    }
    for (std::size_t i = at; i < good.size(); ++i)
        for (int v = 0; v < 256; ++v) {
            std::vector<uint8_t> bytes = good;
            bytes[i] = static_cast<uint8_t>(v);
            if (bytes != good && loadedStrengths(bytes) != AllStandard)
                ADD_FAILURE() << "byte " << i - at << " set to " << v;
        }
    // A later version, a payload of another size, a strength above Expert:
    // refused under every check value.
    const std::pair<int, int> fieldValues[] = {{4, 2}, {5, 4}, {8, 3}};
    for (const auto& [field, value] : fieldValues)
        for (int check = 0; check < 0x10000; ++check) {
            std::vector<uint8_t> bytes = good;
            bytes[at + field] = static_cast<uint8_t>(value);
            bytes[at + 9] = static_cast<uint8_t>(check);
            bytes[at + 10] = static_cast<uint8_t>(check >> 8);
            if (loadedStrengths(bytes) != AllStandard)
                ADD_FAILURE() << "field " << field << " set to " << value << ", check " << check;
        }
}

} // namespace
