#include "model/recordreplay.h"

#include "model/board.h"
#include "model/moverules.h"
#include "model/notation.h"
#include "model/recordtext.h"

#include <algorithm>

namespace tavolux {

namespace recordreplay {

using recordtext::playerArg;

std::array<int, PlayerCount> firstPieces(const GameRecord& r)
{
    std::array<int, PlayerCount> first{};
    int i = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        first[p] = i;
        if (r.slots[p].active)
            i += PiecesPerPlayer;
    }
    return first;
}

Position openingPieces(const GameRecord& r)
{
    GameState s;
    for (int p = 0; p < PlayerCount; ++p)
        s.slots[p].active = r.slots[p].active ? 1 : 0;
    placeStartingPieces(s);
    Position pieces{};
    for (int i = 0; i < PieceCount; ++i)
        if (s.pieces[i].owner != 0)
            pieces[i] = s.pieces[i];
    return pieces;
}

GameState startState(const GameRecord& r)
{
    GameState s = initialGameState();
    const GameState defaults = s;
    s.noGameStarted = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        const RecordSlot& from = r.slots[p];
        PlayerSlot& slot = s.slots[p];
        slot.active = from.active ? 1 : 0;
        if (!from.active)
            continue; // the start-up player, as the record keeps nothing of the seat
        slot.name = from.name;
        slot.picture = from.computer ? 0 : (defaults.slots[p].picture != 0 ? defaults.slots[p].picture : 1);
        slot.strength = std::clamp<int32_t>(from.strength, 0, StrengthCount - 1);
        slot.styleTowardLower = std::clamp<int32_t>(from.styleTowardLower, Friendly, Hostile);
        slot.styleTowardHigher = std::clamp<int32_t>(from.styleTowardHigher, Friendly, Hostile);
    }
    for (int i = 0; i < PieceCount; ++i) {
        s.pieces[i] = r.start[i];
        s.pieces[i].hole = static_cast<uint16_t>(std::min<int>(s.pieces[i].hole, HoleCount - 1));
    }
    for (int p : r.finishedBefore) {
        if (p >= 0 && p < PlayerCount && !s.slots[p].finished && s.finishCount < PlayerCount) {
            s.slots[p].finished = 1;
            s.finishOrder[s.finishCount++] = static_cast<uint16_t>(p);
        }
    }
    s.playerToMove = static_cast<uint16_t>(std::clamp(r.toMove, 0, PlayerCount - 1));
    assignFirstPieces(s);
    return s;
}

bool beyondDesignTable(const GameRecord& r)
{
    for (int p = DesignSeatCount; p < PlayerCount; ++p)
        if (r.slots[p].active)
            return true;
    return false;
}

std::string tableText(const GameRecord& r)
{
    std::string text;
    for (int p = 0; p < PlayerCount; ++p) {
        if (!r.slots[p].active)
            continue;
        if (!text.empty())
            text += ' ';
        text += playerArg(p);
    }
    return text;
}

std::string ruleText(const GameRecord& r)
{
    for (int p = 0; p < PlayerCount; ++p)
        if (r.slots[p].active && r.slots[oppositeSeat(p)].active)
            return "full target";
    return "all home";
}

std::vector<int> finishOrderOf(const GameState& s)
{
    return {s.finishOrder, s.finishOrder + std::min<int>(s.finishCount, PlayerCount)};
}

