// The hint: for every position of the bench suite it is the move that
// `tavolux-cli search --no-random` chooses once the mover's styles are both
// Neutral, whatever the styles in the record; it leaves the record alone,
// follows a legal path, and a player without moves gets none.

#include "ai/hint.h"
#include "model/board.h"
#include "model/movegen.h"
#include "model/savefile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <set>
#include <sstream>
#include <string>

namespace tavolux {
namespace {

namespace fs = std::filesystem;

// The "move: piece hole" line of the command-line search of a saved game.
FirstMove cliChoice(const std::string& file)
{
    const std::string command = std::string("'") + TAVOLUX_CLI + "' search --no-random '" + file + "'";
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr)
        return {-1, -1};
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, out) != nullptr)
        text += buffer;
    const int status = pclose(out);
    EXPECT_EQ(status, 0) << text;
    std::istringstream lines(text);
    std::string line;
    FirstMove move{-1, -1};
    while (std::getline(lines, line))
        if (line.rfind("move: ", 0) == 0)
            std::istringstream(line.substr(6)) >> move.piece >> move.hole;
    return move;
}

bool occupied(const GameState& s, int hole)
{
    for (const PieceRecord& p : s.pieces)
        if (p.owner != 0 && p.hole == hole)
            return true;
    return false;
}

bool legalPath(const GameState& s, int from, const std::vector<int>& path)
{
    if (path.size() == 1)
        for (int d = 0; d < DirectionCount; ++d)
            if (neighbour(from, d) == path[0])
                return !occupied(s, path[0]);
    for (int to : path) {
        bool jumped = false;
        for (int d = 0; d < DirectionCount; ++d)
            jumped = jumped || (jump(from, d) == to && occupied(s, neighbour(from, d)) && !occupied(s, to));
        if (!jumped)
            return false;
        from = to;
    }
    return true;
}

TEST(Hint, IsTheCommandLineSearchOfTheMoverWithNeutralStyles)
{
    const fs::path dir = fs::temp_directory_path() / ("tavolux-hint-" + std::to_string(getpid()));
    fs::create_directories(dir);
    int restyled = 0, positions = 0;
    // The record saved in a file of its own.
    const auto file = [&dir](const GameState& state) {
        const std::string path = (dir / "position.tvx").string();
        EXPECT_TRUE(saveGameFile(path, state));
        return path;
    };
    for (const auto& entry : fs::directory_iterator(TAVOLUX_POSITIONS_DIR)) {
        if (entry.path().extension() != ".tvx")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        GameState s = initialGameState();
        ASSERT_EQ(loadGameFile(entry.path().string(), s), LoadStatus::Loaded);
        GameState neutral = s;
        neutral.slots[s.playerToMove].styleTowardLower = Neutral;
        neutral.slots[s.playerToMove].styleTowardHigher = Neutral;
        const FirstMove expected = cliChoice(file(neutral));
        restyled += cliChoice(entry.path().string()) != expected ? 1 : 0;

        const GameState before = s;
        const auto hint = suggestMove(s);
        ASSERT_TRUE(hint.has_value());
        EXPECT_EQ((FirstMove{hint->piece, hint->destination()}), expected);
        EXPECT_EQ(hint->start, s.pieces[hint->piece].hole);
        EXPECT_EQ(s.pieces, before.pieces) << "the record is left alone";
        EXPECT_EQ(s.slots[s.playerToMove].styleTowardLower, before.slots[s.playerToMove].styleTowardLower);

        // The path is one step, or jumps over a piece onto empty holes.
        MoveGenerator moves;
        moves.findDestinations(s.playerToMove, hint->piece, s.pieces);
        EXPECT_TRUE(moves.isDestination(hint->destination()));
        EXPECT_TRUE(legalPath(s, hint->start, hint->path));
        ++positions;
    }
    fs::remove_all(dir);
    EXPECT_GE(positions, 20);
    EXPECT_GT(restyled, 0) << "on some positions the mover's own styles choose another move";
}

TEST(Hint, APlayerWithoutMovesGetsNone)
{
    // Player #1 on its start holes, walled in by the others' pieces on every
    // hole it could step or jump to.
    GameState s = initialGameState();
    s.noGameStarted = 0;
    placeStartingPieces(s);
    std::set<int> mine, wall;
    for (int k = 0; k < PiecesPerPlayer; ++k)
        mine.insert(s.pieces[k].hole);
    for (int h : mine)
        for (int d = 0; d < DirectionCount; ++d)
            for (int reach : {neighbour(h, d), jump(h, d)})
                if (reach >= 0 && !mine.count(reach))
                    wall.insert(reach);
    ASSERT_LE(wall.size(), 20u);
    int other = PiecesPerPlayer, freed = -1;
    for (int h : wall) {
        for (int d = 0; d < DirectionCount; ++d)
            if (neighbour(s.pieces[0].hole, d) == h && freed < 0)
                freed = other;
        s.pieces[other++].hole = static_cast<uint16_t>(h);
    }
    EXPECT_FALSE(suggestMove(s).has_value());

    // Once a wall piece next to piece 0 is gone there is a hint again.
    ASSERT_GE(freed, 0);
    s.pieces[freed].hole = 60;
    const auto hint = suggestMove(s);
    ASSERT_TRUE(hint.has_value());
    MoveGenerator moves;
    moves.findDestinations(0, hint->piece, s.pieces);
    EXPECT_TRUE(moves.isDestination(hint->destination()));
}

} // namespace
} // namespace tavolux
