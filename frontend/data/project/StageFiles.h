#pragma once
// Names and marks of the stage files kept beside a project's data file.
#include <filesystem>
#include <string>
#include <string_view>

namespace torven::data {

// Stage 2 to 5 files start with this text and the stage number; a staged
// input file is split where a line holds it.
inline constexpr std::string_view kStageTitle = " Stage No : ";
inline constexpr std::string_view kStageMark = " Stage No :";

// project.tv5d -> project.st1 ... project.st5
std::filesystem::path StageFilePath(const std::filesystem::path& dataFile, int stage);

// First line of a stage file.
std::string StageTitle(int stage, std::string_view projectTitle);

// "Construction Stage Number: " and the stage.
std::string StageStatusText(int stage);

// Removes the stage files from..to of the data file that exist; a file that
// cannot be removed throws FileError.
void DeleteStageFiles(const std::filesystem::path& dataFile, int from, int to);

}  // namespace torven::data
