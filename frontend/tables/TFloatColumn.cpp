#include "frontend/tables/TFloatColumn.h"

#include <stdexcept>

#include "frontend/data/Evaluator.h"
#include "frontend/data/GeneralFormat.h"
#include "frontend/data/UnitCode.h"
#include "frontend/data/UnitLabel.h"
#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/TGridTable.h"

namespace torven::tables {

namespace {

// Marks the layout that carries a default after the unit code.
constexpr std::string_view kFloatColumnMark = "FLOATCOLUMN2";

}  // namespace

TFloatColumn::TFloatColumn(TGridTable& table, DefinitionReader& in) : ValueColumn(table, in) {
    topDepth_ = in.ReadBoolean();
    std::string code = in.ReadString();
    // Older definitions have the unit code here and no default.
    if (code == kFloatColumnMark) {
        unitCode_ = in.ReadString();
        default_ = in.ReadReal();
    } else {
        unitCode_ = std::move(code);
    }
}

TFloatColumn::TFloatColumn(TGridTable& table, const TFloatColumn& definition)
    : ValueColumn(table, definition),
      topDepth_(definition.topDepth_),
      unitCode_(definition.unitCode_),
      default_(definition.default_) {}

TFloatColumn* TFloatColumn::Neighbour(int offset) const {
    const int index = Index() + offset;
    if (index < 0 || index >= Table().ColumnCount()) return nullptr;
    return dynamic_cast<TFloatColumn*>(&Table().Column(index));
}

TFloatColumn* TFloatColumn::BottomColumn() const { return topDepth_ ? Neighbour(1) : nullptr; }

TFloatColumn* TFloatColumn::TopColumn() const {
    TFloatColumn* before = Neighbour(-1);
    return before != nullptr && before->topDepth_ ? before : nullptr;
}

void TFloatColumn::CheckLayout() const {
    if (topDepth_ && BottomColumn() == nullptr) {
        throw std::logic_error("If column if a topdepth then the next column must be a float column");
    }
}

long double TFloatColumn::NewCell(int) const { return default_; }

void TFloatColumn::InsertRows(int index, int count) {
    ValueColumn::InsertRows(index, count);
    // The bottom column still holds the old rows: the first new row starts
    // where the row above ends.
    if (TFloatColumn* bottom = BottomColumn(); bottom != nullptr && index > 0) {
        Raw(index) = bottom->Cell(index - 1);
    }
}

void TFloatColumn::DeleteRow(int index) {
    // Joins the rows on either side: the next top meets the previous bottom.
    if (TFloatColumn* bottom = BottomColumn(); bottom != nullptr && index > 0 && index + 1 < CellCount()) {
        Raw(index + 1) = bottom->Cell(index - 1);
    }
    ValueColumn::DeleteRow(index);
}

void TFloatColumn::SetFloat(int row, long double value) {
    const auto [first, last] = StoredRows(row);
    for (int r = first; r < last; ++r) {
        StoreOne(r, value);
        if (TFloatColumn* bottom = BottomColumn(); bottom != nullptr && r > 0) bottom->StoreOne(r - 1, value);
        if (TFloatColumn* top = TopColumn(); top != nullptr && r + 1 < CellCount()) top->StoreOne(r + 1, value);
    }
}

std::string TFloatColumn::GetText(int row) const { return data::FormatGeneral(Cell(row), 8); }

void TFloatColumn::SetText(int row, std::string_view text) { SetFloat(row, data::Evaluate(text)); }

std::string TFloatColumn::CaptionLine(int line) const {
    std::string caption = TColumn::CaptionLine(line);
    if (line == CaptionLineCount() - 1 && !unitCode_.empty()) {
        caption += " (" + data::UnitLabel(unitCode_, Table().UnitSystem()) + ")  ";
    }
    return caption;
}

void TFloatColumn::SetUnits(int system) {
    const long double factor = data::UnitFactor(Table().UnitSystem(), system, unitCode_);
    if (factor == 1) return;
    for (int row = 0; row < CellCount(); ++row) Raw(row) *= factor;
}

void TFloatColumn::WriteDefinition(DefinitionWriter& out) const {
    TColumn::WriteDefinition(out);
    out.WriteBoolean(topDepth_);
    out.WriteString(kFloatColumnMark);
    out.WriteString(unitCode_);
    out.WriteReal(default_);
}

}  // namespace torven::tables
