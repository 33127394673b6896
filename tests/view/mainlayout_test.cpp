#include "view/mainlayout.h"

#include <gtest/gtest.h>

using namespace tavolux;

TEST(MainLayout, EightHundredByFiveHundredEighty)
{
    const MainLayout m = computeMainLayout(800, 580);
    EXPECT_EQ(m.boardWidth, 480);
    EXPECT_EQ(m.boardHeight, 551);
    EXPECT_EQ(m.boardLeft, 20);
    EXPECT_EQ(m.boardTop, 14);
    EXPECT_EQ(m.buttonWidth, 40);
    EXPECT_EQ(m.buttonHeight, 34);
    EXPECT_EQ(m.clockwiseButtonX, 24);
    EXPECT_EQ(m.counterClockwiseButtonX, 68);
    EXPECT_EQ(m.buttonTop, 527);
    EXPECT_EQ(m.logoLeft, 520);
    EXPECT_EQ(m.logoTop, 14);
    EXPECT_EQ(m.logoWidth, 260);
    EXPECT_EQ(m.logoHeight, 87);
    EXPECT_EQ(m.panelLeft, 520);
    EXPECT_EQ(m.panelTop, 226);
    EXPECT_EQ(m.pictureWidth, 96);
    EXPECT_EQ(m.pictureHeight, 104);
    EXPECT_EQ(m.marginX, 12);
    EXPECT_EQ(m.marginY, 29);
    EXPECT_EQ(m.rowPitch, 116);
}

// Each value is truncated on its own: 0.055 W is not the difference of two
// truncated values, and 0.95 H is not H minus twice the top margin.
TEST(MainLayout, ValuesAreTruncatedSeparately)
{
    const MainLayout m = computeMainLayout(1019, 999);
    EXPECT_EQ(m.counterClockwiseButtonX, 30 + 56);
    EXPECT_EQ(m.boardHeight, 949);
    EXPECT_EQ(m.boardTop, 24);
    EXPECT_EQ(m.rowPitch, 199);
}

TEST(MinimumWindowSize, HalfTheScreenPlusAMenuBar)
{
    const WindowSize s = minimumWindowSize(1600, 1000, 20);
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, 520);
    const WindowSize odd = minimumWindowSize(1366, 767, 19);
    EXPECT_EQ(odd.width, 683);
    EXPECT_EQ(odd.height, 402); // trunc(383.5 + 19)
}

TEST(RefereeLeft, PushedLeftOnlyAsFarAsTheWorkAreaNeeds)
{
    EXPECT_EQ(refereeLeft(1000, 200, 1600), 1000);
    EXPECT_EQ(refereeLeft(1400, 200, 1600), 1400);
    EXPECT_EQ(refereeLeft(1500, 200, 1600), 1400);
    EXPECT_EQ(refereeLeft(2000, 250, 1600), 1350);
}
