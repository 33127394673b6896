#include "model/statistics.h"

#include "model/movelist.h"
#include "model/moverules.h"
#include "model/playernames.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>
#include <vector>

namespace tavolux {

namespace {

constexpr std::string_view Header = "Tavolux statistics 1";
constexpr std::string_view EndWord = "end ";
constexpr std::string_view TableWords[2] = {"persons", "computers"};
constexpr const char* KindWords[PlayerKindCount] = {"person", "beginner", "standard", "expert"};
constexpr int FieldCount = 11; // table, kind, eight figures, name
constexpr int WideFieldCount = 14; // ... and the fourth to sixth places before the name
constexpr std::size_t MaxDigits = 13; // MaxFigure has 13 digits

// A game's moves beyond this are taken as not known.
constexpr int MaxMovesPerGame = 1'000'000;

PlayerKey keyOf(const PlayerSlot& slot)
{
    return {shownName(slot.name), kindOf(slot)};
}

// The player's figures, its row taking the key's spelling of the name.
PlayerFigures& figuresOf(PlayerTable& table, PlayerKey key)
{
    const auto found = table.find(key);
    if (found == table.end())
        return table[std::move(key)];
    if (found->first.name == key.name)
        return found->second;
    auto row = table.extract(found);
    row.key().name = std::move(key.name);
    return table.insert(std::move(row)).position->second;
}

PlayerTable& tableFor(Statistics& statistics, const GameState& game)
{
    return amongComputersOnly(game) ? statistics.amongComputers : statistics.withPersons;
}

bool anyActive(const GameState& game)
{
    return std::any_of(std::begin(game.slots), std::end(game.slots), [](const PlayerSlot& s) { return s.active; });
}

// The place of player p in the finishing order: 0 first .. 2 third, or -1.
int placeOf(const GameState& game, int p)
{
    const int count = std::min<int>(game.finishCount, PlayerCount);
    for (int place = 0; place < count; ++place)
        if (game.finishOrder[place] == p)
            return place;
    return -1;
}

// The length of the UTF-8 sequence of a printable character at `at`, or 0
// for a control character or a byte that does not start a valid sequence.
std::size_t printableLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7F ? 1 : 0;
    std::size_t length = 0;
    uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

void appendEscaped(std::string& out, std::string_view name)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < name.size();) {
        const char c = name[i];
        if (c == '\\' || c == '\t' || c == '\n' || c == '\r') {
            out += '\\';
            out += c == '\\' ? '\\' : c == '\t' ? 't' : c == '\n' ? 'n' : 'r';
            ++i;
            continue;
        }
        const std::size_t length = printableLength(name, i);
        if (length == 0) {
            const auto b = static_cast<uint8_t>(c);
            out += "\\x";
            out += Hex[b >> 4];
            out += Hex[b & 0x0F];
            ++i;
            continue;
        }
        out.append(name.substr(i, length));
        i += length;
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> unescaped(std::string_view field)
{
    std::string name;
    for (std::size_t i = 0; i < field.size();) {
        if (field[i] != '\\') {
            const std::size_t length = printableLength(field, i);
            if (length == 0)
                return std::nullopt;
            name.append(field.substr(i, length));
            i += length;
            continue;
        }
        if (i + 1 >= field.size())
            return std::nullopt;
        const char e = field[i + 1];
        if (e == 'x') {
            if (i + 4 > field.size())
                return std::nullopt;
            const int high = hexValue(field[i + 2]);
            const int low = hexValue(field[i + 3]);
            if (high < 0 || low < 0)
                return std::nullopt;
            name += static_cast<char>(high << 4 | low);
            i += 4;
            continue;
        }
        if (e == '\\')
            name += '\\';
        else if (e == 't')
            name += '\t';
        else if (e == 'n')
            name += '\n';
        else if (e == 'r')
            name += '\r';
        else
            return std::nullopt;
        i += 2;
    }
    if (name.size() > MaxNameLength)
        return std::nullopt;
    return name;
}

// A figure: decimal digits, no sign, no leading zero, at most MaxFigure.
std::optional<int64_t> figure(std::string_view field)
{
    if (field.empty() || field.size() > MaxDigits || (field.size() > 1 && field[0] == '0'))
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < 0 || value > MaxFigure)
        return std::nullopt;
    return value;
}

// Figures that counted games can give.
bool plausible(const PlayerFigures& f)
{
    if (f.games == 0 && f.abandoned == 0)
        return false;
    if (std::accumulate(f.places.begin(), f.places.end(), int64_t(0)) > f.games || f.finishes > f.games)
        return false;
    if (f.finishes == 0)
        return f.totalMoves == 0 && f.bestMoves == 0;
    return f.bestMoves >= 1 && f.bestMoves <= f.totalMoves / f.finishes;
}

std::vector<std::string_view> split(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = line.find(separator, from);
        fields.push_back(line.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos)
            return fields;
        from = at + 1;
    }
}

