#pragma once
// A choice among named items, stored as its 1-based index.
#include "frontend/tables/ValueColumn.h"

namespace torven::tables {

class TEnumColumn : public ValueColumn<int> {
public:
    explicit TEnumColumn(TGridTable& table) : ValueColumn(table) {}
    // Reads the definition from the column-definition stream.
    TEnumColumn(TGridTable& table, DefinitionReader& in);
    // The definition of another column, without its cells.
    TEnumColumn(TGridTable& table, const TEnumColumn& definition);

    ColumnKey Key() const override { return ColumnKey::Enum; }
    const std::vector<std::string>& Choices() const { return choices_; }
    void SetChoices(std::vector<std::string> choices) { choices_ = std::move(choices); }

    int GetInt(int row) const override { return Cell(row); }
    void SetInt(int row, int value) override { Store(row, value); }
    std::string GetText(int row) const override { return std::to_string(Cell(row)); }
    void SetText(int row, std::string_view text) override;
    double MinimumWidthInches() const override { return 1.5; }
    bool UsesControls() const override { return true; }
    void WriteDefinition(DefinitionWriter& out) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override {
        return std::make_unique<TEnumColumn>(table, *this);
    }

protected:
    int NewCell(int) const override { return 1; }

private:
    std::vector<std::string> choices_;
};

}  // namespace torven::tables
