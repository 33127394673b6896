#include "model/movepath.h"

#include "model/board.h"

namespace tavolux {

namespace {

// A landing of the chain search: its hole and the node it was reached from.
struct PathNode {
    int hole;
    int from;
};

std::vector<int> chainTo(const PathNode* nodes, int last, int dest)
{
    std::vector<int> path{dest};
    for (int n = last; nodes[n].from >= 0; n = nodes[n].from)
        path.insert(path.begin(), nodes[n].hole);
    return path;
}

} // namespace

std::vector<int> findMovePath(const Position& pieces, int start, int dest)
{
    if (holeDistance(start, dest) == 1)
        return {dest};

    bool occupied[HoleCount] = {};
    for (const PieceRecord& r : pieces)
        if (r.owner != 0)
            occupied[r.hole] = true;
    occupied[start] = true;

    // Every landing is marked at once, so there is at most one node per hole.
    PathNode nodes[HoleCount];
    int stack[HoleCount];
    int made = 0, top = 0;
    nodes[made] = {start, -1};
    stack[top++] = made++;
    while (top > 0) {
        const int n = stack[--top];
        const int at = nodes[n].hole;
        for (int k = 0; k < DirectionCount; ++k) {
            const int over = neighbour(at, k), land = jump(at, k);
            if (over < 0 || !occupied[over] || land < 0 || occupied[land])
                continue;
            if (land == dest)
                return chainTo(nodes, n, dest);
            occupied[land] = true;
            nodes[made] = {land, n};
            stack[top++] = made++;
        }
    }
    return {dest};
}

} // namespace tavolux
