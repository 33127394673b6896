#include "cli/common.h"

#include "model/fileio.h"
#include "model/savefile.h"
#include "model/types.h"

#include <charconv>
#include <iostream>
#include <sstream>

namespace tavolux::cli {

int usageError(const std::string& message)
{
    std::cerr << "tavolux-cli: " << message << "\n";
    return ExitUsage;
}

bool wantsHelp(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

std::optional<long> parseNumber(const std::string& text, long min, long max)
{
    long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<std::vector<long>> parseTriple(const std::string& text, long min, long max)
{
    std::vector<long> values;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        auto v = parseNumber(part, min, max);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    if (values.size() != 3)
        return std::nullopt;
    return values;
}

std::optional<std::vector<int32_t>> parseSeats(const std::string& text)
{
    std::vector<int32_t> active(PlayerCount, 0);
    std::stringstream in(text);
    std::string part;
    int count = 0;
    while (std::getline(in, part, ',')) {
        const auto seat = parseNumber(part, 0, PlayerCount - 1);
        if (!seat || active[*seat])
            return std::nullopt;
        active[*seat] = 1;
        ++count;
    }
    if (count < 2 || text.empty() || text.back() == ',')
        return std::nullopt;
    return active;
}

std::optional<std::string> readInput(const std::string& path, std::size_t limit)
{
    FileReading file = readRegularFile(path, limit);
    if (!file.result) {
        std::cerr << "tavolux-cli: cannot read " << path << ": " << faultText(file.result) << "\n";
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool writeOutput(const std::string& path, std::string_view bytes)
{
    const FileResult written = writeFileAtomically(path, bytes);
    if (!written)
        std::cerr << "tavolux-cli: cannot write " << path << ": " << faultText(written) << "\n";
    return static_cast<bool>(written);
}

std::string gameBytes(const GameState& s)
{
    const std::vector<uint8_t> bytes = encodeGame(s);
    return std::string(bytes.begin(), bytes.end());
}

std::optional<GameState> loadPosition(const std::string& path)
{
    // One byte more than a saved game holds, as the game reads it.
    const auto bytes = readInput(path, SaveReadSize);
    if (!bytes)
        return std::nullopt;
    GameState s = initialGameState();
    if (decodeGame(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size(), s) != LoadStatus::Loaded) {
        std::cerr << "tavolux-cli: " << path << ": " << NotTavoluxMessage << "\n";
        return std::nullopt;
    }
    return s;
}

std::string holeList(const uint16_t* list)
{
    std::string out;
    for (; *list != ListEnd; ++list) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(*list);
    }
    return out;
}

} // namespace tavolux::cli
