#include "selfplay_positions.h"

#include "ai/computerplayer.h"
#include "model/game.h"
#include "tests/support/recorded_events.h"

#include <memory>

namespace tavolux::testing {

namespace {

// Keeps the position before each turn and stops the game after maxTurns by
// handing the seats to persons.
class RecordingTurn : public MoveChooser {
public:
    RecordingTurn(SelfPlayGame& out, int maxTurns) : out_(out), left_(maxTurns) {}
    ChosenMove chooseMove(const GameState& state) override
    {
        out_.positions.push_back(state);
        const ChosenMove move = player.chooseMove(state);
        if (--left_ == 0 && game != nullptr)
            for (PlayerSlot& slot : game->state.slots)
                slot.picture = 1;
        return move;
    }
    ComputerPlayer player;
    Game* game = nullptr;

private:
    SelfPlayGame& out_;
    int left_;
};

} // namespace

SelfPlayGame playComputerGame(const int (&active)[PlayerCount], const int (&styles)[PlayerCount][2],
                              uint32_t seed, int maxTurns)
{
    SelfPlayGame result;
    auto turn = std::make_unique<RecordingTurn>(result, maxTurns);
    turn->player.useSeed(seed);
    RecordedEvents events;
    Game game(events, turn.get());
    events.attach(&game.state);
    turn->game = &game;
    for (int p = 0; p < PlayerCount; ++p) {
        PlayerSlot& slot = game.state.slots[p];
        slot.picture = 0;
        slot.active = active[p];
        slot.styleTowardLower = styles[p][0];
        slot.styleTowardHigher = styles[p][1];
    }
    game.startNewGame();
    game.runQueuedTurns();
    result.over = game.state.gameOver != 0;
    result.finishCount = game.state.finishCount;
    for (int i = 0; i < PlayerCount; ++i)
        result.finishOrder[i] = game.state.finishOrder[i];
    return result;
}

} // namespace tavolux::testing