// A sum of figures, held at MaxFigure.
int64_t capped(int64_t a, int64_t b)
{
    return std::min(a + b, MaxFigure);
}

// Another row of the same player added to `to`.
void addUp(PlayerFigures& to, const PlayerFigures& f)
{
    to.games = capped(to.games, f.games);
    for (std::size_t i = 0; i < to.places.size(); ++i)
        to.places[i] = capped(to.places[i], f.places[i]);
    to.abandoned = capped(to.abandoned, f.abandoned);
    if (f.finishes == 0 || to.finishes + f.finishes > to.games || to.totalMoves > MaxFigure - f.totalMoves)
        return; // moves that no longer fit are left uncounted, as in a game
    to.bestMoves = to.finishes == 0 ? f.bestMoves : std::min(to.bestMoves, f.bestMoves);
    to.finishes += f.finishes;
    to.totalMoves += f.totalMoves;
}

// One player line into `statistics`; false when it is not one.
bool readPlayerLine(std::string_view line, Statistics& statistics)
{
    const std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() != FieldCount && fields.size() != WideFieldCount)
        return false;
    PlayerTable* table = fields[0] == TableWords[0]   ? &statistics.withPersons
                         : fields[0] == TableWords[1] ? &statistics.amongComputers
                                                      : nullptr;
    if (table == nullptr)
        return false;
    PlayerKey key;
    const auto* kind = std::find(std::begin(KindWords), std::end(KindWords), fields[1]);
    if (kind == std::end(KindWords))
        return false;
    key.kind = static_cast<PlayerKind>(kind - std::begin(KindWords));

    const int figures = int(fields.size()) - 3;
    int64_t values[WideFieldCount - 3] = {};
    for (int i = 0; i < figures; ++i) {
        const std::optional<int64_t> value = figure(fields[2 + i]);
        if (!value)
            return false;
        values[i] = *value;
    }
    PlayerFigures f;
    f.games = values[0];
    f.places = {values[1], values[2], values[3], values[8], values[9], values[10]};
    f.abandoned = values[4];
    f.finishes = values[5];
    f.totalMoves = values[6];
    f.bestMoves = values[7];
    if (!plausible(f))
        return false;

    std::optional<std::string> name = unescaped(fields.back());
    if (!name)
        return false;
    key.name = shownName(*name);
    const auto [row, added] = table->emplace(std::move(key), f);
    if (!added)
        addUp(row->second, f);
    return true;
}

void appendTable(std::string& out, std::string_view word, const PlayerTable& table)
{
    for (const auto& [key, f] : table) {
        out += word;
        out += '\t';
        out += kindWord(key.kind);
        for (int64_t value : {f.games, f.places[0], f.places[1], f.places[2], f.abandoned, f.finishes, f.totalMoves,
                              f.bestMoves}) {
            out += '\t';
            out += std::to_string(value);
        }
        // Places beyond the third, from tables of more than three, only
        // where there are any: the lines of three-seat games stay as they were.
        if (f.places[3] != 0 || f.places[4] != 0 || f.places[5] != 0)
            for (int place = 3; place < PlayerCount; ++place)
                (out += '\t') += std::to_string(f.places[place]);
        out += '\t';
        appendEscaped(out, key.name);
        out += '\n';
    }
}

void countUp(int64_t& figure)
{
    if (figure < MaxFigure)
        ++figure;
}

