#pragma once
// The files of one analysis, all named after the input data file.
#include <filesystem>

namespace torven::run {

struct RunPaths {
    std::filesystem::path data;     // .tv5d, read by the engine
    std::filesystem::path report;   // .tv5o
    std::filesystem::path plot;     // .tv5p
    std::filesystem::path monitor;  // .tv5r
};

// Absolute paths; the outputs sit beside the data file under its base name.
RunPaths RunPathsFor(const std::filesystem::path& dataFile);

}  // namespace torven::run
