// Replays the fuzzer's seed corpus and the inputs it once crashed on through
// the saved-game decoder, with the same checks the fuzzer makes.

#include "tests/fuzz/savefile_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

TEST(SaveFileCorpus, EveryKeptInputDecodesSoundly)
{
    int replayed = 0;
    for (const char* folder : {"corpus/savefile", "regressions/savefile"}) {
        const fs::path dir = fs::path(TAVOLUX_FUZZ_DIR) / folder;
        ASSERT_TRUE(fs::is_directory(dir)) << dir;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(tavolux::fuzz::checkDecoding(bytes.data(), bytes.size()), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 5) << "the seed corpus is missing";
}

} // namespace
