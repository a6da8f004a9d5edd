#include "frontend/tables/TTableColumn.h"

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TEnumColumn.h"
#include "frontend/tables/TGridTable.h"

namespace torven::tables {

namespace {

// Marks the layout with a template list.
constexpr std::string_view kTableColumnMark = "FLEXCOLUMN2";

}  // namespace

TTableColumn::TTableColumn(TGridTable& table) : TColumn(table) {}

TTableColumn::~TTableColumn() = default;

TTableColumn::TTableColumn(TGridTable& table, DefinitionReader& in) : TColumn(table, in) {
    const int line = in.Line();
    if (in.ReadString() != kTableColumnMark) {
        throw StreamReadError("line " + std::to_string(line) + ": \"" + std::string(kTableColumnMark) +
                              "\" was expected before the template list");
    }
    templates_ = TGridTableList(in.ReadIntegerList());
}

TTableColumn::TTableColumn(TGridTable& table, const TTableColumn& definition)
    : TColumn(table, definition), templates_(definition.templates_) {}

void TTableColumn::SetTemplates(TGridTableList templates) {
    templates_ = std::move(templates);
    FitTemplatesToChoices();
}

void TTableColumn::FitTemplatesToChoices() {
    if (const TEnumColumn* choice = Table().ChoiceColumn(); choice != nullptr) {
        templates_.Resize(static_cast<int>(choice->Choices().size()));
    }
}

std::unique_ptr<TGridTable> TTableColumn::BuildRow(int row) const {
    int entry = 0;
    if (const TEnumColumn* choice = Table().ChoiceColumn(); choice != nullptr) {
        entry = choice->GetInt(row) - 1;
    }
    // An entry that names no table gives a table without columns.
    const TGridTable* templateTable = templates_.Find(entry, Table().Registry());
    auto nested = templateTable != nullptr ? templateTable->CreateNested(Table()) : Table().CreateBlank(&Table());
    nested->SetCaptionNumber(row + 1);
    nested->SetRowCount(nested->MinRows());
    return nested;
}

void TTableColumn::Renumber(int from) {
    for (int row = from; row < CellCount(); ++row) tables_[row]->SetCaptionNumber(row + 1);
}

void TTableColumn::InsertRows(int index, int count) {
    for (int i = 0; i < count; ++i) {
        tables_.insert(tables_.begin() + index + i, BuildRow(index + i));
    }
    Renumber(index);
}

void TTableColumn::DeleteRow(int index) {
    CheckRow(index);
    tables_.erase(tables_.begin() + index);
    Renumber(index);
}

TGridTable& TTableColumn::GetTable(int row) const {
    CheckRow(row);
    return *tables_[row];
}

void TTableColumn::RebuildRow(int row) {
    CheckRow(row);
    tables_[row] = BuildRow(row);
}

std::string TTableColumn::ButtonCaption(int row) const {
    return std::to_string(row + 1) + ": " + GetTable(row).Caption();
}

bool TTableColumn::IsModified() const {
    for (const auto& table : tables_) {
        if (table->IsModified()) return true;
    }
    return false;
}

void TTableColumn::ResetModified() {
    for (const auto& table : tables_) table->SetModified(false);
}

void TTableColumn::CloseEditors() {
    for (const auto& table : tables_) table->CloseEditor();
}

void TTableColumn::SetUnits(int system) {
    for (const auto& table : tables_) table->SetTableUnits(system);
}

void TTableColumn::WriteDefinition(DefinitionWriter& out) const {
    TColumn::WriteDefinition(out);
    out.WriteString(kTableColumnMark);
    out.WriteIntegerList(templates_.Identifiers());
}

}  // namespace torven::tables
