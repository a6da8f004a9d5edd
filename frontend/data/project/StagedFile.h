#pragma once
// The staged input file: the stage files one after the other, line for line.
#include <filesystem>

namespace torven::data {

class TProgramData;

// Recreates the stage files of the project's file name from a staged input
// file: stage 1 from the first line, each later stage from a line holding
// " Stage No :". Stages the file does not mark get no stage file, so they
// keep the data of the stage shown before them when switched to.
void SplitStagedFile(TProgramData& project, const std::filesystem::path& stagedFile);

}  // namespace torven::data