std::optional<MoveRefusal> Replay::play(const RecordedMove& m)
{
    using enum RecordFault;
    if (s_.gameOver)
        return MoveRefusal{MoveAfterTheEnd, {}};
    const int p = m.player;
    if (p < 0 || p >= PlayerCount || !s_.slots[p].active)
        return MoveRefusal{MoverNotInPlay, {playerArg(p)}};
    if (s_.slots[p].finished)
        return MoveRefusal{MoverFinished, {playerArg(p)}};
    // Those before the mover in turn order must have had no move.
    for (int q = s_.playerToMove; q != p; q = nextPlayer(s_, q))
        if (hasMove(q))
            return MoveRefusal{OutOfTurn, {playerArg(p), playerArg(q)}};
    const int k = pieceOn(p, m.start);
    if (k < 0)
        return MoveRefusal{NoPieceOnStart, {playerArg(p), holeName(m.start)}};
    if (m.piece != k)
        return MoveRefusal{NotThatPiece, {holeName(m.start), std::to_string(m.piece)}};
    if (auto wrong = checkPath(m.start, m.path))
        return wrong;
    if (!mayStopOn(p, m.path.back()))
        return MoveRefusal{OtherPlayersZone, {playerArg(p), holeName(m.path.back())}};
    gen_.findDestinations(p, k, s_.pieces);
    if (!gen_.isDestination(m.path.back()))
        return MoveRefusal{NotADestination, {holeName(m.path.back()), holeName(m.start)}};

    // The players before the mover passed.
    s_.playerToMove = static_cast<uint16_t>(p);
    MoveOutcome made = applyMove(s_, k, m.path, true);
    maybeStoppedBy_ = made.finished >= 0 && !made.gameOver ? made.finished : -1;
    if (maybeStoppedBy_ >= 0)
        stopped_ = applyMove(s_, k, m.path, false).after;
    s_ = std::move(made.after);
    return std::nullopt;
}

bool Replay::hasMove(int p)
{
    for (int k = 0; k < PieceCount; ++k) {
        if (s_.pieces[k].owner != OwnerMark[p])
            continue;
        gen_.findDestinations(p, k, s_.pieces);
        if (gen_.destinations[0] != ListEnd)
            return true;
    }
    return false;
}

int Replay::pieceOn(int p, int hole) const
{
    for (int k = 0; k < PieceCount; ++k)
        if (s_.pieces[k].owner == OwnerMark[p] && s_.pieces[k].hole == hole)
            return k;
    return -1;
}

std::optional<MoveRefusal> Replay::checkPath(int start, const std::vector<int>& path) const
{
    using enum RecordFault;
    if (path.empty())
        return MoveRefusal{NoLanding, {}};
    bool taken[HoleCount] = {};
    for (const PieceRecord& r : s_.pieces)
        if (r.owner != 0)
            taken[r.hole] = true;
    for (int hole : path)
        if (hole < 0 || hole >= HoleCount)
            return MoveRefusal{LandingNotAHole, {}};
    if (path.size() == 1 && holeDistance(start, path[0]) == 1) {
        if (taken[path[0]])
            return MoveRefusal{StepOntoTaken, {holeName(path[0])}};
        return std::nullopt;
    }
    int from = start;
    for (int to : path) {
        int d = 0;
        while (d < DirectionCount && jump(from, d) != to)
            ++d;
        if (d == DirectionCount)
            return MoveRefusal{NeitherStepNorJump, {holeName(from), holeName(to)}};
        if (!taken[neighbour(from, d)])
            return MoveRefusal{NothingToJumpOver, {holeName(from), holeName(to)}};
        if (to == start)
            return MoveRefusal{ChainComesBack, {holeName(start)}};
        if (taken[to])
            return MoveRefusal{LandingTaken, {holeName(to)}};
        taken[to] = true;
        from = to;
    }
    return std::nullopt;
}

} // namespace recordreplay

GameState replayTo(const GameRecord& record, std::size_t count)
{
    recordreplay::Replay replay(record);
    std::size_t made = 0;
    for (; made < count && made < record.moves.size(); ++made)
        if (replay.play(record.moves[made]))
            break;
    // The others did not play on after the last move's finisher.
    if (made == record.moves.size() && replay.maybeStoppedBy() >= 0 && record.result == replay.stoppedOrder())
        return replay.stopped();
    return replay.state();
}

} // namespace tavolux
