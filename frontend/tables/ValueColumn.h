#pragma once
// Column storage for one plain value per row.
#include <vector>

#include "frontend/tables/TColumn.h"

namespace torven::tables {

template <class Value>
class ValueColumn : public TColumn {
public:
    int CellCount() const override { return static_cast<int>(cells_.size()); }

    void InsertRows(int index, int count) override {
        for (int i = 0; i < count; ++i) {
            cells_.insert(cells_.begin() + index + i, NewCell(index + i));
        }
    }

    void DeleteRow(int index) override {
        CheckRow(index);
        cells_.erase(cells_.begin() + index);
    }

protected:
    using TColumn::TColumn;

    // Value of a cell inserted at row (the rows before it already exist).
    virtual Value NewCell(int row) const = 0;

    const Value& Cell(int row) const {
        CheckRow(row);
        return cells_[row];
    }

    // Stores into the row, or its whole group, and reports each cell.
    void Store(int row, const Value& value) {
        const auto [first, last] = StoredRows(row);
        for (int r = first; r < last; ++r) StoreOne(r, value);
    }

    void StoreOne(int row, const Value& value) {
        const bool differs = !(cells_[row] == value);
        cells_[row] = value;
        Changed(row, differs);
    }

    // Unit conversion and linked values write without the group rule.
    Value& Raw(int row) { return cells_[row]; }

private:
    std::vector<Value> cells_;
};

}  // namespace torven::tables
