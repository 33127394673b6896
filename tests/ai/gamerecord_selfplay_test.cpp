// Records of whole games among the computer players, two to six of them,
// one game played on after its first finisher and one stopped there:
// each record reads back equal, writes out to the same bytes again and
// replays to every position the game went through and to its end.

#include "ai/computerplayer.h"
#include "model/game.h"
#include "cli/recordfaults.h"
#include "model/gamerecord.h"
#include "model/moverules.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <memory>

namespace tavolux::testing {
namespace {

// Silent; the others play on after the first finisher when `playOn`.
struct QuietEvents : GameEvents, GameQuestions {
    bool playOn = true;
    Game* game = nullptr;
    void askPlayOn(int) override { game->playOn(playOn); }
};

struct Seating {
    std::array<int, PlayerCount> active;
    std::array<int, PlayerCount> strengths;
    uint32_t seed;
    bool playOn;
};

// Plays the game to its end and checks its record; returns the record.
GameRecord checkedRecordOf(const Seating& seating)
{
    auto computer = std::make_unique<ComputerPlayer>();
    computer->useSeed(seating.seed);
    QuietEvents events;
    events.playOn = seating.playOn;
    Game game(events, computer.get());
    events.game = &game;
    game.setQuestions(&events);
    GameState chosen = initialGameState();
    for (int p = 0; p < PlayerCount; ++p) {
        chosen.slots[p].active = seating.active[p];
        chosen.slots[p].strength = seating.strengths[p];
        chosen.slots[p].picture = 0;
    }
    game.startGame(chosen);
    EXPECT_TRUE(game.state().gameOver);

    const GameRecord record = recordOf(game.state(), game.moveList());
    const std::string text = writeRecord(record);
    const RecordReading reading = readRecord(text);
    if (const auto* error = std::get_if<RecordError>(&reading)) {
        ADD_FAILURE() << "line " << error->line << ": " << recordFaultText(*error) << "\n" << text;
        return record;
    }
    const GameRecord& back = std::get<GameRecord>(reading);
    EXPECT_EQ(back, record);
    EXPECT_EQ(writeRecord(back), text);

    const std::size_t count = back.moves.size();
    EXPECT_EQ(count, game.moveList().moves().size());
    for (std::size_t n = 0; n < count; n += 5)
        EXPECT_EQ(replayTo(back, n).pieces, game.moveList().positionAfter(n).pieces) << n;
    const GameState last = replayTo(back, count);
    EXPECT_EQ(last.pieces, game.state().pieces);
    EXPECT_EQ(last.gameOver, 1);
    EXPECT_EQ(last.playerToMove, game.state().playerToMove);
    EXPECT_EQ(std::vector<int>(last.finishOrder, last.finishOrder + last.finishCount),
              std::vector<int>(game.state().finishOrder, game.state().finishOrder + game.state().finishCount));
    for (int p = 0; p < PlayerCount; ++p) {
        EXPECT_EQ(last.slots[p].active, game.state().slots[p].active);
        if (!last.slots[p].active)
            continue;
        EXPECT_EQ(last.slots[p].name, game.state().slots[p].name);
        EXPECT_EQ(last.slots[p].strength, game.state().slots[p].strength);
        EXPECT_EQ(last.slots[p].finished, game.state().slots[p].finished);
    }
    return record;
}

TEST(GameRecordSelfPlay, TwoPlayersGameReadsBackAndReplays)
{
    const GameRecord r = checkedRecordOf({{1, 1, 0}, {Standard, Beginner, Standard}, 5, true});
    EXPECT_EQ(r.result.size(), 2u);
    EXPECT_GT(r.moves.size(), 40u);
}

TEST(GameRecordSelfPlay, ThreePlayersPlayingOnAfterTheFirstFinisher)
{
    const GameRecord r = checkedRecordOf({{1, 1, 1}, {Beginner, Standard, Standard}, 11, true});
    ASSERT_EQ(r.result.size(), 3u);
    // The winner's last move comes before the others' last moves.
    std::size_t winnersLast = 0;
    for (std::size_t i = 0; i < r.moves.size(); ++i)
        if (r.moves[i].player == r.result[0])
            winnersLast = i;
    EXPECT_LT(winnersLast + 2, r.moves.size());
}

TEST(GameRecordSelfPlay, ThreePlayersStoppedAtTheFirstFinisher)
{
    const GameRecord r = checkedRecordOf({{1, 1, 1}, {Standard, Standard, Beginner}, 3, false});
    ASSERT_EQ(r.result.size(), 3u);
    EXPECT_EQ(r.moves.back().player, r.result[0]) << "the game ends with the winner's move";
}

// Every player placed once, those who finished before the rest, each of
// them home by the rule of its table.
void expectEveryonePlaced(const GameRecord& r, const Seating& seating)
{
    const GameState last = replayTo(r, r.moves.size());
    std::vector<int> placed = r.result;
    std::sort(placed.begin(), placed.end());
    std::vector<int> taking;
    for (int p = 0; p < PlayerCount; ++p)
        if (seating.active[p])
            taking.push_back(p);
    EXPECT_EQ(placed, taking);
    for (int i = 0; i + 1 < int(r.result.size()); ++i)
        EXPECT_TRUE(isHome(last, r.result[i])) << "place " << i + 1;
}

TEST(GameRecordSelfPlay, FourAndSixSeatGamesOfEveryStrengthEndAndReplay)
{
    const Seating seatings[] = {
        {{1, 1, 0, 1, 1, 0}, {Expert, Standard, 0, Beginner, Standard, 0}, 7, true},
        {{1, 1, 1, 1, 1, 1}, {Standard, Beginner, Expert, Standard, Beginner, Standard}, 9, true},
        {{1, 0, 0, 1, 0, 0}, {Expert, 0, 0, Standard, 0, 0}, 4, true},
    };
    for (const Seating& seating : seatings) {
        const GameRecord r = checkedRecordOf(seating);
        expectEveryonePlaced(r, seating);
    }
    // Stopped at the first finisher, the others take their places in turn
    // order after it.
    const Seating stopped = {{1, 1, 1, 1, 1, 1}, {Standard, Standard, Standard, Standard, Standard, Standard}, 2, false};
    const GameRecord r = checkedRecordOf(stopped);
    ASSERT_EQ(r.result.size(), 6u);
    GameState order = initialGameState();
    for (PlayerSlot& slot : order.slots)
        slot.active = 1;
    for (std::size_t i = 1; i < r.result.size(); ++i)
        EXPECT_EQ(r.result[i], nextPlayer(order, r.result[i - 1]));
}

} // namespace
} // namespace tavolux::testing
