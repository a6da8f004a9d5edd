#include "frontend/tables/TableRegistry.h"

#include <algorithm>

#include "frontend/tables/TGridTable.h"

namespace torven::tables {

int TableRegistry::Register(TGridTable& table) {
    tables_.push_back(&table);
    return next_++;
}

void TableRegistry::Unregister(const TGridTable& table) { std::erase(tables_, &table); }

void TableRegistry::Claim(TGridTable& table, int identifier) {
    if (identifier < 0) return;
    for (TGridTable* other : tables_) {
        if (other != &table && other->identifier_ == identifier) other->identifier_ = table.identifier_;
    }
    table.identifier_ = identifier;
    // New tables never take an identifier that was given by hand.
    next_ = std::max(next_, identifier + 1);
}

TGridTable* TableRegistry::Find(int identifier) const {
    for (TGridTable* table : tables_) {
        if (table->identifier_ == identifier) return table;
    }
    return nullptr;
}

// The registries are never destroyed: a table with static storage (the main
// window's, say) unregisters itself at exit, after any function-local static
// made later would already be gone.
TableRegistry& GridTableRegistry() {
    static TableRegistry* const registry = new TableRegistry;
    return *registry;
}

TableRegistry& ChartTableRegistry() {
    static TableRegistry* const registry = new TableRegistry;
    return *registry;
}

}  // namespace torven::tables
