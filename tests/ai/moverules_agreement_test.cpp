// Whole games among the computers, of two and three players, the two left
// after the first finisher playing on or stopping: after every move the game
// itself, the rule applied move by move, the move list, the game's record
// written and read back, and the command line's match agree on the pieces,
// the player to move, the finishes and the places.

#include "ai/computerplayer.h"
#include "cli/ladder.h"
#include "model/game.h"
#include "model/gamerecord.h"
#include "model/moverules.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace tavolux::testing {
namespace {

// Keeps the game's own record as the first turn after each move finds it,
// and counts the turns up to the first finish.
class WatchedTurns : public MoveChooser {
public:
    ChosenMove chooseMove(const GameState& state) override
    {
        if (after.size() == game->moveList().moves().size())
            after.push_back(state);
        turnsToFirstFinish += state.finishCount == 0 ? 1 : 0;
        return player.chooseMove(state);
    }
    ComputerPlayer player;
    const Game* game = nullptr;
    std::vector<GameState> after; // after 0, 1, 2... moves
    int turnsToFirstFinish = 0;
};

struct Answer : GameEvents, GameQuestions {
    bool playOn = true;
    Game* game = nullptr;
    void askPlayOn(int) override { game->playOn(playOn); }
};

// The pieces and the player to move, then the finishes and places.
std::string summary(const GameState& s, bool withPlaces = true)
{
    std::ostringstream text;
    text << "to move " << s.playerToMove << ", holes";
    for (const PieceRecord& piece : s.pieces)
        text << ' ' << piece.hole;
    if (!withPlaces)
        return text.str();
    text << (s.gameOver ? "; over" : "; on");
    for (int p = 0; p < DesignSeatCount; ++p)
        text << (s.slots[p].finished ? " finished" : " -");
    text << "; places";
    for (int i = 0; i < s.finishCount; ++i)
        text << ' ' << s.finishOrder[i];
    return text.str();
}

TEST(MoveRules, EveryConsumerGivesTheGamesPositionAfterEveryMove)
{
    struct Seating {
        int active[DesignSeatCount];
        bool playOn;
    };
    for (const Seating& seating : {Seating{{1, 0, 1}, true}, Seating{{1, 1, 1}, true}, Seating{{1, 1, 1}, false}}) {
        SCOPED_TRACE(::testing::Message() << "players " << seating.active[1] + 2 << ", play on " << seating.playOn);
        auto turns = std::make_unique<WatchedTurns>();
        turns->player.useSeed(2);
        Answer events;
        events.playOn = seating.playOn;
        Game game(events, turns.get());
        turns->game = &game;
        events.game = &game;
        game.setQuestions(&events);
        GameState chosen = initialGameState();
        for (int p = 0; p < DesignSeatCount; ++p) {
            chosen.slots[p].active = seating.active[p];
            chosen.slots[p].picture = 0;
        }
        game.startGame(chosen);
        ASSERT_TRUE(game.state().gameOver);
        ASSERT_EQ(game.state().finishCount, seating.active[1] + 2);
        const MoveList& list = game.moveList();
        const std::size_t count = list.moves().size();
        turns->after.resize(count + 1);
        turns->after[count] = game.state();

        const RecordReading reading = readRecord(writeRecord(recordOf(game.state(), list)));
        ASSERT_TRUE(std::holds_alternative<GameRecord>(reading));
        const GameRecord& record = std::get<GameRecord>(reading);
        // The game tells its list when the two left stopped after a finish,
        // so the list gives the game's own end.
        EXPECT_EQ(list.endedWithLast(), !seating.playOn);
        MoveList ended = list;
        GameState rule = list.start();
        int finishes = 0;
        for (std::size_t n = 0; n <= count; ++n) {
            const std::string expected = summary(turns->after[n]);
            ASSERT_EQ(summary(rule), expected) << "applyMove after move " << n;
            ASSERT_EQ(summary(replayTo(record, n)), expected) << "record after move " << n;
            ASSERT_EQ(summary(ended.positionAfter(n)), expected) << "move list after move " << n;
            if (n == count)
                break;
            const RecordedMove& m = list.moves()[n];
            rule.playerToMove = static_cast<uint16_t>(m.player);
            const MoveOutcome made = applyMove(rule, m.piece, m.path, seating.playOn);
            EXPECT_EQ(made.nextPlayer, made.after.playerToMove);
            EXPECT_EQ(made.gameOver, made.after.gameOver != 0);
            if (made.finished >= 0) {
                EXPECT_EQ(made.finished, m.player);
                ++finishes;
            }
            rule = made.after;
        }
        EXPECT_EQ(finishes, seating.playOn ? seating.active[1] + 1 : 1);
        EXPECT_EQ(summary(list.positionEndingAfter(count)), summary(game.state()));

        // Stepped back by Undo and on again by Redo, the list finds every
        // position of the game; a record made one move before the end
        // holds the game as it was then, unfinished.
        for (std::size_t n = count + 1; n-- > 0;) {
            ended.follow(turns->after[n]);
            ASSERT_EQ(ended.current(), n);
            ASSERT_EQ(summary(ended.positionAfter(n)), summary(turns->after[n])) << "back to move " << n;
            if (n + 1 != count)
                continue;
            const RecordReading before = readRecord(writeRecord(recordOf(game.state(), ended)));
            ASSERT_TRUE(std::holds_alternative<GameRecord>(before)) << std::get<RecordError>(before).line;
            EXPECT_TRUE(std::get<GameRecord>(before).result.empty());
            EXPECT_EQ(summary(replayTo(std::get<GameRecord>(before), n)), summary(turns->after[n]));
        }
        for (std::size_t n = 1; n <= count; ++n) {
            ended.follow(turns->after[n]);
            ASSERT_EQ(ended.current(), n);
        }
        EXPECT_EQ(summary(ended.positionAfter(count)), summary(game.state())) << "the end again";

        // The command line's match plays the same game to its first finish.
        auto cliPlayer = std::make_unique<ComputerPlayer>();
        cliPlayer->useSeed(2);
        const cli::PlayedGame played = cli::playToFirstFinish(list.start(), *cliPlayer, 5000);
        EXPECT_EQ(played.first, game.state().finishOrder[0]);
        EXPECT_EQ(played.turns, turns->turnsToFirstFinish);
    }
}

} // namespace
} // namespace tavolux::testing
