#include "model/gamerecord.h"

#include "model/board.h"
#include "model/fileio.h"
#include "model/movegen.h"
#include "model/moverules.h"
#include "model/notation.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#ifndef TAVOLUX_VERSION
#error "TAVOLUX_VERSION must be defined, as the project's version"
#endif

namespace tavolux {

namespace {

constexpr const char* StyleNames[3] = {"Friendly", "Neutral", "Hostile"};
constexpr std::string_view Blanks = " \t\r";

std::string playerText(int p) { return "P" + std::to_string(p + 1); }
// A player as a refusal names it: the number from 1.
std::string playerArg(int p) { return std::to_string(p + 1); }

// Why a move is not legal.
struct MoveRefusal {
    RecordFault fault;
    std::vector<std::string> args;
};

std::string_view trim(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(Blanks) - first + 1);
}

bool sameWord(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

// The index of `word` among `names`, in either case, or -1.
template <std::size_t N>
int wordIndex(std::string_view word, const char* const (&names)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (sameWord(word, names[i]))
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string_view> split(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = s.find(separator);
        parts.push_back(trim(s.substr(0, at)));
        if (at == std::string_view::npos)
            return parts;
        s.remove_prefix(at + 1);
    }
}

// Words separated by spaces or tabs.
std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> found;
    while (!(s = trim(s)).empty()) {
        const std::size_t end = std::min(s.find_first_of(Blanks), s.size());
        found.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
    return found;
}

std::optional<long> number(std::string_view s, long min, long max)
{
    long value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || s[0] == '+' || ec != std::errc() || end != s.data() + s.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

// Well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned lowest = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            lowest = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            lowest = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= s.size())
            return false;
        unsigned value = c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

bool hasControl(std::string_view s, bool tabAllowed)
{
    return std::any_of(s.begin(), s.end(), [&](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && !(tabAllowed && c == '\t')) || u == 0x7F;
    });
}

bool isDate(std::string_view s)
{
    if (s.size() != 16 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':')
        return false;
    const auto year = number(s.substr(0, 4), 0, 9999), month = number(s.substr(5, 2), 1, 12);
    const auto day = number(s.substr(8, 2), 1, 31), hour = number(s.substr(11, 2), 0, 23);
    const auto minute = number(s.substr(14, 2), 0, 59);
    if (!year || !month || !day || !hour || !minute)
        return false;
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    const int days[12] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return *day <= days[*month - 1];
}

// The piece table's first entry of each slot: ten per taking part before it.
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

// The game as the record has it before its first move, with nothing out
// of the board's range (a record made by hand may hold anything). The
// options, views and seats not taken are the start-up ones.
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

std::vector<int> finishOrderOf(const GameState& s)
{
    return {s.finishOrder, s.finishOrder + std::min<int>(s.finishCount, PlayerCount)};
}

// Makes a record's moves one by one on the game they start from, checking
// each as the rules and the turn cycle would have it.
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
    std::optional<MoveRefusal> play(const RecordedMove& m)
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

private:
    bool hasMove(int p)
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

    int pieceOn(int p, int hole) const
    {
        for (int k = 0; k < PieceCount; ++k)
            if (s_.pieces[k].owner == OwnerMark[p] && s_.pieces[k].hole == hole)
                return k;
        return -1;
    }

    // A step onto an empty neighbour, or jumps each over one piece onto an
    // empty hole never landed on before.
    std::optional<MoveRefusal> checkPath(int start, const std::vector<int>& path) const
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

    GameState s_;
    MoveGenerator gen_;
    int maybeStoppedBy_ = -1;
    GameState stopped_;
};

std::string orderText(const std::vector<int>& order)
{
    if (order.empty())
        return "unfinished";
    std::string text;
    for (int p : order) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(p + 1);
    }
    return text;
}

// An order as a refusal names it: empty for an unfinished game.
std::string orderArg(const std::vector<int>& order) { return order.empty() ? std::string() : orderText(order); }

// ---- Reading ----

// The header fields a record may hold, in the order they are checked.
constexpr const char* FieldNames[] = {"Date",    "Program", "Player1", "Player2", "Player3",  "Start",  "Pieces1",
                                      "Pieces2", "Pieces3", "Finished", "ToMove", "Result", "Moves"};

struct Field {
    std::string_view value;
    std::size_t line = 0;
};

