#pragma once
// Reals in the table's unit system, tagged with a unit code.
#include "frontend/tables/ValueColumn.h"

namespace torven::tables {

class TFloatColumn : public ValueColumn<long double> {
public:
    explicit TFloatColumn(TGridTable& table) : ValueColumn(table) {}
    // Reads the definition from the column-definition stream.
    TFloatColumn(TGridTable& table, DefinitionReader& in);
    // The definition of another column, without its cells.
    TFloatColumn(TGridTable& table, const TFloatColumn& definition);

    ColumnKey Key() const override { return ColumnKey::Float; }
    // A top-depth column is followed by the bottom-depth column; each row's
    // top is the bottom of the row above.
    bool TopDepth() const { return topDepth_; }
    void SetTopDepth(bool topDepth) { topDepth_ = topDepth; }
    const std::string& UnitCode() const { return unitCode_; }
    void SetUnitCode(std::string code) { unitCode_ = std::move(code); }
    long double Default() const { return default_; }
    void SetDefault(long double value) { default_ = value; }

    void InsertRows(int index, int count) override;
    void DeleteRow(int index) override;
    void CheckLayout() const override;
    // The last line carries the unit label.
    std::string CaptionLine(int line) const override;
    long double GetFloat(int row) const override { return Cell(row); }
    void SetFloat(int row, long double value) override;
    std::string GetText(int row) const override;
    void SetText(int row, std::string_view text) override;
    double MinimumWidthInches() const override { return 0.5; }
    void SetUnits(int system) override;
    void WriteDefinition(DefinitionWriter& out) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override {
        return std::make_unique<TFloatColumn>(table, *this);
    }

protected:
    long double NewCell(int) const override;

private:
    // The float column beside this one, or nullptr.
    TFloatColumn* Neighbour(int offset) const;
    // This column's bottom partner when it is a top-depth column, and the
    // other way round.
    TFloatColumn* BottomColumn() const;
    TFloatColumn* TopColumn() const;

    bool topDepth_ = false;
    std::string unitCode_;
    long double default_ = 0;
};

}  // namespace torven::tables
