#pragma once
// A record's moves made one by one on the game they start from, each
// checked as the rules and the turn cycle would have it. The reader checks a
// record with it; replayTo shows a record's positions with it.

#include "model/gamerecord.h"
#include "model/movegen.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavolux::recordreplay {

// Why a move is not legal.
struct MoveRefusal {
    RecordFault fault;
    std::vector<std::string> args;
};

// The piece table's first entry of each slot: ten per taking part before it.
std::array<int, PlayerCount> firstPieces(const GameRecord& r);
// The players' start holes, the rest of the table empty.
Position openingPieces(const GameRecord& r);
// The game as the record has it before its first move, with nothing out
// of the board's range (a record made by hand may hold anything). The
// options, views and seats not taken are the start-up ones.
GameState startState(const GameRecord& r);
std::vector<int> finishOrderOf(const GameState& s);

// A seat beyond the classic three takes part: the record names six players
// and gives its Table and Rule.
bool beyondDesignTable(const GameRecord& r);
// The Table field: the players taking part, from 1 ("1 2 4 5").
std::string tableText(const GameRecord& r);
// The Rule field: "full target" when a player's target is the home of
// another taking part, else "all home".
std::string ruleText(const GameRecord& r);

class Replay {
public:
    explicit Replay(const GameRecord& record) : s_(startState(record)) {}

    const GameState& state() const { return s_; }
    // The player the last move brought home while two others played on:
    // the game may have been stopped there. -1 otherwise.
    int maybeStoppedBy() const { return maybeStoppedBy_; }
    // The game had the others not played on after that move.
    const GameState& stopped() const { return stopped_; }
    // Its finishing order.
    std::vector<int> stoppedOrder() const { return finishOrderOf(stopped_); }

    // Makes the move and returns nothing, or returns why it is not legal
    // and leaves the game as it was.
    std::optional<MoveRefusal> play(const RecordedMove& m);

private:
    bool hasMove(int p);
    int pieceOn(int p, int hole) const;
    // A step onto an empty neighbour, or jumps each over one piece onto an
    // empty hole never landed on before.
    std::optional<MoveRefusal> checkPath(int start, const std::vector<int>& path) const;

    GameState s_;
    MoveGenerator gen_;
    int maybeStoppedBy_ = -1;
    GameState stopped_;
};

} // namespace tavolux::recordreplay