struct Refusal {
    RecordError error;
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    RecordReading read()
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

private:
    [[noreturn]] void fail(std::size_t line, RecordFault fault, std::vector<std::string> args = {})
    {
        throw Refusal{{line, fault, std::move(args), 0}};
    }

    // The next line without its line break and trailing blanks; false at
    // the end of the text.
    bool nextLine(std::string_view& line)
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
    bool nextContent(std::string_view& line)
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

    void readVersion()
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

    void readHeader()
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
    const Field& field(const std::string& key)
    {
        auto it = fields_.find(key);
        if (it == fields_.end())
            fail(fields_["Moves"].line, RecordFault::FieldMissing, {key});
        return it->second;
    }

    void checkHeader()
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
            readPlayer(p, field("Player" + std::to_string(p + 1)));
            taking += record_.slots[p].active ? 1 : 0;
        }
        if (taking < 2)
            fail(field("Player3").line, RecordFault::TooFewPlayers);
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

    // "1".."3" as a slot 0..2.
    static std::optional<int> playerNumber(std::string_view text)
    {
        const auto n = number(text, 1, PlayerCount);
        return n ? std::optional<int>(int(*n) - 1) : std::nullopt;
    }

    void readPlayer(int p, const Field& f)
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

    void readStart()
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
            record_.start = openingPieces(record_);
            return;
        }

        const std::array<int, PlayerCount> first = firstPieces(record_);
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
        const GameState s = startState(record_);
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

    void readResult(const Field& f)
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

    void readMoves()
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

    RecordedMove parseMove(std::string_view line, std::size_t n)
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

    void checkResult()
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

    std::string_view text_;
    std::size_t lineNumber_ = 0;
    bool versionSeen_ = false;
    std::map<std::string, Field> fields_;
    std::size_t declaredMoves_ = 0;
    GameRecord record_;
    std::optional<Replay> replay_;
};

// ---- Making a record of a game ----

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
            part = "?";
            length = 1;
        } else if (part == "|") {
            part = "/";
        } else if (hasControl(part, false)) {
            part = " ";
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
    for (int p = 0; p < PlayerCount; ++p) {
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
    if (r.start == openingPieces(r) && r.finishedBefore.empty()) {
        out += "Start: opening\n";
    } else {
        out += "Start: position\n";
        const std::array<int, PlayerCount> first = firstPieces(r);
        for (int p = 0; p < PlayerCount; ++p) {
            if (!r.slots[p].active)
                continue;
            out += "Pieces" + std::to_string(p + 1) + ":";
            for (int i = first[p]; i < first[p] + PiecesPerPlayer; ++i)
                out += " " + holeName(r.start[i].hole);
            out += "\n";
        }
        out += "Finished: " + (r.finishedBefore.empty() ? std::string("none") : orderText(r.finishedBefore)) + "\n";
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

int recordFaultArgumentCount(RecordFault fault)
{
    using enum RecordFault;
    switch (fault) {
    case VersionNotANumber:
    case UnknownField:
    case FieldMissing:
    case PiecesNotAllowed:
    case NotAHole:
    case TwoPiecesOnHole:
    case HomeNotFinished:
    case FinishedNotHome:
    case TooManyMoves:
    case BadMoveLine:
    case BadMover:
    case BadMoveText:
    case NotOver:
    case MoverNotInPlay:
    case MoverFinished:
    case StepOntoTaken:
    case ChainComesBack:
    case LandingTaken:
        return 1;
    case UnknownVersion:
    case FieldTwice:
    case TooFewMoves:
    case WrongMoveNumber:
    case WrongFinishingOrder:
    case WrongStoppedOrder:
    case OutOfTurn:
    case NoPieceOnStart:
    case NotThatPiece:
    case NeitherStepNorJump:
    case NothingToJumpOver:
    case OtherPlayersZone:
    case NotADestination:
        return 2;
    default:
        return 0;
    }
}

RecordReading readRecord(std::string_view text) { return Reader(text).read(); }

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
    r.moves.assign(moves.moves().begin(), moves.moves().begin() + std::ptrdiff_t(moves.current()));
    if (now.gameOver)
        r.result = finishOrderOf(now);
    return r;
}

GameState replayTo(const GameRecord& record, std::size_t count)
{
    Replay replay(record);
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
