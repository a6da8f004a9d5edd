#include "frontend/tables/TGridTableList.h"

#include "frontend/tables/TableRegistry.h"

namespace torven::tables {

void TGridTableList::Resize(int count) { identifiers_.resize(count < 0 ? 0 : count, kNone); }

TGridTable* TGridTableList::Find(int index, const TableRegistry& registry) const {
    if (index < 0 || index >= Count() || identifiers_[index] < 0) return nullptr;
    return registry.Find(identifiers_[index]);
}

}  // namespace torven::tables
