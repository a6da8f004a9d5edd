// Feeds arbitrary bytes to the engine as its run file. The four path lines are
// reduced to plain file names so a fuzzed path can never reach outside the
// scratch directory; everything else of the file is taken as it comes.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/engine_run.h"
#include "fuzz/fuzz_scratch_dir.h"

namespace {

std::string plainName(const std::string& line) {
    std::string name;
    for (char c : line) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                          c == '-' || c == '.' || c == ' ';
        if (safe && name.size() < 40) name += c;
    }
    return "f_" + name;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    torven::fuzz::enterScratchDirectory("torven-fuzz-runfile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Written afresh each time: a fuzzed report path may name the input file.
    std::ofstream("f_wall.tv5d", std::ios::trunc)
        << "Wall\n1 0 1 0 1 0 0 1 0 0\n10 6 10 1E-5 60 12\n0 10 1 1E8\n0\n0\n2\n0 0\n60 10\n0\n";
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream runFile;
    std::string line;
    for (int i = 1; std::getline(in, line); ++i) runFile << (i >= 5 && i <= 8 ? plainName(line) : line) << '\n';
    std::ofstream("names.dat", std::ios::binary | std::ios::trunc) << runFile.str();
    torven::EngineRun run;
    run.run();
    return 0;
}
