#include "frontend/main/RunFile.h"

#include <fstream>
#include <stdexcept>

namespace torven::run {

namespace {

// The engine reads at most this many characters of a path line.
constexpr std::size_t kEnginePathLimit = 255;

// The engine runs in the data file's directory, so a path too long for it
// still works as a bare file name.
std::string PathForEngine(const std::filesystem::path& path) {
    std::string text = path.string();
    return text.size() <= kEnginePathLimit ? text : path.filename().string();
}

}  // namespace

std::string RunFileText(const RunPaths& paths) {
    // Lines 2 to 4 are read and ignored by the engine; line 4 must be an integer.
    std::string text;
    for (const std::string& line : {std::string(kVersionText), std::string("Torven2015"),
                                    std::string("Flexible Retaining Walls"), std::string("0"),
                                    PathForEngine(paths.data), PathForEngine(paths.report),
                                    PathForEngine(paths.plot), PathForEngine(paths.monitor)}) {
        text += line;
        text += '\n';
    }
    return text;
}

std::filesystem::path WriteRunFile(const std::filesystem::path& directory, const RunPaths& paths) {
    const auto file = directory / kRunFileName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << RunFileText(paths);
    out.close();
    if (!out) throw std::runtime_error("Cannot write the run file " + file.string());
    return file;
}

}  // namespace torven::run
