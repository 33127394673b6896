#include "model/notation.h"

#include "model/board.h"

namespace tavolux {

namespace {

int firstHoleOfRow(int row) { return row == 0 ? 0 : RowLastHole[row - 1] + 1; }

} // namespace

std::string holeName(int hole)
{
    if (hole < 0 || hole >= HoleCount)
        return {};
    const int row = holeCoord(hole).row;
    return char('a' + row) + std::to_string(hole - firstHoleOfRow(row) + 1);
}

std::optional<int> parseHole(std::string_view name)
{
    if (name.size() < 2 || name.size() > 3)
        return std::nullopt;
    const char letter = name[0] >= 'A' && name[0] <= 'Z' ? char(name[0] - 'A' + 'a') : name[0];
    if (letter < 'a' || letter >= 'a' + RowCount || name[1] == '0')
        return std::nullopt;
    int place = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        place = place * 10 + (c - '0');
    }
    const int row = letter - 'a';
    if (place > RowSpan[row] + 1)
        return std::nullopt;
    return firstHoleOfRow(row) + place - 1;
}

std::string moveText(int start, const std::vector<int>& path)
{
    std::string text = holeName(start);
    for (int hole : path)
        text += '-' + holeName(hole);
    return text;
}

std::optional<MoveText> parseMoveText(std::string_view text)
{
    MoveText move;
    bool first = true;
    while (true) {
        const std::size_t dash = text.find('-');
        const auto hole = parseHole(text.substr(0, dash));
        if (!hole)
            return std::nullopt;
        if (first)
            move.start = *hole;
        else if (move.path.size() == HoleCount)
            return std::nullopt;
        else
            move.path.push_back(*hole);
        first = false;
        if (dash == std::string_view::npos)
            break;
        text.remove_prefix(dash + 1);
    }
    if (move.path.empty())
        return std::nullopt;
    return move;
}

} // namespace tavolux
