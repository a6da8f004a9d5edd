#pragma once
// Tables owned together under their names, as the main window holds them.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/tables/TGridTable.h"

namespace torven::tables {

class TGridTableChart;

class TableSet {
public:
    void Add(std::string name, std::unique_ptr<TGridTable> table);
    // nullptr for an unknown name.
    TGridTable* Find(std::string_view name) const;
    // Unknown names, or a plain table asked for as a chart, throw std::out_of_range.
    TGridTable& Table(std::string_view name) const;
    TGridTableChart& Chart(std::string_view name) const;

    int Count() const { return static_cast<int>(tables_.size()); }
    const std::string& Name(int index) const { return tables_.at(index).first; }
    TGridTable& At(int index) const { return *tables_.at(index).second; }

private:
    std::vector<std::pair<std::string, std::unique_ptr<TGridTable>>> tables_;
};

}  // namespace torven::tables
