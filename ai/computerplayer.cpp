#include "ai/computerplayer.h"

#include "ai/movepath.h"

#include <chrono>

namespace tavolux {

namespace {
uint32_t tickCount()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
} // namespace

void ComputerPlayer::useSeed(uint32_t seed)
{
    tieBreak_.seed(seed);
    seedFromClock_ = false;
}

ChosenMove ComputerPlayer::chooseMove(const GameState& s)
{
    if (seedFromClock_)
        tieBreak_.seed(tickCount());
    last_ = search_.choose(s, tieBreak_);
    ChosenMove chosen;
    chosen.found = last_.found;
    chosen.piece = last_.move.piece;
    chosen.path = findMovePath(s.pieces, s.pieces[last_.move.piece].hole, last_.move.hole);
    return chosen;
}

} // namespace tavolux
