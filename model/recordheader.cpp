// The header fields of a game record: the players, the start, who moves
// first, the result and the number of moves.

#include "model/recordreader.h"

#include "model/board.h"
#include "model/moverules.h"
#include "model/notation.h"
#include "model/recordtext.h"

#include <algorithm>

namespace tavolux::recordreader {

using namespace recordtext;

void Reader::checkHeader()
{
    const Field& date = field("Date");
    if (!isDate(date.value))
        fail(date.line, RecordFault::BadDate);
    record_.date = date.value;
    const Field& program = field("Program");
    if (program.value.empty())
        fail(program.line, RecordFault::NoProgram);
    record_.program = program.value;
    int taking = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        const std::string key = "Player" + std::to_string(p + 1);
        if (p >= DesignSeatCount && fields_.count(key) == 0)
            continue; // the classic table's records name three players
        readPlayer(p, field(key));
        taking += record_.slots[p].active ? 1 : 0;
    }
    if (taking < 2)
        fail(field("Player3").line, RecordFault::TooFewPlayers);
    checkTable();
    readStart();
    const Field& toMove = field("ToMove");
    const auto p = playerNumber(toMove.value);
    if (!p || !record_.slots[*p].active)
        fail(toMove.line, RecordFault::ToMoveNotInPlay);
    if (std::find(record_.finishedBefore.begin(), record_.finishedBefore.end(), *p) != record_.finishedBefore.end())
        fail(toMove.line, RecordFault::ToMoveFinished);
    record_.toMove = *p;
    readResult(field("Result"));
    const Field& moves = field("Moves");
    const auto count = number(moves.value, 0, long(MaxRecordBytes));
    if (!count)
        fail(moves.line, RecordFault::BadMoveCount);
    declaredMoves_ = static_cast<std::size_t>(*count);
}

// "1".."6" as a seat 0..5.
std::optional<int> Reader::playerNumber(std::string_view text)
{
    const auto n = number(text, 1, PlayerCount);
    return n ? std::optional<int>(int(*n) - 1) : std::nullopt;
}

void Reader::readPlayer(int p, const Field& f)
{
    RecordSlot& slot = record_.slots[p];
    if (f.value == "-")
        return;
    const std::vector<std::string_view> parts = split(f.value, '|');
    const std::string_view name = parts[0];
    if (name.empty() || name.size() > MaxNameLength || hasControl(name, false))
        fail(f.line, RecordFault::BadName);
    slot.active = true;
    slot.name = name;
    const std::string_view kind = parts.size() > 1 ? parts[1] : std::string_view();
    if (sameWord(kind, "person") && parts.size() == 2)
        return;
    if (!sameWord(kind, "computer") || parts.size() != 4)
        fail(f.line, RecordFault::BadPlayer);
    slot.computer = true;
    slot.strength = wordIndex(parts[2], StrengthNames);
    if (slot.strength < 0)
        fail(f.line, RecordFault::BadStrength);
    const std::vector<std::string_view> styles = split(parts[3], ',');
    if (styles.size() != 2 || (slot.styleTowardLower = wordIndex(styles[0], StyleNames)) < 0
        || (slot.styleTowardHigher = wordIndex(styles[1], StyleNames)) < 0)
        fail(f.line, RecordFault::BadStyles);
}

// A table beyond the classic one names its seats and its rule; where they
// are given they agree with the players.
void Reader::checkTable()
{
    const bool beyondDesign = recordreplay::beyondDesignTable(record_);
    for (const std::string key : {"Table", "Rule"}) {
        if (fields_.count(key) == 0 && !beyondDesign)
            continue;
        const Field& f = field(key);
        const std::string expected = key == "Table" ? recordreplay::tableText(record_) : recordreplay::ruleText(record_);
        if (f.value != expected)
            fail(f.line, RecordFault::BadTable);
    }
}

void Reader::readStart()
{
    const Field& start = field("Start");
    const bool opening = sameWord(start.value, "opening");
    if (!opening && !sameWord(start.value, "position"))
        fail(start.line, RecordFault::BadStart);
    for (int p = 0; p < PlayerCount; ++p) {
        const std::string key = "Pieces" + std::to_string(p + 1);
        if (fields_.count(key) != 0 && (opening || !record_.slots[p].active))
            fail(fields_[key].line, RecordFault::PiecesNotAllowed, {key});
    }
    if (fields_.count("Finished") != 0 && opening)
        fail(fields_["Finished"].line, RecordFault::FinishedNotAllowed);
    if (opening) {
        record_.start = recordreplay::openingPieces(record_);
        return;
    }

    const std::array<int, PlayerCount> first = recordreplay::firstPieces(record_);
    bool taken[HoleCount] = {};
    for (int p = 0; p < PlayerCount; ++p) {
        if (!record_.slots[p].active)
            continue;
        const Field& f = field("Pieces" + std::to_string(p + 1));
        const std::vector<std::string_view> names = words(f.value);
        if (names.size() != PiecesPerPlayer)
            fail(f.line, RecordFault::NotTenPieces);
        for (int i = 0; i < PiecesPerPlayer; ++i) {
            const auto hole = parseHole(names[i]);
            if (!hole)
                fail(f.line, RecordFault::NotAHole, {std::string(names[i])});
            if (taken[*hole])
                fail(f.line, RecordFault::TwoPiecesOnHole, {holeName(*hole)});
            taken[*hole] = true;
            record_.start[first[p] + i] = {static_cast<uint16_t>(*hole), OwnerMark[p]};
        }
    }

    const Field& finished = field("Finished");
    if (words(finished.value).empty())
        fail(finished.line, RecordFault::BadFinished);
    if (!sameWord(finished.value, "none")) {
        for (std::string_view word : words(finished.value)) {
            const auto p = playerNumber(word);
            if (!p || !record_.slots[*p].active
                || std::find(record_.finishedBefore.begin(), record_.finishedBefore.end(), *p)
                       != record_.finishedBefore.end())
                fail(finished.line, RecordFault::BadFinishedPlayers);
            record_.finishedBefore.push_back(*p);
        }
    }
    // A game in progress: two players or more still in play, and those
    // home exactly those who finished.
    const GameState s = recordreplay::startState(record_);
    int inPlay = 0;
    for (int p = 0; p < PlayerCount; ++p) {
        if (!s.slots[p].active)
            continue;
        inPlay += s.slots[p].finished ? 0 : 1;
        const bool home = isHome(s, p);
        if (home != (s.slots[p].finished != 0))
            fail(home ? fields_["Pieces" + std::to_string(p + 1)].line : finished.line,
                 home ? RecordFault::HomeNotFinished : RecordFault::FinishedNotHome, {playerArg(p)});
    }
    if (inPlay < 2)
        fail(finished.line, RecordFault::TooFewLeft);
}

void Reader::readResult(const Field& f)
{
    if (sameWord(f.value, "unfinished"))
        return;
    std::vector<int> order;
    for (std::string_view word : words(f.value)) {
        const auto p = playerNumber(word);
        if (!p || !record_.slots[*p].active || std::find(order.begin(), order.end(), *p) != order.end())
            fail(f.line, RecordFault::BadResult);
        order.push_back(*p);
    }
    int taking = 0;
    for (const RecordSlot& slot : record_.slots)
        taking += slot.active ? 1 : 0;
    if (int(order.size()) != taking)
        fail(f.line, RecordFault::BadResult);
    record_.result = order;
}

} // namespace tavolux::recordreader
