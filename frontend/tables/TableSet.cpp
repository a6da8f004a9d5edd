#include "frontend/tables/TableSet.h"

#include <stdexcept>

#include "frontend/tables/TGridTableChart.h"

namespace torven::tables {

void TableSet::Add(std::string name, std::unique_ptr<TGridTable> table) {
    tables_.emplace_back(std::move(name), std::move(table));
}

TGridTable* TableSet::Find(std::string_view name) const {
    for (const auto& [tableName, table] : tables_) {
        if (tableName == name) return table.get();
    }
    return nullptr;
}

TGridTable& TableSet::Table(std::string_view name) const {
    TGridTable* table = Find(name);
    if (table == nullptr) throw std::out_of_range("There is no table " + std::string(name));
    return *table;
}

TGridTableChart& TableSet::Chart(std::string_view name) const {
    auto* chart = dynamic_cast<TGridTableChart*>(&Table(name));
    if (chart == nullptr) throw std::out_of_range("The table " + std::string(name) + " is not a curve table");
    return *chart;
}

}  // namespace torven::tables
