#include "selfplay_positions.h"

#include "ai/computerplayer.h"
#include "model/game.h"
#include "tests/fake_ui.h"

#include <memory>

namespace tavolux::testing {

namespace {

// Keeps the position before each turn and stops the game after maxTurns by
// handing the seats to persons.
class RecordingTurn : public ComputerTurn {
public:
    RecordingTurn(SelfPlayGame& out, int maxTurns) : out_(out), left_(maxTurns) {}
    void play(Game& game, GameUi& ui) override
    {
        out_.positions.push_back(game.state);
        player.play(game, ui);
        if (--left_ == 0)
            for (PlayerSlot& slot : game.state.slots)
                slot.picture = 1;
    }
    ComputerPlayer player;

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
    FakeUi ui;
    Game game(ui, turn.get());
    ui.attach(&game.state);
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
