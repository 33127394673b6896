#include "model/history.h"

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

Position marked(int n)
{
    Position p{};
    p[0].hole = static_cast<uint16_t>(n % 121);
    p[1].hole = static_cast<uint16_t>(n / 121);
    return p;
}

TEST(MoveHistory, UndoRedoFollowTheLineOfPlay)
{
    MoveHistory h;
    Position board = marked(0);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());

    h.record(board);
    board = marked(1); // the person's move and the computer replies
    EXPECT_TRUE(h.canUndo());
    EXPECT_FALSE(h.canRedo());

    ASSERT_TRUE(h.undo(board));
    EXPECT_EQ(board, marked(0));
    EXPECT_FALSE(h.canUndo());
    EXPECT_TRUE(h.canRedo());
    EXPECT_FALSE(h.undo(board));

    ASSERT_TRUE(h.redo(board));
    EXPECT_EQ(board, marked(1));
    EXPECT_FALSE(h.redo(board));
}

TEST(MoveHistory, NewMoveAfterTwoUndosKeepsRedoAvailable)
{
    MoveHistory h;
    Position board = marked(0);
    for (int i = 1; i <= 3; ++i) {
        h.record(board);
        board = marked(i);
    }
    h.undo(board);
    h.undo(board);
    EXPECT_EQ(board, marked(1));
    h.record(board);
    board = marked(50);
    EXPECT_EQ(h.pos(), h.top() - 1);
    EXPECT_TRUE(h.canRedo());
    h.redo(board);
    EXPECT_EQ(board, marked(3)) << "the snapshot above stays reachable";
}

TEST(MoveHistory, FullHistoryDropsTheOldestAndNeverWritesPastTheEnd)
{
    MoveHistory h;
    Position board = marked(0);
    for (int i = 1; i <= 1000; ++i) {
        h.record(board);
        board = marked(i);
        ASSERT_LT(h.pos(), MoveHistory::Capacity);
        ASSERT_LT(h.top(), MoveHistory::Capacity);
    }
    // Undo goes back as far as the history holds, newest first.
    int undone = 0;
    while (h.undo(board)) {
        ++undone;
        ASSERT_EQ(board, marked(1000 - undone));
    }
    EXPECT_EQ(undone, MoveHistory::Capacity - 1);
    while (h.redo(board)) {
    }
    EXPECT_EQ(board, marked(1000));
}

TEST(MoveHistory, ClearEmptiesIt)
{
    MoveHistory h;
    Position board = marked(0);
    h.record(board);
    h.clear();
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
}

} // namespace
