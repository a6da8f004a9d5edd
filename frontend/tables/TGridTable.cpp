#include "frontend/tables/TGridTable.h"

#include <algorithm>
#include <stdexcept>

#include "frontend/data/UnitSystem.h"
#include "frontend/tables/TEnumColumn.h"
#include "frontend/tables/TTableColumn.h"
#include "frontend/tables/TableEditor.h"
#include "frontend/tables/TableRegistry.h"

namespace torven::tables {

TGridTable::TGridTable(TGridTable* owner) : TGridTable(GridTableRegistry(), owner) {}

TGridTable::TGridTable(TableRegistry& registry, TGridTable* owner)
    : registry_(registry), owner_(owner), unitSystem_(owner != nullptr ? owner->unitSystem_ : data::kEnglish) {
    identifier_ = registry_.Register(*this);
}

TGridTable::~TGridTable() {
    CloseEditor();
    // Nested tables go first, while this table is still whole.
    columns_.clear();
    registry_.Unregister(*this);
}

void TGridTable::SetIdentifier(int identifier) { registry_.Claim(*this, identifier); }

void TGridTable::SetMinRows(int rows) {
    if (rows <= 0) {
        if (!loading_) throw std::invalid_argument("Value must be greater than 0");
        rows = 1;
    }
    minRows_ = rows;
}

TColumn& TGridTable::Column(int index) const {
    if (index < 0 || index >= ColumnCount()) {
        throw std::out_of_range("Column " + std::to_string(index) + " is not in the table \"" + caption_ + "\"");
    }
    return *columns_[index];
}

int TGridTable::VisibleColumnCount() const {
    return static_cast<int>(std::ranges::count_if(columns_, [](const auto& c) { return c->Visible(); }));
}

TColumn& TGridTable::VisibleColumn(int index) const {
    for (const auto& column : columns_) {
        if (column->Visible() && index-- == 0) return *column;
    }
    throw std::out_of_range("Visible column " + std::to_string(index) + " is not in the table \"" + caption_ + "\"");
}

int TGridTable::IndexOf(const TColumn& column) const {
    for (int i = 0; i < ColumnCount(); ++i) {
        if (columns_[i].get() == &column) return i;
    }
    return -1;
}

TColumn& TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
    columns_.push_back(std::move(column));
    columns_.back()->InsertRows(0, rowCount_);
    return *columns_.back();
}

const TEnumColumn* TGridTable::ChoiceColumn() const {
    return columns_.empty() ? nullptr : dynamic_cast<const TEnumColumn*>(columns_.front().get());
}

TData TGridTable::Cell(int column, int row) const { return TData(Column(column), row); }

void TGridTable::InsertRows(int index, int count) {
    if (count <= 0) return;
    // Checked first, so a failure leaves every column as it was.
    for (const auto& column : columns_) column->CheckLayout();
    for (const auto& column : columns_) column->InsertRows(index, count);
    rowCount_ += count;
}

void TGridTable::DeleteRow(int index) {
    for (const auto& column : columns_) column->DeleteRow(index);
    --rowCount_;
}

void TGridTable::SetRowCount(int count) {
    count = std::max(count, 0);
    while (rowCount_ > count) DeleteRow(rowCount_ - 1);
    while (rowCount_ < count) InsertRows(rowCount_, std::min(rowGroup_, count - rowCount_));
    TableChanged();
}

void TGridTable::AddRowGroup() {
    InsertRows(rowCount_, rowGroup_);
    TableChanged();
}

void TGridTable::InsertRowGroup(int row) {
    if (row < 0 || row > rowCount_) {
        throw std::out_of_range("Row " + std::to_string(row) + " is not in the table \"" + caption_ + "\"");
    }
    InsertRows(row / rowGroup_ * rowGroup_, rowGroup_);
    TableChanged();
}

void TGridTable::DeleteRowGroup(int row) {
    if (row < 0 || row >= rowCount_) {
        throw std::out_of_range("Row " + std::to_string(row) + " is not in the table \"" + caption_ + "\"");
    }
    const int first = row / rowGroup_ * rowGroup_;
    for (int i = 0; i < rowGroup_ && first < rowCount_; ++i) DeleteRow(first);
    TableChanged();
}

void TGridTable::SetTableUnits(int system) {
    system = data::ClampUnitSystem(system);
    if (system == unitSystem_) return;
    for (const auto& column : columns_) column->SetUnits(system);
    unitSystem_ = system;
    TableChanged();
}

bool TGridTable::IsModified() const {
    return modified_ || std::ranges::any_of(columns_, [](const auto& c) { return c->IsModified(); });
}

void TGridTable::SetModified(bool modified) {
    modified_ = modified;
    if (modified) return;
    for (const auto& column : columns_) column->ResetModified();
}

void TGridTable::CloseEditor() {
    if (editor_ != nullptr) {
        TableEditor* editor = editor_;
        editor_ = nullptr;
        editor->Close();
    }
    for (const auto& column : columns_) column->CloseEditors();
}

std::unique_ptr<TGridTable> TGridTable::CreateBlank(TGridTable* owner) const {
    return std::make_unique<TGridTable>(owner);
}

void TGridTable::CopyLayout(const TGridTable& from) {
    caption_ = from.caption_;
    comments_ = from.comments_;
    topLeft_ = from.topLeft_;
    helpPicture_ = from.helpPicture_;
    minRows_ = from.minRows_;
    maxRows_ = from.maxRows_;
}

std::unique_ptr<TGridTable> TGridTable::CreateNested(TGridTable& owner) const {
    auto nested = CreateBlank(&owner);
    nested->CopyLayout(*this);
    for (const auto& column : columns_) nested->AddColumn(column->Clone(*nested));
    return nested;
}

void TGridTable::CellChanged(const TColumn& column, int row, bool valueDiffers) {
    const int index = IndexOf(column);
    if (index == 0 && valueDiffers && ChoiceColumn() != nullptr) {
        for (const auto& other : columns_) {
            if (auto* nested = dynamic_cast<TTableColumn*>(other.get())) nested->RebuildRow(row);
        }
    }
    if (editor_ != nullptr) editor_->CellChanged(index, row);
}

void TGridTable::TableChanged() const {
    if (editor_ != nullptr) editor_->TableChanged();
}

}  // namespace torven::tables
