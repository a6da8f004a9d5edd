#pragma once
// Reading input data files and stage files into a project. Only file and
// read failures are caught: their message comes back, and every value read
// before the failure stays in the project.
#include <filesystem>
#include <optional>
#include <string>

namespace torven::data {

class TProgramData;

// A data file in the layout of the variant, into a project whose tables
// are empty: the first data set and, after a long-term code 9, the long-term
// set. Afterwards every table the file left empty holds its minimum rows of
// defaults and the project is unmodified.
std::optional<std::string> ReadInputFile(TProgramData& project, const std::filesystem::path& file, int variant);

// A stage file in the layout the project's layout flags name.
std::optional<std::string> ReadStageFile(TProgramData& project, const std::filesystem::path& file);

}  // namespace torven::data
