#include "model/playernames.h"

#include "model/gamestate.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace tavolux {

namespace {

struct FoldRun {
    char32_t first, last;
    int stride, delta;
};

constexpr FoldRun FoldRuns[] = {
#include "model/casefoldtable.inc"
};

// One character of UTF-8 text at `at`, and how many bytes it took; a byte
// that starts no valid sequence stands for itself, above every character.
struct Decoded {
    char32_t value;
    std::size_t length;
};

constexpr char32_t NotUtf8 = 0x110000;

Decoded decode(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    const Decoded single{NotUtf8 + lead, 1};
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4                                   ? 4
                                                                                          : 0;
    if (length == 0 || at + length > text.size())
        return single;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return single;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return single;
    return {code, length};
}

// Unicode's White_Space characters.
bool isSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
           || c == 0x3000;
}

std::string_view trimmed(std::string_view name)
{
    std::size_t from = 0;
    while (from < name.size()) {
        const Decoded d = decode(name, from);
        if (!isSpace(d.value))
            break;
        from += d.length;
    }
    std::size_t to = from;
    for (std::size_t at = from; at < name.size();) {
        const Decoded d = decode(name, at);
        at += d.length;
        if (!isSpace(d.value))
            to = at;
    }
    return name.substr(from, to - from);
}

} // namespace

std::string shownName(std::string_view name)
{
    // Cutting may leave a space at the end, which goes too.
    return std::string(trimmed(cutName(std::string(trimmed(name)))));
}

char32_t foldedCase(char32_t code)
{
    const auto after = std::upper_bound(std::begin(FoldRuns), std::end(FoldRuns), code,
                                        [](char32_t c, const FoldRun& run) { return c < run.first; });
    if (after == std::begin(FoldRuns))
        return code;
    const FoldRun& run = *std::prev(after);
    if (code > run.last || (code - run.first) % run.stride != 0)
        return code;
    return static_cast<char32_t>(static_cast<int64_t>(code) + run.delta);
}

int compareFolded(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const Decoded x = decode(a, i), y = decode(b, j);
        const char32_t fx = x.value < NotUtf8 ? foldedCase(x.value) : x.value;
        const char32_t fy = y.value < NotUtf8 ? foldedCase(y.value) : y.value;
        if (fx != fy)
            return fx < fy ? -1 : 1;
        i += x.length;
        j += y.length;
    }
    return (i < a.size()) - (j < b.size());
}

} // namespace tavolux
