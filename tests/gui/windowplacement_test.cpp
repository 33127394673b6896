// Where the move list goes beside the main window: beside it on the work
// area, clear of the referee, and where there is no room, over as little
// of the two as can be.

#include "app/windowplacement.h"

#include <gtest/gtest.h>

using namespace tavolux;

namespace {

long long covered(const QRect& r, const QRect& main, const QRect& other)
{
    long long area = 0;
    for (const QRect& by : {main, other}) {
        const QRect both = r.intersected(by);
        if (!both.isEmpty())
            area += static_cast<long long>(both.width()) * both.height();
    }
    return area;
}

// The least any place inside the work area covers, found place by place.
long long leastCovered(const QRect& work, const QRect& main, const QRect& other, QSize size)
{
    long long least = -1;
    for (int x = work.left(); x + size.width() <= work.right() + 1; x += 2)
        for (int y = work.top(); y + size.height() <= work.bottom() + 1; y += 2) {
            const long long area = covered(QRect(QPoint(x, y), size), main, other);
            least = least < 0 ? area : std::min(least, area);
        }
    return least;
}

const QRect Work(0, 0, 1600, 1000);
const QSize List(250, 330);

} // namespace

TEST(BesideWindowPosition, GoesRightOfTheMainWindowThenLeftOfIt)
{
    EXPECT_EQ(besideWindowPosition(Work, QRect(40, 25, 1280, 800), QRect(), List), QPoint(1320, 25));
    // No room on the right: on the left, top-aligned.
    EXPECT_EQ(besideWindowPosition(Work, QRect(300, 40, 1280, 800), QRect(), List), QPoint(50, 40));
    // A work area that starts below a panel: inside it.
    EXPECT_EQ(besideWindowPosition(QRect(0, 30, 1600, 970), QRect(40, 0, 1280, 800), QRect(), List),
              QPoint(1320, 30));
}

TEST(BesideWindowPosition, SlidesAlongTheSideToClearTheReferee)
{
    // The referee sticks out to the right of the main window's top.
    const QRect main(60, 70, 1000, 700), referee(950, 90, 240, 180);
    const QPoint at = besideWindowPosition(Work, main, referee, List);
    EXPECT_EQ(at, QPoint(1060, 270));
    EXPECT_EQ(covered(QRect(at, List), main, referee), 0);
}

TEST(BesideWindowPosition, WithoutRoomItCoversTheLeast)
{
    const QRect small(0, 0, 1024, 768);
    const QRect main(0, 0, 1024, 740), referee(880, 100, 140, 120);
    const QPoint at = besideWindowPosition(small, main, referee, List);
    EXPECT_TRUE(small.contains(QRect(at, List)));
    EXPECT_LE(covered(QRect(at, List), main, referee), leastCovered(small, main, referee, List));
    EXPECT_FALSE(QRect(at, List).intersects(referee));

    // A main window in the middle of a small screen, the referee on its right.
    const QRect middle(150, 100, 800, 600), right(900, 150, 150, 150);
    const QPoint there = besideWindowPosition(small, middle, right, List);
    EXPECT_LE(covered(QRect(there, List), middle, right), leastCovered(small, middle, right, List));
}
