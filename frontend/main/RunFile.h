#pragma once
// The run file "names.dat" that tells the engine which files to use.
#include <filesystem>
#include <string>

#include "frontend/main/RunPaths.h"

namespace torven::run {

inline constexpr const char* kRunFileName = "names.dat";
inline constexpr const char* kVersionText = "2015.5.14";

// The eight lines, each ending in a newline.
std::string RunFileText(const RunPaths& paths);

// Writes the run file into directory; throws std::runtime_error on failure.
std::filesystem::path WriteRunFile(const std::filesystem::path& directory, const RunPaths& paths);

}  // namespace torven::run
