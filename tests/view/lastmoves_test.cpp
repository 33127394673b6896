// Whose last moves the board shows: with two persons and a computer each
// person sees the moves since his own last one, a pick-up hides them until
// the next move, and a player without a move so far sees every move made.

#include "view/lastmoves.h"

#include "model/board.h"

#include <gtest/gtest.h>

namespace tavolux {
namespace {

GameState game(int picture0, int picture1, int picture2)
{
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    const int pictures[DesignSeatCount] = {picture0, picture1, picture2};
    for (int p = 0; p < DesignSeatCount; ++p)
        s.slots[p].picture = static_cast<uint16_t>(pictures[p]);
    return s;
}

// Player p moves its first piece to hole `to`.
void step(GameState& s, LastMoves& moves, int p, int to)
{
    const int k = p * PiecesPerPlayer;
    const int start = s.pieces[k].hole;
    s.pieces[k].hole = static_cast<uint16_t>(to);
    moves.record(s.pieces, p, k, start);
    s.playerToMove = nextPlayer(s, p);
}

std::vector<int> players(const std::vector<PlayedMove>& moves)
{
    std::vector<int> out;
    for (const PlayedMove& m : moves)
        out.push_back(m.player);
    return out;
}

TEST(LastMoves, EachPersonSeesTheMovesSinceHisOwnLastMove)
{
    GameState s = game(1, 2, 0); // two persons, then a computer
    LastMoves moves;
    EXPECT_EQ(trailViewer(s), 0);
    step(s, moves, 0, 103);
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({0})) << "the second person sees the first one's move";
    step(s, moves, 1, 44);
    EXPECT_EQ(trailViewer(s), 0) << "while the computer moves, the board is for the next person";
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({1}));
    step(s, moves, 2, 76);
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({1, 2}));

    moves.hide(); // the first person picks up a piece
    EXPECT_TRUE(moves.shownFor(s).empty());
    step(s, moves, 0, 92);
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({2, 0}))
        << "the second person still sees the computer's move made before the pick-up";

    const PlayedMove last = moves.shownFor(s).back();
    EXPECT_EQ(last.start, 103);
    EXPECT_EQ(last.path, std::vector<int>({92}));
    moves.clear();
    EXPECT_TRUE(moves.shownFor(s).empty());
}

TEST(LastMoves, PathsOfJumpsAndMovesThatGoNowhere)
{
    GameState s = game(1, 0, 0);
    LastMoves moves;
    // Piece 0 on 111 jumps over 102 (piece 1 put there) to 93.
    s.pieces[1].hole = 102;
    const int start = s.pieces[0].hole;
    ASSERT_EQ(start, 111);
    s.pieces[0].hole = 93;
    moves.record(s.pieces, 0, 0, start);
    ASSERT_EQ(moves.shownTo(1).size(), 1u);
    EXPECT_EQ(moves.shownTo(1)[0].path, std::vector<int>({93}));
    EXPECT_TRUE(moves.shownTo(0).empty()) << "nothing since the mover's own move";

    moves.record(s.pieces, 1, 10, s.pieces[10].hole); // stayed where it was
    moves.record(s.pieces, 1, PieceCount, 5);         // no such piece
    EXPECT_EQ(moves.shownTo(2).size(), 1u);
}

TEST(LastMoves, OnlyARoundIsKept)
{
    GameState s = game(0, 0, 0);
    LastMoves moves;
    for (int round = 0; round < 4; ++round)
        for (int p = 0; p < DesignSeatCount; ++p)
            moves.record(PlayedMove{p, 60, {61}});
    EXPECT_EQ(trailViewer(s), 0) << "only computers: the player to move";
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({1, 2}));
    moves.record(PlayedMove{2, 60, {61}});
    EXPECT_EQ(players(moves.shownTo(1)), std::vector<int>({2, 2})) << "at most two moves show";
}

// Six players, one person: the person sees the five moves since its own,
// and no more once a player has finished.
TEST(LastMoves, AtSixPlayersTheRoundIsFiveMoves)
{
    GameState s = initialGameState();
    for (auto& slot : s.slots)
        slot.active = 1;
    s.noGameStarted = 0;
    placeStartingPieces(s);
    s.slots[0].picture = 1;
    for (int p = 1; p < PlayerCount; ++p)
        s.slots[p].picture = 0;
    LastMoves moves;
    step(s, moves, 0, 103);
    for (int i = 0; i < 5; ++i)
        step(s, moves, s.playerToMove, 60 + i);
    EXPECT_EQ(s.playerToMove, 0);
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({5, 1, 3, 2, 4}));
    s.slots[3].finished = 1;
    EXPECT_EQ(players(moves.shownFor(s)), std::vector<int>({1, 3, 2, 4}));
}

} // namespace
} // namespace tavolux
