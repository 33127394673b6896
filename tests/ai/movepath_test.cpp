// The holes a computer move passes: steps, chains of jumps and which of two
// chains to the same hole is shown.

#include "model/movepath.h"
#include "model/board.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolux {
namespace {

constexpr int Centre = 60; // the middle of the board, far from every edge

Position withPieces(const std::vector<int>& holes)
{
    Position pos{};
    for (std::size_t i = 0; i < holes.size(); ++i)
        pos[i] = {static_cast<uint16_t>(holes[i]), OwnerMark[0]};
    return pos;
}

TEST(MovePath, AStepIsItsDestinationAlone)
{
    const int to = neighbour(Centre, NorthWest);
    EXPECT_EQ(findMovePath(withPieces({Centre}), Centre, to), std::vector<int>{to});
}

TEST(MovePath, AChainOfThreeJumpsListsEveryLanding)
{
    // Pieces on every other hole eastward: over, land, over, land, ...
    const int over1 = neighbour(Centre, West), land1 = jump(Centre, West);
    const int over2 = neighbour(land1, NorthWest), land2 = jump(land1, NorthWest);
    const int over3 = neighbour(land2, NorthEast), land3 = jump(land2, NorthEast);
    const Position pos = withPieces({Centre, over1, over2, over3});
    EXPECT_EQ(findMovePath(pos, Centre, land3), (std::vector<int>{land1, land2, land3}));
}

TEST(MovePath, OfTwoChainsTheOneFromTheLaterDirectionIsFound)
{
    // Two chains to one hole: east then north-east, or north-east then east.
    // The search goes on from the landing it made last, so the north-east
    // jump (direction 1) is followed before the east one (direction 0).
    const int east = jump(Centre, East), northEast = jump(Centre, NorthEast);
    const int target = jump(east, NorthEast);
    ASSERT_EQ(target, jump(northEast, East));
    const Position pos = withPieces({Centre, neighbour(Centre, East), neighbour(Centre, NorthEast),
                                     neighbour(east, NorthEast), neighbour(northEast, East)});
    EXPECT_EQ(findMovePath(pos, Centre, target), (std::vector<int>{northEast, target}));
}

TEST(MovePath, WithoutAChainTheDestinationStandsAlone)
{
    const int far = jump(jump(Centre, East), East);
    EXPECT_EQ(findMovePath(withPieces({Centre}), Centre, far), std::vector<int>{far});
    EXPECT_EQ(findMovePath(withPieces({Centre}), Centre, Centre), std::vector<int>{Centre});
}

} // namespace
} // namespace tavolux
