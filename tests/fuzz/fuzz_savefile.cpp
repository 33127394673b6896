// libFuzzer target: any bytes through the saved-game decoder.

#include "tests/fuzz/savefile_checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string fault = tavolux::fuzz::checkDecoding(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "saved-game decoder: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
