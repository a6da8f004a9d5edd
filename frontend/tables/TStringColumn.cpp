#include "frontend/tables/TStringColumn.h"

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"

namespace torven::tables {

TStringColumn::TStringColumn(TGridTable& table, DefinitionReader& in) : ValueColumn(table, in) {
    defaultText_ = in.ReadString();
    widthInches_ = in.ReadReal();
}

TStringColumn::TStringColumn(TGridTable& table, const TStringColumn& definition)
    : ValueColumn(table, definition), defaultText_(definition.defaultText_), widthInches_(definition.widthInches_) {}

void TStringColumn::WriteDefinition(DefinitionWriter& out) const {
    TColumn::WriteDefinition(out);
    out.WriteString(defaultText_);
    out.WriteReal(widthInches_);
}

}  // namespace torven::tables
