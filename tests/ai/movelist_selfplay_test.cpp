// The move list of whole three-player games among the computers, played on
// after the first finisher: every row shows the position the game itself
// had after that move, with the same player to move, and the finishes on
// the way.

#include "ai/computerplayer.h"
#include "model/game.h"
#include "model/moverules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tavolux::testing {
namespace {

// Notes the game's own record before every computer turn, with the number
// of moves in its list then.
class WatchedTurn : public MoveChooser {
public:
    ChosenMove chooseMove(const GameState& state) override
    {
        seen.push_back({game->moveList().moves().size(), state});
        return player.chooseMove(state);
    }
    struct Seen {
        std::size_t moves;
        GameState state;
    };
    std::vector<Seen> seen;
    ComputerPlayer player;
    const Game* game = nullptr;
};

TEST(MoveListSelfPlay, EveryRowOfFinishedThreePlayerGamesIsTheGamesOwnPosition)
{
    for (uint32_t seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        WatchedTurn turn;
        turn.player.useSeed(seed);
        GameEvents events;
        Game game(events, &turn);
        turn.game = &game;
        GameState chosen = initialGameState();
        for (PlayerSlot& slot : chosen.slots)
            slot.picture = 0;
        game.startGame(chosen);
        ASSERT_TRUE(game.state().gameOver);
        ASSERT_EQ(game.state().finishCount, 3);

        const MoveList& list = game.moveList();
        int afterAFinish = 0;
        for (const WatchedTurn::Seen& s : turn.seen) {
            const GameState row = list.positionAfter(s.moves);
            ASSERT_EQ(row.pieces, s.state.pieces) << "after move " << s.moves;
            ASSERT_EQ(row.playerToMove, s.state.playerToMove) << "after move " << s.moves;
            ASSERT_EQ(row.finishCount, s.state.finishCount) << "after move " << s.moves;
            afterAFinish += s.state.finishCount > 0 ? 1 : 0;
        }
        EXPECT_GT(afterAFinish, 0) << "rows after the first finish were checked";
        // Had the two left stopped at the first finish, the game would
        // have ended there with every player placed.
        std::size_t first = 0;
        while (list.positionAfter(first + 1).finishCount == 0)
            ++first;
        const RecordedMove& m = list.moves()[first];
        const MoveOutcome outcome = applyMove(list.positionAfter(first), m.piece, m.path, false);
        EXPECT_EQ(outcome.finished, m.player);
        EXPECT_TRUE(outcome.gameOver);
        const GameState& stopped = outcome.after;
        EXPECT_TRUE(stopped.gameOver);
        EXPECT_EQ(stopped.finishCount, 3);
        EXPECT_EQ(stopped.finishOrder[0], m.player);

        const GameState last = list.positionAfter(list.moves().size());
        EXPECT_EQ(last.pieces, game.state().pieces);
        EXPECT_EQ(last.finishCount, game.state().finishCount);
        EXPECT_TRUE(last.gameOver);
        EXPECT_TRUE(std::equal(last.finishOrder, last.finishOrder + 3, game.state().finishOrder));
    }
}

} // namespace
} // namespace tavolux::testing
