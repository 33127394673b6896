#pragma once
// Reads a game record's text: the version line, the header fields and the
// moves, each move checked by a replay of the game. The first fault ends the
// reading. readRecord is the way in; this is its working part.

#include "model/gamerecord.h"
#include "model/recordreplay.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolux::recordreader {

// The header fields a record may hold, in the order they are checked.
// Player4.. and Pieces4.. belong to tables beyond the classic three seats.
constexpr const char* FieldNames[] = {
    "Date",    "Program", "Player1", "Player2",  "Player3", "Player4", "Player5", "Player6", "Table", "Rule",
    "Start",   "Pieces1", "Pieces2", "Pieces3",  "Pieces4", "Pieces5", "Pieces6", "Finished", "ToMove", "Result",
    "Moves"};

struct Field {
    std::string_view value;
    std::size_t line = 0;
};

// Thrown with the first fault found.
struct Refusal {
    RecordError error;
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    RecordReading read();

private:
    [[noreturn]] void fail(std::size_t line, RecordFault fault, std::vector<std::string> args = {});

    // The lines of the text (recordreader.cpp).
    bool nextLine(std::string_view& line);
    bool nextContent(std::string_view& line);
    void readVersion();
    void readHeader();
    const Field& field(const std::string& key);

    // The header's values (recordheader.cpp).
    void checkHeader();
    static std::optional<int> playerNumber(std::string_view text);
    void readPlayer(int p, const Field& f);
    void checkTable();
    void readStart();
    void readResult(const Field& f);

    // The moves and the result they lead to (recordreader.cpp).
    void readMoves();
    RecordedMove parseMove(std::string_view line, std::size_t n);
    void checkResult();

    std::string_view text_;
    std::size_t lineNumber_ = 0;
    bool versionSeen_ = false;
    std::map<std::string, Field> fields_;
    std::size_t declaredMoves_ = 0;
    GameRecord record_;
    std::optional<recordreplay::Replay> replay_;
};

} // namespace tavolux::recordreader
