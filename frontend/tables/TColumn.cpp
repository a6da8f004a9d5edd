#include "frontend/tables/TColumn.h"

#include <algorithm>
#include <stdexcept>

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/TGridTable.h"
#include "frontend/tables/TextMetrics.h"

namespace torven::tables {

namespace {

[[noreturn]] void WrongType() { throw std::logic_error("Data of wrong type"); }

}  // namespace

TColumn::TColumn(TGridTable& table, const TColumn& definition)
    : table_(&table), captions_(definition.captions_), visible_(definition.visible_), grouped_(definition.grouped_) {}

TColumn::TColumn(TGridTable& table, DefinitionReader& in) : table_(&table) {
    captions_ = in.ReadStringList();
    visible_ = in.ReadBoolean();
    grouped_ = in.ReadBoolean();
}

int TColumn::CaptionLineCount() const { return static_cast<int>(captions_.size()); }

std::string TColumn::CaptionLine(int line) const {
    return line >= 0 && line < CaptionLineCount() ? captions_[line] : std::string();
}

TGridTable& TColumn::GetTable(int) const { WrongType(); }
long double TColumn::GetFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, long double) { WrongType(); }
int TColumn::GetInt(int) const { WrongType(); }
void TColumn::SetInt(int, int) { WrongType(); }
std::string TColumn::GetText(int) const { return {}; }
void TColumn::SetText(int, std::string_view) {}

int TColumn::RowGroupSize() const { return table_->RowGroup(); }

int TColumn::DisplayWidth(const TextMetrics& metrics) const {
    int width = 0;
    for (int line = 0; line < CaptionLineCount(); ++line) {
        width = std::max(width, metrics.TextWidth(CaptionLine(line) + "  "));
    }
    return std::max(width, static_cast<int>(MinimumWidthInches() * metrics.PixelsPerInch()));
}

void TColumn::SetUnits(int) {}

void TColumn::WriteDefinition(DefinitionWriter& out) const {
    out.WriteInteger(static_cast<int>(Key()));
    out.WriteStringList(captions_);
    out.WriteBoolean(visible_);
    out.WriteBoolean(grouped_);
}

void TColumn::CheckRow(int row) const {
    if (row < 0 || row >= CellCount()) {
        throw std::out_of_range("Row " + std::to_string(row) + " is not in the table \"" + table_->Caption() +
                                "\"");
    }
}

std::pair<int, int> TColumn::StoredRows(int row) const {
    CheckRow(row);
    if (!grouped_) return {row, row + 1};
    const int group = RowGroupSize();
    const int first = row / group * group;
    return {first, std::min(first + group, CellCount())};
}

int TColumn::Index() const { return table_->IndexOf(*this); }

void TColumn::Changed(int row, bool valueDiffers) const { table_->CellChanged(*this, row, valueDiffers); }

}  // namespace torven::tables
