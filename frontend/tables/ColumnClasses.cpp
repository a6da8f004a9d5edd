#include "frontend/tables/ColumnClasses.h"

#include <array>

#include "frontend/tables/TEnumColumn.h"
#include "frontend/tables/TFloatColumn.h"
#include "frontend/tables/TIntColumn.h"
#include "frontend/tables/TStringColumn.h"
#include "frontend/tables/TTableColumn.h"

namespace torven::tables {

namespace {

template <class Column>
std::unique_ptr<TColumn> CreateFromStream(TGridTable& table, DefinitionReader& in) {
    return std::make_unique<Column>(table, in);
}

}  // namespace

ColumnFactory FindColumnClass(int key) {
    // Indexed by ColumnKey.
    static constexpr std::array<ColumnFactory, 5> kClasses = {
        &CreateFromStream<TEnumColumn>, &CreateFromStream<TIntColumn>, &CreateFromStream<TFloatColumn>,
        &CreateFromStream<TTableColumn>, &CreateFromStream<TStringColumn>};
    return key >= 0 && key < static_cast<int>(kClasses.size()) ? kClasses[key] : nullptr;
}

}  // namespace torven::tables
