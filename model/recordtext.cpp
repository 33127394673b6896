#include "model/recordtext.h"

#include <algorithm>
#include <charconv>

namespace tavolux::recordtext {

namespace {
constexpr std::string_view Blanks = " \t\r";
} // namespace

std::string playerText(int p)
{
    std::string text(1, 'P');
    return text += std::to_string(p + 1);
}

std::string playerArg(int p) { return std::to_string(p + 1); }

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

std::string orderArg(const std::vector<int>& order) { return order.empty() ? std::string() : orderText(order); }

} // namespace tavolux::recordtext
