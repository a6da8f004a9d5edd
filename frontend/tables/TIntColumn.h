#pragma once
// Whole numbers with a default and limits for typed entries.
#include <limits>

#include "frontend/tables/ValueColumn.h"

namespace torven::tables {

class TIntColumn : public ValueColumn<int> {
public:
    explicit TIntColumn(TGridTable& table) : ValueColumn(table) {}
    // Reads the definition from the column-definition stream.
    TIntColumn(TGridTable& table, DefinitionReader& in);
    // The definition of another column, without its cells.
    TIntColumn(TGridTable& table, const TIntColumn& definition);

    ColumnKey Key() const override { return ColumnKey::Int; }
    int Default() const { return default_; }
    void SetDefault(int value) { default_ = value; }
    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    void SetLimits(int minValue, int maxValue) {
        minValue_ = minValue;
        maxValue_ = maxValue;
    }

    int GetInt(int row) const override { return Cell(row); }
    void SetInt(int row, int value) override { Store(row, value); }
    std::string GetText(int row) const override { return std::to_string(Cell(row)); }
    // The limits apply to what the user types in the edit window; file
    // reading goes through SetInt.
    void SetText(int row, std::string_view text) override;
    double MinimumWidthInches() const override { return 0.5; }
    void WriteDefinition(DefinitionWriter& out) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override {
        return std::make_unique<TIntColumn>(table, *this);
    }

protected:
    int NewCell(int) const override { return default_; }

private:
    int default_ = 0;
    int minValue_ = std::numeric_limits<int>::min();
    int maxValue_ = std::numeric_limits<int>::max();
};

}  // namespace torven::tables
