#pragma once
// Small tables built from column-definition text, and an edit window stand-in.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/TGridTable.h"
#include "frontend/tables/TableEditor.h"

namespace torven::tables::test {

template <class Table = TGridTable>
std::unique_ptr<Table> TableFrom(std::string_view columns, int rows = 0) {
    auto table = std::make_unique<Table>();
    DefinitionReader in = DefinitionReader::FromText(columns);
    table->ReadColumns(in);
    table->SetRowCount(rows);
    return table;
}

// Records what the table tells its window.
class FakeEditor : public TableEditor {
public:
    explicit FakeEditor(TGridTable& table) : table_(&table) { table.AttachEditor(this); }
    ~FakeEditor() override {
        if (table_ != nullptr) table_->DetachEditor();
    }

    void CellChanged(int column, int row) override { cells.emplace_back(column, row); }
    void TableChanged() override { ++redraws; }
    void Close() override {
        table_ = nullptr;
        closed = true;
    }

    std::vector<std::pair<int, int>> cells;
    int redraws = 0;
    bool closed = false;

private:
    TGridTable* table_;
};

}  // namespace torven::tables::test
