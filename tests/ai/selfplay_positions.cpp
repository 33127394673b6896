#include "selfplay_positions.h"

#include "ai/computerplayer.h"
#include "model/game.h"
#include "tests/support/recorded_events.h"

#include <memory>

namespace tavolux::testing {

namespace {

// Keeps the position before each turn and stops the game after maxTurns by
// answering no more.
class RecordingTurn : public Player {
public:
    RecordingTurn(SelfPlayGame& out, int maxTurns) : out_(out), left_(maxTurns) {}
    void takeTurn(const GameState& state, MoveAnswer answer) override
    {
        if (left_ <= 0)
            return;
        --left_;
        out_.positions.push_back(state);
        answer(player.chooseMove(state));
    }
    ComputerPlayer player;

private:
    SelfPlayGame& out_;
    int left_;
};

} // namespace

SelfPlayGame playComputerGame(const int (&active)[DesignSeatCount], const int (&styles)[DesignSeatCount][2],
                              uint32_t seed, int maxTurns)
{
    SelfPlayGame result;
    auto turn = std::make_unique<RecordingTurn>(result, maxTurns);
    turn->player.useSeed(seed);
    RecordedEvents events;
    Game game(events, turn.get());
    events.attach(&game);
    GameState chosen = initialGameState();
    for (int p = 0; p < DesignSeatCount; ++p) {
        PlayerSlot& slot = chosen.slots[p];
        slot.picture = 0;
        slot.active = active[p];
        slot.styleTowardLower = styles[p][0];
        slot.styleTowardHigher = styles[p][1];
    }
    game.startGame(chosen);
    result.over = game.state().gameOver != 0;
    result.finishCount = game.state().finishCount;
    for (int i = 0; i < DesignSeatCount; ++i)
        result.finishOrder[i] = game.state().finishOrder[i];
    return result;
}

} // namespace tavolux::testing
