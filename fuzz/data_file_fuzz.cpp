// Feeds arbitrary bytes to the front-end's data file reader, in the layout
// chosen by the first byte, and writes back whatever it read.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "frontend/data/project/TProgramData.h"
#include "frontend/tables/MainTables.h"
#include "fuzz/fuzz_scratch_dir.h"

namespace {

std::optional<torven::tables::TableSet> tables;

const char* const kExtensions[] = {".tv5d", ".tv4d", ".tvd", ".tvd", ".dat"};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tables.emplace(torven::tables::LoadMainTables(TORVEN_TABLES_DIR));
    torven::fuzz::enterScratchDirectory("torven-fuzz-datafile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int variant = data[0] % 5 + 1;
    const std::string file = std::string("wall") + kExtensions[variant - 1];
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    bool failed = false;
    torven::data::ProjectCallbacks callbacks;
    callbacks.inform = [&failed](const std::string&) { failed = true; };
    callbacks.ask = [](const std::string&) { return false; };
    auto project = torven::data::TProgramData::CreateFromFile(*tables, file, variant, callbacks);
    if (project && !failed && project->NumStages == 1) {
        project->FileName = "written.tv5d";
        project->WriteInputFile();
    }
    return 0;
}
