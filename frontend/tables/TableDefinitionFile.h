#pragma once
// The definition file: tables with their properties and column-definition
// streams, in the order they are created.
//
//   object NewSoil: TGridTable
//     Identifier = 19
//     Caption = "Soil Layers"
//     Col = { 3  0 ("Soil " "Type") true false ("Soft Clay" ...) ... }
//   end
#include <filesystem>
#include <string>
#include <string_view>

#include "frontend/tables/TableSet.h"

namespace torven::tables {

// Failures are StreamReadErrors naming the source, the table and the line.
TableSet ReadTableDefinitions(std::string_view text, const std::string& source);
TableSet LoadTableDefinitions(const std::filesystem::path& file);

}  // namespace torven::tables