// A game player p played to its end: the game, p's place in the finishing
// order and, when p's pieces are all home, the moves given for it, when that
// number is above 0 (0 or less: not known).
void countGame(PlayerFigures& f, const GameState& game, int p, int moves)
{
    // A player counted to the limit is counted no further, so that the
    // places never outnumber the games.
    if (f.games >= MaxFigure)
        return;
    ++f.games;
    const int place = placeOf(game, p);
    if (place >= 0 && place < int(f.places.size()))
        ++f.places[place];
    const bool home = isHome(game, p);
    if (!home || moves <= 0 || moves > MaxMovesPerGame || f.totalMoves > MaxFigure - moves)
        return;
    ++f.finishes;
    f.totalMoves += moves;
    f.bestMoves = f.bestMoves == 0 ? moves : std::min<int64_t>(f.bestMoves, moves);
}

} // namespace

bool PlayerOrder::operator()(const PlayerKey& a, const PlayerKey& b) const
{
    const int names = compareFolded(a.name, b.name);
    return names != 0 ? names < 0 : a.kind < b.kind;
}

PlayerKind kindOf(const PlayerSlot& slot)
{
    if (!slot.isComputer())
        return PlayerKind::Person;
    switch (slot.strength) {
    case Beginner:
        return PlayerKind::BeginnerComputer;
    case Expert:
        return PlayerKind::ExpertComputer;
    default:
        return PlayerKind::StandardComputer;
    }
}

const char* kindWord(PlayerKind kind)
{
    const int i = static_cast<int>(kind);
    return i >= 0 && i < PlayerKindCount ? KindWords[i] : KindWords[0];
}

bool amongComputersOnly(const GameState& game)
{
    return std::all_of(std::begin(game.slots), std::end(game.slots),
                       [](const PlayerSlot& s) { return !s.active || s.isComputer(); });
}

bool addEndedGame(Statistics& statistics, const GameState& game, const int movesPerPlayer[PlayerCount])
{
    if (game.noGameStarted || !anyActive(game))
        return false;
    PlayerTable& table = tableFor(statistics, game);
    for (int p = 0; p < PlayerCount; ++p)
        if (game.slots[p].active)
            countGame(figuresOf(table, keyOf(game.slots[p])), game, p, movesPerPlayer[p]);
    return true;
}

bool addAbandonedGame(Statistics& statistics, const GameState& game, const int movesPerPlayer[PlayerCount])
{
    if (!game.gameUnderway() || !anyActive(game))
        return false;
    PlayerTable& table = tableFor(statistics, game);
    for (int p = 0; p < PlayerCount; ++p) {
        if (!game.slots[p].active)
            continue;
        PlayerFigures& f = figuresOf(table, keyOf(game.slots[p]));
        if (game.slots[p].finished && placeOf(game, p) >= 0)
            countGame(f, game, p, movesPerPlayer ? movesPerPlayer[p] : 0);
        else
            countUp(f.abandoned);
    }
    return true;
}

std::array<int, PlayerCount> movesPerPlayer(const MoveList& list)
{
    GameState opening = list.start();
    placeStartingPieces(opening);
    std::array<int, PlayerCount> moves{};
    if (opening.pieces != list.start().pieces) {
        moves.fill(-1);
        return moves;
    }
    for (int p = 0; p < PlayerCount; ++p)
        moves[p] = list.movesBy(p, list.current());
    return moves;
}

std::string formatStatistics(const Statistics& statistics)
{
    std::string out(Header);
    out += '\n';
    appendTable(out, TableWords[0], statistics.withPersons);
    appendTable(out, TableWords[1], statistics.amongComputers);
    out += EndWord;
    out += std::to_string(statistics.withPersons.size() + statistics.amongComputers.size());
    out += '\n';
    return out;
}

ParsedStatistics parseStatistics(std::string_view text)
{
    ParsedStatistics damaged;
    damaged.damaged = true;
    // Every line, the last one too, ends in a line feed.
    if (text.empty() || text.back() != '\n')
        return damaged;
    std::vector<std::string_view> lines = split(text.substr(0, text.size() - 1), '\n');
    if (lines.size() < 2 || lines.front() != Header)
        return damaged;

    ParsedStatistics parsed;
    const std::size_t players = lines.size() - 2;
    for (std::size_t i = 1; i <= players; ++i)
        if (!readPlayerLine(lines[i], parsed.statistics))
            return damaged;

    const std::string_view last = lines.back();
    if (last.substr(0, EndWord.size()) != EndWord)
        return damaged;
    const std::optional<int64_t> count = figure(last.substr(EndWord.size()));
    if (!count || static_cast<uint64_t>(*count) != players)
        return damaged;
    return parsed;
}

} // namespace tavolux
