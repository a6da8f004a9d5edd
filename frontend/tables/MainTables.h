#pragma once
// The tables of the main window, read at start-up from their definition file.
#include <filesystem>
#include <span>
#include <string_view>

#include "frontend/tables/TableSet.h"

namespace torven::tables {

inline constexpr std::string_view kMainTablesFile = "main_tables.def";

// The names the rest of the program looks tables up by.
std::span<const std::string_view> MainTableNames();

// Reads kMainTablesFile in the directory; a missing table or one of the
// wrong kind fails as a StreamReadError.
TableSet LoadMainTables(const std::filesystem::path& directory);

}  // namespace torven::tables
