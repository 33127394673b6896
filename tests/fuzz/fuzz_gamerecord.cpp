// libFuzzer target: any bytes through the game-record reader.

#include "tests/fuzz/gamerecord_checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string fault = tavolux::fuzz::checkRecordReading(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "game-record reader: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
