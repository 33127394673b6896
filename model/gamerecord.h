#pragma once
// Game records: a whole game as UTF-8 text that a person can read, the
// players, the position the game started from, every move in the hole
// notation of model/notation.h and the result. Version 1 reads:
//
//   # Tavolux game record
//   Tavolux-Record: 1
//   Date: 2026-12-09 14:03
//   Program: Tavolux 1.32
//   Player1: Human | person
//   Player2: Silicon | computer | Expert | Hostile, Friendly
//   Player3: -
//   Start: opening
//   ToMove: 1
//   Result: 2 1
//   Moves: 57
//   1. P1 o1-m7
//   2. P2 e3-e5
//   3. P1 q1-o1-m5      # a chain of two jumps
//   ...
//
// The first line that is neither blank nor a comment names the format and
// its version. Then come the header fields, each once, in any order, ending
// with Moves:
//   Date      when the record was made, local time, YYYY-MM-DD HH:MM
//   Program   the program that made it
//   Player1..Player3
//             "-" for a seat nobody takes; else the name and "person", or
//             the name, "computer", its strength (Beginner, Standard,
//             Expert) and its styles toward the lower and the higher other
//             player (Friendly, Neutral, Hostile), separated by '|'. A name
//             is 1 to 63 bytes of UTF-8 without '|' or control characters
//             and without spaces at either end; a record made of a game
//             turns each '|' into '/', each control character into a space
//             and each byte that is not UTF-8 into '?', and cuts the name
//             to 63 bytes.
//   Start     "opening": the players on their start holes, nobody finished;
//             or "position", and then the fields PiecesN (the ten holes of
//             each player taking part, in the order of the piece table) and
//             Finished (the players already finished, in their order, or
//             "none").
//   ToMove    the player to move first
//   Result    "unfinished", or the finishing order of all who took part,
//             first place first
//   Moves     how many moves follow
// Each move takes one line, "N. PK MOVE": its number from 1, the mover, the
// start and the landings. A move made by a person in a computer's seat, or
// the other way round, ends with "(person)" or "(computer)". A player
// without any move passes, which the record does not show: the next move
// is then the next player's.
//
// '#' starts a comment at the beginning of a line and, on a move line,
// anywhere. Blank lines, spaces around values and a CR before the line
// break are allowed. Field names are written as above; the words after them
// and the hole names may be in either case. Players are numbered from 1 in the text, as the game names
// them, and from 0 in GameRecord. The reader refuses files over 4 MiB and
// lines over 4096 bytes, and checks every move against the rules.

#include "model/gamestate.h"
#include "model/movelist.h"

#include <array>
#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavolux {

constexpr int RecordVersion = 1;
constexpr std::size_t MaxRecordBytes = 4 * 1024 * 1024;
constexpr std::size_t MaxRecordLineBytes = 4096;

struct RecordSlot {
    bool active = false;
    std::string name;
    bool computer = false;
    // A computer's; a person's are left at Standard and Neutral.
    int32_t strength = Standard;
    int32_t styleTowardLower = Neutral;
    int32_t styleTowardHigher = Neutral;
    friend bool operator==(const RecordSlot&, const RecordSlot&) = default;
};

