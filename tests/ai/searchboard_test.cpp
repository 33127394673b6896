// The search board's survey of a piece: the witness it gives for a piece
// that can come nearer its target tip holds every hole that way depends on,
// so a move that leaves those holes alone never takes the way away.

#include "ai/searchboard.h"
#include "model/board.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tavolux {
namespace {

GameState savedPosition(const char* file)
{
    GameState s = initialGameState();
    EXPECT_EQ(loadGameFile(std::string(TAVOLUX_POSITIONS_DIR "/") + file, s), LoadStatus::Loaded);
    return s;
}

bool comesNearer(SearchBoard& board, int hole, const TargetDistances& mine)
{
    uint8_t list[BoardSlots];
    PieceSurvey survey;
    board.survey(hole, mine.distance[hole], mine, list, survey);
    return survey.nearest < mine.distance[hole];
}

// Every move of any piece in play other than the surveyed one, to any empty
// hole: when it neither empties a hole the witness jumps over nor fills one
// it lands on, the surveyed piece can still come nearer.
void expectWitnessesHold(const GameState& s)
{
    const int me = s.playerToMove;
    const TargetDistances& mine = targetDistances(me);
    SearchBoard board;
    board.load(s.pieces);
    int witnesses = 0;
    for (const PieceRecord& piece : s.pieces) {
        if (piece.owner != OwnerMark[me])
            continue;
        const int h = piece.hole;
        uint8_t list[BoardSlots];
        PieceSurvey survey;
        if (board.survey(h, mine.distance[h], mine, list, survey) == 0)
            continue;
        ++witnesses;
        for (const PieceRecord& other : s.pieces) {
            if (other.owner == 0 || other.hole == h || survey.nearer.over.has(other.hole))
                continue;
            for (int to = 0; to < HoleCount; ++to) {
                const bool empty = std::none_of(s.pieces.begin(), s.pieces.end(),
                                                [&](const PieceRecord& r) { return r.owner != 0 && r.hole == to; });
                if (!empty || survey.nearer.land.has(to))
                    continue;
                board.move(other.hole, to);
                EXPECT_TRUE(comesNearer(board, h, mine)) << "piece on " << h << ", move " << other.hole << " to " << to;
                board.move(to, other.hole);
            }
        }
    }
    EXPECT_GT(witnesses, 0);
}

TEST(SearchBoard, AWitnessHoldsWhileItsHolesStayAsTheyAre)
{
    for (const char* file : {"opening-3p.tvx", "endgame-3p-default-styles.tvx", "constructed-3p-slow-b.tvx",
                             "constructed-2p-most-lines.tvx"}) {
        SCOPED_TRACE(file);
        expectWitnessesHold(savedPosition(file));
    }
}

TEST(SearchBoard, AFreeStepNearerIsItsOwnWitness)
{
    GameState s = savedPosition("opening-3p.tvx");
    const int me = s.playerToMove;
    const TargetDistances& mine = targetDistances(me);
    SearchBoard board;
    board.load(s.pieces);
    int steps = 0;
    for (const PieceRecord& piece : s.pieces) {
        if (piece.owner != OwnerMark[me] || !board.canStepNearer(piece.hole, mine))
            continue;
        ++steps;
        uint8_t list[BoardSlots];
        PieceSurvey survey;
        board.survey(piece.hole, mine.distance[piece.hole], mine, list, survey);
        int landings = 0;
        for (int h = 0; h < HoleCount; ++h) {
            EXPECT_FALSE(survey.nearer.over.has(h));
            landings += survey.nearer.land.has(h);
        }
        EXPECT_EQ(landings, 1);
    }
    EXPECT_GT(steps, 0);
}

} // namespace
} // namespace tavolux
