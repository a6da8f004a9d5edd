#pragma once
// Free text, stored as typed.
#include "frontend/tables/ValueColumn.h"

namespace torven::tables {

class TStringColumn : public ValueColumn<std::string> {
public:
    explicit TStringColumn(TGridTable& table) : ValueColumn(table) {}
    // Reads the definition from the column-definition stream.
    TStringColumn(TGridTable& table, DefinitionReader& in);
    // The definition of another column, without its cells.
    TStringColumn(TGridTable& table, const TStringColumn& definition);

    ColumnKey Key() const override { return ColumnKey::String; }
    const std::string& DefaultText() const { return defaultText_; }
    void SetDefaultText(std::string text) { defaultText_ = std::move(text); }
    // Minimum display width.
    long double WidthInches() const { return widthInches_; }
    void SetWidthInches(long double inches) { widthInches_ = inches; }

    std::string GetText(int row) const override { return Cell(row); }
    void SetText(int row, std::string_view text) override { Store(row, std::string(text)); }
    double MinimumWidthInches() const override { return static_cast<double>(widthInches_); }
    void WriteDefinition(DefinitionWriter& out) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override {
        return std::make_unique<TStringColumn>(table, *this);
    }

protected:
    std::string NewCell(int) const override { return defaultText_; }

private:
    std::string defaultText_;
    long double widthInches_ = 0;
};

}  // namespace torven::tables
