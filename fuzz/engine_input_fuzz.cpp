// Feeds arbitrary bytes to the engine as its input data file, through a whole run.
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "engine/engine_run.h"
#include "fuzz/fuzz_scratch_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    torven::fuzz::enterScratchDirectory("torven-fuzz-input");
    std::ofstream("names.dat") << "fuzz\nx\ny\n0\nwall.tv5d\nwall.tv5o\nwall.tv5p\nwall.tv5r\n";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out("wall.tv5d", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    torven::EngineRun run;
    run.run();
    return 0;
}
