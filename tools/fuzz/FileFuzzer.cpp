// One libFuzzer target per data-file reader; QUILL_FUZZ_TARGET names it.
#include "tools/fuzz/FuzzInputs.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::Reader reader = fuzz::readerFor(QUILL_FUZZ_TARGET);
    if (!reader) {
        std::abort();
    }
    // Damaged inputs make the readers talk; the fuzzer's own output matters.
    static std::ostringstream quiet;
    setEngineLog(&quiet);
    quiet.str(std::string());
    if (!reader(data, size)) {
        std::abort();
    }
    return 0;
}
