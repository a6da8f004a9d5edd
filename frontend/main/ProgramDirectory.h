#pragma once
// The directory of the running program, where the engine library is installed.
#include <filesystem>

namespace torven::run {

std::filesystem::path ProgramDirectory();

}  // namespace torven::run
