#include "tools/fuzz/FuzzInputs.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Damaged inputs make the loader talk; the fuzzer's own output matters.
    static std::ostringstream quiet;
    setEngineLog(&quiet);
    quiet.str(std::string());
    if (!fuzz::loadSaveFile(data, size)) {
        std::abort();
    }
    return 0;
}
