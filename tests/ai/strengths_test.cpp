// The Beginner and Expert computer players: every move they play is one the
// rules allow, they play one exactly when they have one, their games end,
// the Expert crosses the board alone in at most 30 moves, its styles
// decide how much room it leaves the others, and a stopped Expert gives its
// turn up.

#include "ai/computerplayer.h"
#include "model/board.h"
#include "model/game.h"
#include "model/movegen.h"
#include "model/moverules.h"
#include "selfplay_positions.h"
#include "tests/support/light_expert.h"
#include "tests/support/recorded_events.h"
#include "tests/support/walled_in.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>

namespace tavolux::testing {
namespace {

// Checks every choice of the computer against the rules before the cycle
// makes it.
class CheckedComputer : public MoveChooser {
public:
    ComputerPlayer computer;
    int checked = 0;
    // After this many choices the answers are given up, which stops the
    // turn cycle: a game that would never end fails instead of hanging.
    int limit = 2000;

    ChosenMove chooseMove(const GameState& s) override
    {
        ChosenMove move = computer.chooseMove(s);
        const int p = s.playerToMove, first = s.slots[p].firstPiece;
        MoveGenerator gen;
        bool anyMove = false;
        for (int k = first; k < first + PiecesPerPlayer; ++k) {
            gen.findDestinations(p, k, s.pieces);
            anyMove = anyMove || gen.destinations[0] != ListEnd;
        }
        EXPECT_EQ(move.found, anyMove);
        EXPECT_FALSE(move.abandoned);
        if (move.found) {
            EXPECT_GE(move.piece, first);
            EXPECT_LT(move.piece, first + PiecesPerPlayer);
            gen.findDestinations(p, move.piece, s.pieces);
            EXPECT_TRUE(gen.isDestination(move.path.back()))
                << StrengthNames[s.slots[p].strength] << " piece " << move.piece << " to " << move.path.back();
        }
        if (++checked >= limit)
            move.abandoned = true; // the cycle stops and waits
        return move;
    }
};

struct Match {
    int strengths[DesignSeatCount];
    int active[DesignSeatCount];
    uint32_t seed = 5;
};

TEST(Strengths, EveryMoveIsLegalAndEveryGameEnds)
{
    const Match matches[] = {
        {{Expert, Beginner, Standard}, {1, 1, 1}},
        {{Expert, Expert, Expert}, {1, 1, 1}},
        {{Expert, Expert, Standard}, {1, 0, 1}},
        {{Beginner, Beginner, Beginner}, {0, 1, 1}},
        {{Beginner, Expert, Standard}, {1, 1, 0}},
        // A Hostile Standard once walled an Expert in until both went back
        // and forth for good.
        {{Expert, Standard, Standard}, {1, 1, 0}, 4},
    };
    int positions = 0;
    for (const Match& m : matches) {
        RecordedEvents events;
        CheckedComputer checker;
        checker.computer.useSeed(m.seed);
        checker.computer.setExpertTuning(lightExpert());
        Game game(events, &checker);
        events.attach(&game);
        GameState chosen = initialGameState();
        for (int p = 0; p < DesignSeatCount; ++p) {
            chosen.slots[p].picture = 0;
            chosen.slots[p].active = m.active[p];
            chosen.slots[p].strength = m.strengths[p];
        }
        game.startGame(chosen);
        EXPECT_TRUE(game.state().gameOver) << "strengths " << m.strengths[0] << m.strengths[1] << m.strengths[2];
        positions += checker.checked;
    }
    EXPECT_GT(positions, 400);
}

GameState alone(int strength)
{
    GameState s = initialGameState();
    s.slots[1].active = s.slots[2].active = 0;
    s.slots[0].picture = 0;
    s.slots[0].strength = strength;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    return s;
}

// Played by the choice alone, without the turn cycle (which needs two).
int crossingMoves(ComputerPlayer& computer, int strength, int limit)
{
    GameState s = alone(strength);
    int moves = 0;
    while (!isHome(s, 0) && moves < limit) {
        const ChosenMove move = computer.chooseMove(s);
        if (!move.found)
            break;
        s = applyMove(s, move.piece, move.path, true).after;
        ++moves;
    }
    return isHome(s, 0) ? moves : -1;
}

TEST(Strengths, AloneTheExpertCrossesInThirtyMovesAndTheBeginnerArrives)
{
    ComputerPlayer computer;
    computer.useSeed(3);
    const int expert = crossingMoves(computer, Expert, 100);
    EXPECT_GT(expert, 0);
    EXPECT_LE(expert, 30);
    const int beginner = crossingMoves(computer, Beginner, 300);
    EXPECT_GT(beginner, expert);
}

TEST(Strengths, AWalledInExpertHasNoMoveAndAStoppedOneGivesUp)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.playerToMove = 1;
    s.slots[1].strength = Expert;
    GameState walled = s;
    wallInPlayerTwo(walled.pieces);
    ComputerPlayer computer;
    const ChosenMove none = computer.chooseMove(walled);
    EXPECT_FALSE(none.found);
    EXPECT_FALSE(none.abandoned);
    EXPECT_EQ(none.path, std::vector<int>{walled.pieces[10].hole});

    const std::atomic<bool> stop{true};
    const ChosenMove stopped = computer.chooseMove(s, &stop);
    EXPECT_TRUE(stopped.abandoned);
    EXPECT_FALSE(stopped.found);
    EXPECT_TRUE(computer.chooseMove(s).found) << "the next choice has a stop signal of its own";
}

// The most one move of player p gains on its way home.
int bestGain(const GameState& s, int p)
{
    MoveGenerator gen;
    int best = 0;
    for (int k = s.slots[p].firstPiece; k < s.slots[p].firstPiece + PiecesPerPlayer; ++k) {
        gen.findDestinations(p, k, s.pieces);
        for (const uint16_t* d = gen.destinations; *d != ListEnd; ++d)
            best = std::max(best, holeDistance(s.pieces[k].hole, TargetApex[p]) - holeDistance(*d, TargetApex[p]));
    }
    return best;
}

// Of the same plans, a Hostile Expert never leaves its opponent a longer
// move than a Friendly one would, and on some positions a shorter one.
TEST(Strengths, AHostileExpertSpoilsWhatAFriendlyOneLeaves)
{
    const int active[DesignSeatCount] = {1, 1, 0};
    const int styles[DesignSeatCount][2] = {{Neutral, Neutral}, {Neutral, Neutral}, {Neutral, Neutral}};
    const SelfPlayGame game = playComputerGame(active, styles, 17, 400);
    int differed = 0, looked = 0;
    for (std::size_t i = 0; i < game.positions.size(); i += 2, ++looked) {
        GameState s = game.positions[i];
        const int me = s.playerToMove, other = 1 - me;
        s.slots[me].strength = Expert;
        int gain[2] = {};
        for (int style : {Hostile, Friendly}) {
            s.slots[me].styleTowardLower = s.slots[me].styleTowardHigher = style;
            ComputerPlayer computer;
            computer.setExpertTuning(lightExpert());
            const ChosenMove move = computer.chooseMove(s);
            ASSERT_TRUE(move.found);
            gain[style == Hostile ? 0 : 1] = bestGain(applyMove(s, move.piece, move.path, true).after, other);
        }
        EXPECT_LE(gain[0], gain[1]) << "position " << i;
        differed += gain[0] < gain[1];
    }
    EXPECT_GT(looked, 10);
    EXPECT_GT(differed, 0);
}

} // namespace
} // namespace tavolux::testing
