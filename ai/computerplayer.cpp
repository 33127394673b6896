#include "ai/computerplayer.h"

#include "ai/beginnermove.h"
#include "model/movepath.h"

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
    beginnerRandom_.seed(seed);
    seedFromClock_ = false;
}

ChosenMove ComputerPlayer::chooseMove(const GameState& s, const std::atomic<bool>* stop)
{
    const int me = s.playerToMove;
    const int strength = s.slots[me].strength;
    if (strength == Standard || (strength != Beginner && strength != Expert))
        return chooseStandard(s);
    ChosenMove chosen;
    int hole = s.pieces[s.slots[me].firstPiece].hole;
    bool planned = strength == Expert;
    if (strength == Beginner) {
        if (seedFromClock_)
            beginnerRandom_.seed(tickCount());
        const BeginnerChoice b = beginnerMove(s, beginnerRandom_);
        chosen.found = b.found;
        chosen.piece = b.piece;
        hole = b.hole;
        // A Beginner that sees no way on is shown one.
        planned = b.stuck;
    }
    if (planned) {
        const ExpertChoice e = expert_.choose(s, stop);
        chosen.abandoned = e.stopped;
        chosen.found = e.found;
        chosen.piece = e.piece;
        hole = e.hole;
    }
    chosen.path = chosen.found ? findMovePath(s.pieces, s.pieces[chosen.piece].hole, hole) : std::vector<int>{hole};
    return chosen;
}

ChosenMove ComputerPlayer::chooseStandard(const GameState& s)
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
