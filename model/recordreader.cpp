#include "model/recordreader.h"

#include "model/board.h"
#include "model/fileio.h"
#include "model/notation.h"
#include "model/recordtext.h"

#include <algorithm>

namespace tavolux {

namespace recordreader {

using namespace recordtext;
using recordreplay::finishOrderOf;

RecordReading Reader::read()
{
    try {
        if (text_.size() > MaxRecordBytes)
            fail(0, RecordFault::TooLarge);
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            text_.remove_prefix(3);
        readVersion();
        readHeader();
        checkHeader();
        readMoves();
        checkResult();
        return record_;
    } catch (const Refusal& refusal) {
        return refusal.error;
    }
}

void Reader::fail(std::size_t line, RecordFault fault, std::vector<std::string> args)
{
    throw Refusal{{line, fault, std::move(args), 0}};
}

// The next line without its line break and trailing blanks; false at the
// end of the text.
bool Reader::nextLine(std::string_view& line)
{
    if (text_.empty())
        return false;
    const std::size_t end = std::min(text_.find('\n'), text_.size());
    line = text_.substr(0, end);
    text_.remove_prefix(std::min(end + 1, text_.size()));
    ++lineNumber_;
    if (line.size() > MaxRecordLineBytes)
        fail(lineNumber_, versionSeen_ ? RecordFault::LineTooLong : RecordFault::NotARecord);
    line = trim(line);
    return true;
}

// The next line that is neither blank nor a comment, checked to be text.
bool Reader::nextContent(std::string_view& line)
{
    while (nextLine(line)) {
        if (!isUtf8(line) || hasControl(line, true)) {
            if (!versionSeen_)
                fail(lineNumber_, RecordFault::NotARecord);
            fail(lineNumber_, RecordFault::NotUtf8);
        }
        if (!line.empty() && line[0] != '#')
            return true;
    }
    return false;
}

void Reader::readVersion()
{
    std::string_view line;
    const std::string_view key = "Tavolux-Record:";
    if (!nextContent(line))
        fail(1, RecordFault::NotARecord);
    if (line.substr(0, key.size()) != key)
        fail(lineNumber_, RecordFault::NotARecord);
    versionSeen_ = true;
    const std::string_view value = trim(line.substr(key.size()));
    const auto version = number(value, 0, 1000000);
    if (!version)
        fail(lineNumber_, RecordFault::VersionNotANumber, {std::string(value)});
    if (*version != RecordVersion)
        fail(lineNumber_, RecordFault::UnknownVersion, {std::to_string(*version), std::to_string(RecordVersion)});
}

void Reader::readHeader()
{
    std::string_view line;
    while (nextContent(line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            fail(lineNumber_, RecordFault::NotAField);
        const std::string key(trim(line.substr(0, colon)));
        if (std::find(std::begin(FieldNames), std::end(FieldNames), key) == std::end(FieldNames))
            fail(lineNumber_, RecordFault::UnknownField, {key});
        if (fields_.count(key) != 0)
            fail(lineNumber_, RecordFault::FieldTwice, {key, std::to_string(fields_[key].line)});
        fields_[key] = {trim(line.substr(colon + 1)), lineNumber_};
        if (key == "Moves")
            return;
    }
    fail(lineNumber_, RecordFault::NoMovesLine);
}

// The field's value; a missing field is reported on the Moves line.
const Field& Reader::field(const std::string& key)
{
    auto it = fields_.find(key);
    if (it == fields_.end())
        fail(fields_["Moves"].line, RecordFault::FieldMissing, {key});
    return it->second;
}

void Reader::readMoves()
{
    replay_.emplace(record_);
    std::string_view line;
    while (nextContent(line)) {
        const std::size_t n = record_.moves.size() + 1;
        if (n > declaredMoves_)
            fail(lineNumber_, RecordFault::TooManyMoves, {std::to_string(declaredMoves_)});
        const RecordedMove move = parseMove(line.substr(0, line.find('#')), n);
        if (auto wrong = replay_->play(move))
            throw Refusal{{lineNumber_, wrong->fault, std::move(wrong->args), n}};
        record_.moves.push_back(move);
    }
    if (record_.moves.size() < declaredMoves_)
        fail(lineNumber_, RecordFault::TooFewMoves,
             {std::to_string(record_.moves.size()), std::to_string(declaredMoves_)});
}

RecordedMove Reader::parseMove(std::string_view line, std::size_t n)
{
    const std::vector<std::string_view> parts = words(line);
    if (parts.size() < 3 || parts.size() > 4 || parts[0].empty() || parts[0].back() != '.')
        fail(lineNumber_, RecordFault::BadMoveLine, {std::to_string(n)});
    const auto given = number(parts[0].substr(0, parts[0].size() - 1), 1, long(MaxRecordBytes));
    if (!given)
        fail(lineNumber_, RecordFault::BadMoveLine, {std::to_string(n)});
    if (std::size_t(*given) != n)
        fail(lineNumber_, RecordFault::WrongMoveNumber, {std::to_string(*given), std::to_string(n)});
    const std::optional<int> p = parts[1].size() == 2 && (parts[1][0] == 'P' || parts[1][0] == 'p')
                                     ? playerNumber(parts[1].substr(1))
                                     : std::nullopt;
    if (!p)
        fail(lineNumber_, RecordFault::BadMover, {std::string(parts[1])});
    const auto text = parseMoveText(parts[2]);
    if (!text)
        fail(lineNumber_, RecordFault::BadMoveText, {std::string(parts[2])});
    RecordedMove move;
    move.player = *p;
    move.start = text->start;
    move.path = text->path;
    move.byPerson = !record_.slots[*p].computer;
    if (parts.size() == 4) {
        if (parts[3] != (move.byPerson ? "(computer)" : "(person)"))
            fail(lineNumber_, RecordFault::BadSeatMark);
        move.byPerson = !move.byPerson;
    }
    // The piece is the mover's on the start hole; the replay checks it.
    for (int k = 0; k < PieceCount; ++k)
        if (replay_->state().pieces[k].owner == OwnerMark[*p] && replay_->state().pieces[k].hole == move.start)
            move.piece = k;
    return move;
}

void Reader::checkResult()
{
    const std::size_t line = field("Result").line;
    const GameState& s = replay_->state();
    if (s.gameOver) {
        const std::vector<int> order = finishOrderOf(s);
        if (record_.result != order)
            fail(line, RecordFault::WrongFinishingOrder, {orderArg(order), orderArg(record_.result)});
    } else if (!record_.result.empty()) {
        if (replay_->maybeStoppedBy() < 0)
            fail(line, RecordFault::NotOver, {orderArg(record_.result)});
        const std::vector<int> order = replay_->stoppedOrder();
        if (record_.result != order)
            fail(line, RecordFault::WrongStoppedOrder, {orderArg(order), orderArg(record_.result)});
    }
}

} // namespace recordreader

RecordReading readRecord(std::string_view text) { return recordreader::Reader(text).read(); }

RecordReading readRecordFile(const std::string& path)
{
    // One byte past the limit tells a file that is too large.
    const FileReading file = readRegularFile(path, MaxRecordBytes + 1);
    if (file.result.fault == FileFault::Other)
        return RecordError{0, RecordFault::CannotRead, {}, 0};
    if (!file.result)
        return RecordError{0, RecordFault::CannotOpen, {}, 0};
    return readRecord(file.bytes);
}

} // namespace tavolux
