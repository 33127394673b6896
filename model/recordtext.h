#pragma once
// The words of a game record's text: trimming, splitting, numbers, dates,
// UTF-8 checks and the way players and finishing orders are written. Used by
// the record's reader and writer only.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolux::recordtext {

constexpr const char* StyleNames[3] = {"Friendly", "Neutral", "Hostile"};

// "P1".."P3" for slots 0..2, as a move line names its mover.
std::string playerText(int p);
// A player as a refusal names it: the number from 1.
std::string playerArg(int p);

// Without spaces, tabs and CRs at either end.
std::string_view trim(std::string_view s);
// Equal but for the case of ASCII letters.
bool sameWord(std::string_view a, std::string_view b);

// The index of `word` among `names`, in either case, or -1.
template <std::size_t N>
int wordIndex(std::string_view word, const char* const (&names)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (sameWord(word, names[i]))
            return static_cast<int>(i);
    return -1;
}

// The parts between separators, each trimmed.
std::vector<std::string_view> split(std::string_view s, char separator);
// Words separated by spaces or tabs.
std::vector<std::string_view> words(std::string_view s);
// A decimal number without sign in [min, max]; nothing for anything else.
std::optional<long> number(std::string_view s, long min, long max);

// Well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(std::string_view s);
bool hasControl(std::string_view s, bool tabAllowed);
// "YYYY-MM-DD HH:MM" naming a day that exists.
bool isDate(std::string_view s);

// The Result line's value: "unfinished", or the players from 1, "2 1".
std::string orderText(const std::vector<int>& order);
// An order as a refusal names it: empty for an unfinished game.
std::string orderArg(const std::vector<int>& order);

} // namespace tavolux::recordtext
