#pragma once
// What must hold for any text given to the game-record reader, shared by the
// fuzzer and the test that replays its corpus: a refusal names a line of
// the text and says why, with the arguments its fault takes; a record accepted writes out as a text that reads
// back to the same record and writes out the same again, and its moves
// replay to the end.

#include "model/gamerecord.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tavolux::fuzz {

// An empty text when all is well, else what went wrong.
inline std::string checkRecordReading(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RecordReading first = readRecord(text);
    if (const auto* error = std::get_if<RecordError>(&first)) {
        const int fault = static_cast<int>(error->fault);
        if (fault < 0 || fault >= RecordFaultCount)
            return "a refusal without a reason";
        if (int(error->args.size()) != recordFaultArgumentCount(error->fault))
            return "a refusal with " + std::to_string(error->args.size()) + " arguments instead of "
                 + std::to_string(recordFaultArgumentCount(error->fault));
        if (error->move > 0 && error->line == 0)
            return "a move's refusal names no line";
        const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
        if (error->line > lines || (error->line == 0 && size <= MaxRecordBytes))
            return "a refusal names no line of the text";
        return {};
    }
    const GameRecord& record = std::get<GameRecord>(first);
    const std::string written = writeRecord(record);
    const RecordReading second = readRecord(written);
    if (const auto* error = std::get_if<RecordError>(&second))
        return "an accepted record written out is refused on line " + std::to_string(error->line) + ", fault "
             + std::to_string(static_cast<int>(error->fault));
    if (!(std::get<GameRecord>(second) == record))
        return "an accepted record written out reads back different";
    if (writeRecord(std::get<GameRecord>(second)) != written)
        return "an accepted record written out twice differs";
    const GameState last = replayTo(record, record.moves.size());
    if (last.gameOver != (record.result.empty() ? 0 : 1))
        return "the replayed game's end disagrees with the result";
    return {};
}

} // namespace tavolux::fuzz
