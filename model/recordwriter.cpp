// Writing a game record: its text, its file, and the record made of a game
// being played.

#include "model/gamerecord.h"

#include "model/fileio.h"
#include "model/notation.h"
#include "model/recordreplay.h"
#include "model/recordtext.h"

#include <algorithm>

#ifndef TAVOLUX_VERSION
#error "TAVOLUX_VERSION must be defined, as the project's version"
#endif

namespace tavolux {

using namespace recordtext;
using recordreplay::finishOrderOf;

namespace {

// A name as a record keeps it: valid UTF-8 ('?' for what is not), '|' as
// '/', control characters as spaces, no spaces at the ends, at most 63
// bytes, and never empty.
std::string recordName(const std::string& name, int p)
{
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        // One character: a lead byte and the continuation bytes after it.
        std::size_t length = 1;
        while (length < 4 && i + length < name.size() && (static_cast<unsigned char>(name[i + length]) & 0xC0) == 0x80)
            ++length;
        std::string part = name.substr(i, length);
        if (!isUtf8(part)) {
            part.assign(1, '?');
            length = 1;
        } else if (part == "|") {
            part.assign(1, '/');
        } else if (hasControl(part, false)) {
            part.assign(1, ' ');
        }
        if (out.size() + part.size() > MaxNameLength)
            break;
        out += part;
        i += length;
    }
    out = std::string(trim(out));
    return out.empty() ? "Player #" + std::to_string(p + 1) : out;
}

} // namespace

std::string writeRecord(const GameRecord& r)
{
    std::string out = "# Tavolux game record\nTavolux-Record: " + std::to_string(RecordVersion) + "\n";
    out += "Date: " + r.date + "\nProgram: " + r.program + "\n";
    // The classic table's records name its three seats only.
    const bool beyondDesign = recordreplay::beyondDesignTable(r);
    const int seats = beyondDesign ? PlayerCount : DesignSeatCount;
    for (int p = 0; p < seats; ++p) {
        const RecordSlot& slot = r.slots[p];
        out += "Player" + std::to_string(p + 1) + ": ";
        if (!slot.active)
            out += "-";
        else if (!slot.computer)
            out += slot.name + " | person";
        else
            out += slot.name + " | computer | " + StrengthNames[std::clamp(slot.strength, 0, StrengthCount - 1)]
                 + " | " + StyleNames[std::clamp<int32_t>(slot.styleTowardLower, Friendly, Hostile)] + ", "
                 + StyleNames[std::clamp<int32_t>(slot.styleTowardHigher, Friendly, Hostile)];
        out += "\n";
    }
    if (beyondDesign)
        out += "Table: " + recordreplay::tableText(r) + "\nRule: " + recordreplay::ruleText(r) + "\n";
    if (r.start == recordreplay::openingPieces(r) && r.finishedBefore.empty()) {
        out += "Start: opening\n";
    } else {
        out += "Start: position\n";
        const std::array<int, PlayerCount> first = recordreplay::firstPieces(r);
        for (int p = 0; p < PlayerCount; ++p) {
            if (!r.slots[p].active)
                continue;
            out += "Pieces" + std::to_string(p + 1) + ":";
            for (int i = first[p]; i < first[p] + PiecesPerPlayer; ++i)
                (out += ' ') += holeName(r.start[i].hole);
            out += "\n";
        }
        out += "Finished: ";
        out += r.finishedBefore.empty() ? std::string("none") : orderText(r.finishedBefore);
        out += "\n";
    }
    out += "ToMove: " + std::to_string(r.toMove + 1) + "\n";
    out += "Result: " + orderText(r.result) + "\n";
    out += "Moves: " + std::to_string(r.moves.size()) + "\n";
    for (std::size_t i = 0; i < r.moves.size(); ++i) {
        const RecordedMove& m = r.moves[i];
        out += std::to_string(i + 1) + ". " + playerText(m.player) + " " + moveText(m.start, m.path);
        const bool seatOfPerson = m.player >= 0 && m.player < PlayerCount && !r.slots[m.player].computer;
        if (m.byPerson != seatOfPerson)
            out += m.byPerson ? " (person)" : " (computer)";
        out += "\n";
    }
    return out;
}

std::string resultText(const GameRecord& record) { return orderText(record.result); }

bool writeRecordFile(const std::string& path, const GameRecord& record)
{
    return static_cast<bool>(writeFileAtomically(path, writeRecord(record)));
}

std::string recordDate(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

GameRecord recordOf(const GameState& now, const MoveList& moves)
{
    GameRecord r;
    r.date = recordDate(std::time(nullptr));
    r.program = std::string("Tavolux ") + TAVOLUX_VERSION;
    const GameState& start = moves.start();
    for (int p = 0; p < PlayerCount; ++p) {
        RecordSlot& slot = r.slots[p];
        slot.active = start.slots[p].active != 0;
        if (!slot.active)
            continue;
        slot.name = recordName(now.slots[p].name, p);
        slot.computer = now.slots[p].isComputer();
        if (slot.computer) {
            slot.strength = now.slots[p].strength;
            slot.styleTowardLower = now.slots[p].styleTowardLower;
            slot.styleTowardHigher = now.slots[p].styleTowardHigher;
        }
    }
    for (int i = 0; i < PieceCount; ++i)
        if (start.pieces[i].owner != 0)
            r.start[i] = start.pieces[i];
    r.finishedBefore = finishOrderOf(start);
    r.toMove = start.playerToMove;
    const std::size_t count = moves.current();
    r.moves.assign(moves.moves().begin(), moves.moves().begin() + std::ptrdiff_t(count));
    // The result is where these moves lead: a game that is over with the
    // list's last move ended there, one stepped back from its end did not.
    const bool endsHere = now.gameOver && count == moves.moves().size();
    const GameState end = endsHere ? moves.positionEndingAfter(count) : moves.positionAfter(count);
    if (end.gameOver)
        r.result = finishOrderOf(end);
    return r;
}

} // namespace tavolux
