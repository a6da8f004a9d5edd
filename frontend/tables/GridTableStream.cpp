// The column-definition stream of a table: count, then per column its class
// key and values, then what the table's class adds.
#include <memory>
#include <string>
#include <vector>

#include "frontend/tables/ColumnClasses.h"
#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TGridTable.h"
#include "frontend/tables/TTableColumn.h"

namespace torven::tables {

namespace {

[[noreturn]] void ColumnFailed(int index, const std::string& message) {
    throw StreamReadError("Error occured when creating column " + std::to_string(index) + ": " + message);
}

}  // namespace

void TGridTable::ReadColumns(DefinitionReader& in) {
    int count = -1;
    try {
        count = in.ReadInteger();
    } catch (const StreamReadError&) {
    }
    if (count < 0) throw StreamReadError("Error reading column count");

    // Read aside, so a failure keeps the current columns.
    std::vector<std::unique_ptr<TColumn>> read;
    for (int index = 0; index < count; ++index) {
        int key = 0;
        try {
            key = in.ReadInteger();
        } catch (const StreamReadError& error) {
            ColumnFailed(index, error.what());
        }
        const ColumnFactory create = FindColumnClass(key);
        if (create == nullptr) throw StreamReadError("Error Column Class not defined");
        try {
            read.push_back(create(*this, in));
        } catch (const StreamReadError& error) {
            ColumnFailed(index, error.what());
        }
    }
    ReadTrailer(in, count);

    CloseEditor();
    const int rows = rowCount_;
    columns_.swap(read);
    rowCount_ = 0;
    for (const auto& column : columns_) {
        if (auto* nested = dynamic_cast<TTableColumn*>(column.get())) nested->FitTemplatesToChoices();
    }
    try {
        InsertRows(0, rows);
    } catch (...) {
        columns_.swap(read);
        rowCount_ = rows;
        throw;
    }
}

void TGridTable::WriteColumns(DefinitionWriter& out) const {
    out.WriteInteger(ColumnCount());
    for (const auto& column : columns_) {
        out.NewLine();
        column->WriteDefinition(out);
    }
    out.NewLine();
    WriteTrailer(out);
}

}  // namespace torven::tables
