#include "frontend/data/project/TProgramData.h"

#include <algorithm>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/tables/TableSet.h"

namespace torven::data {

TProgramData::TProgramData(tables::TableSet& tables, ProjectCallbacks callbacks)
    : tables_(&tables), callbacks_(std::move(callbacks)) {}

std::unique_ptr<TProgramData> TProgramData::CreateNew(tables::TableSet& tables, ProjectCallbacks callbacks) {
    auto project = std::make_unique<TProgramData>(tables, std::move(callbacks));
    project->Callbacks().CloseChildWindows();
    for (int i = 0; i < tables.Count(); ++i) tables.At(i).CloseEditor();
    project->SetUnitSystem(kEnglish);
    for (int i = 0; i < tables.Count(); ++i) {
        tables::TGridTable& table = tables.At(i);
        table.SetRowCount(0);
        // A new project has no curve sets at all.
        const bool curveSets = tables.Name(i) == tbl::kPYCurves || tables.Name(i) == tbl::kMEICurves;
        if (!curveSets) table.SetRowCount(table.MinRows());
    }
    project->SetModified(false);
    return project;
}

bool TProgramData::IsModified() const {
    if (modified_) return true;
    for (int i = 0; i < tables_->Count(); ++i) {
        if (tables_->At(i).IsModified()) return true;
    }
    return false;
}

void TProgramData::SetModified(bool modified) {
    modified_ = modified;
    if (modified) return;
    for (int i = 0; i < tables_->Count(); ++i) tables_->At(i).SetModified(false);
}

tables::TGridTable& TProgramData::Table(std::string_view name) const { return tables_->Table(name); }

}  // namespace torven::data
