#pragma once
// Template tables named by identifier, looked up when a nested table is built.
#include <vector>

namespace torven::tables {

class TGridTable;
class TableRegistry;

class TGridTableList {
public:
    static constexpr int kNone = -1;

    TGridTableList() = default;
    explicit TGridTableList(std::vector<int> identifiers) : identifiers_(std::move(identifiers)) {}

    int Count() const { return static_cast<int>(identifiers_.size()); }
    const std::vector<int>& Identifiers() const { return identifiers_; }
    // Pads with entries that name no table, or drops entries at the end.
    void Resize(int count);

    // The entry's table, or nullptr for an index outside the list, an entry
    // that names no table or an identifier nobody holds.
    TGridTable* Find(int index, const TableRegistry& registry) const;

private:
    std::vector<int> identifiers_;
};

}  // namespace torven::tables
