#pragma once
// The column classes by stream key.
#include <memory>

namespace torven::tables {

class DefinitionReader;
class TColumn;
class TGridTable;

using ColumnFactory = std::unique_ptr<TColumn> (*)(TGridTable& table, DefinitionReader& in);

// The class registered for the key, or nullptr.
ColumnFactory FindColumnClass(int key);

}  // namespace torven::tables
