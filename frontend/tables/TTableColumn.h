#pragma once
// One nested grid table per row, built from a template table.
#include <memory>
#include <vector>

#include "frontend/tables/TColumn.h"
#include "frontend/tables/TGridTableList.h"

namespace torven::tables {

class TTableColumn : public TColumn {
public:
    explicit TTableColumn(TGridTable& table);
    ~TTableColumn() override;
    // Reads the definition from the column-definition stream.
    TTableColumn(TGridTable& table, DefinitionReader& in);
    // The definition of another column, without its cells.
    TTableColumn(TGridTable& table, const TTableColumn& definition);

    ColumnKey Key() const override { return ColumnKey::Table; }
    // Entry i serves rows whose first-column choice is i + 1 when the first
    // column is a choice column; otherwise entry 0 serves every row.
    const TGridTableList& Templates() const { return templates_; }
    void SetTemplates(TGridTableList templates);
    // Keeps one entry per choice of the table's first column.
    void FitTemplatesToChoices();

    int CellCount() const override { return static_cast<int>(tables_.size()); }
    void InsertRows(int index, int count) override;
    void DeleteRow(int index) override;
    TGridTable& GetTable(int row) const override;
    // Replaces the row's table by a fresh one from the template of its choice.
    void RebuildRow(int row);
    // "2: Sand" on the button of the second row.
    std::string ButtonCaption(int row) const;

    bool IsModified() const override;
    void ResetModified() override;
    void CloseEditors() override;
    double MinimumWidthInches() const override { return 2.0; }
    void SetUnits(int system) override;
    bool UsesControls() const override { return true; }
    void WriteDefinition(DefinitionWriter& out) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override {
        return std::make_unique<TTableColumn>(table, *this);
    }

private:
    std::unique_ptr<TGridTable> BuildRow(int row) const;
    void Renumber(int from);

    TGridTableList templates_;
    std::vector<std::unique_ptr<TGridTable>> tables_;
};

}  // namespace torven::tables