struct GameRecord {
    std::string date; // YYYY-MM-DD HH:MM
    std::string program;
    std::array<RecordSlot, PlayerCount> slots;
    // The start: the piece table, ten entries per player taking part in slot
    // order and the rest empty ({0, 0}); who had finished, in order; and
    // the player to move.
    Position start{};
    std::vector<int> finishedBefore;
    int toMove = 0;
    std::vector<RecordedMove> moves;
    // The finishing order of every player taking part; empty: unfinished.
    std::vector<int> result;
    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// Why a record is refused. The arguments each fault comes with are named in
// brackets, in their order; a player is a number from 1, a hole a hole's
// name, an order the players from 1 ("2 1"), or empty for "unfinished".
enum class RecordFault {
    CannotOpen,        // the file cannot be opened
    CannotRead,        // the file cannot be read
    TooLarge,          // larger than MaxRecordBytes
    NotARecord,        // the first line does not name the format
    LineTooLong,       // longer than MaxRecordLineBytes
    NotUtf8,           // a line is not UTF-8 text
    VersionNotANumber, // [the version given]
    UnknownVersion,    // [the version given, the version read here]
    NotAField,         // a header line without "Name:"
    UnknownField,      // [the field's name]
    FieldTwice,        // [the field's name, the line it was first given on]
    NoMovesLine,       // the text ends before the Moves field
    FieldMissing,      // [the field's name]
    BadDate,
    NoProgram,
    BadName,
    BadPlayer,
    BadStrength,
    BadStyles,
    TooFewPlayers,
    ToMoveNotInPlay,
    ToMoveFinished,
    BadMoveCount,
    BadStart,
    BadTable,
    PiecesNotAllowed,  // [the field's name]
    FinishedNotAllowed,
    NotTenPieces,
    NotAHole,          // [the word]
    TwoPiecesOnHole,   // [hole]
    BadFinished,
    BadFinishedPlayers,
    HomeNotFinished,   // [player]
    FinishedNotHome,   // [player]
    TooFewLeft,
    BadResult,
    TooManyMoves,      // [the Moves field's count]
    TooFewMoves,       // [the moves given, the Moves field's count]
    BadMoveLine,       // [the move number expected]
    WrongMoveNumber,   // [the number given, the number expected]
    BadMover,          // [the word]
    BadMoveText,       // [the word]
    BadSeatMark,
    WrongFinishingOrder, // [the order the moves give, the Result field's order]
    NotOver,             // [the Result field's order]
    WrongStoppedOrder,   // [the order the moves give, the Result field's order]
    // A move against the rules; RecordError::move tells which.
    MoveAfterTheEnd,
    MoverNotInPlay,      // [player]
    MoverFinished,       // [player]
    OutOfTurn,           // [player, the player to move]
    NoPieceOnStart,      // [player, hole]
    NotThatPiece,        // [hole, the piece number given]
    NoLanding,
    LandingNotAHole,
    StepOntoTaken,       // [hole]
    NeitherStepNorJump,  // [hole, hole]
    NothingToJumpOver,   // [hole, hole]
    ChainComesBack,      // [hole]
    LandingTaken,        // [hole]
    OtherPlayersZone,    // [player, hole]
    NotADestination,     // [hole, the start hole]
};
constexpr int RecordFaultCount = int(RecordFault::NotADestination) + 1;

// How many arguments a fault comes with.
int recordFaultArgumentCount(RecordFault fault);

// Why a record was refused: the line (from 1; 0 for the file as a whole),
// the move (from 1; 0 when the fault is not a move's), what is wrong and
// its arguments. The core says what happened; the program words it.
struct RecordError {
    std::size_t line = 0;
    RecordFault fault = RecordFault::NotARecord;
    std::vector<std::string> args;
    std::size_t move = 0;
};

using RecordReading = std::variant<GameRecord, RecordError>;

std::string writeRecord(const GameRecord& record);
// Reads a record and checks it all, every move against the position
// before it and the result against the last one.
RecordReading readRecord(std::string_view text);
RecordReading readRecordFile(const std::string& path);
// False when the file cannot be created or written.
bool writeRecordFile(const std::string& path, const GameRecord& record);

// The Result line's value: "unfinished" or the players from 1, "2 1".
std::string resultText(const GameRecord& record);

// The record of the game so far: the players of `now`, the list's start and
// its moves up to its current point, and the result those moves lead to
// (when `now` is over and the point is the list's end, the game ended with
// its last move). Dated now, by this program.
GameRecord recordOf(const GameState& now, const MoveList& moves);
// "YYYY-MM-DD HH:MM" of a time, local time.
std::string recordDate(std::time_t when);

// The position after the first `count` moves, with the players, the turn
// and who has finished (the result's order when the record's last move
// ended a game the others did not play on). The moves are made as the
// reader checks them; replaying stops before a move that is not legal.
GameState replayTo(const GameRecord& record, std::size_t count);

} // namespace tavolux
