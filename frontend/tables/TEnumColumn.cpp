#include "frontend/tables/TEnumColumn.h"

#include <cmath>

#include "frontend/data/AssignError.h"
#include "frontend/data/Evaluator.h"
#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"

namespace torven::tables {

TEnumColumn::TEnumColumn(TGridTable& table, DefinitionReader& in)
    : ValueColumn(table, in), choices_(in.ReadStringList()) {}

TEnumColumn::TEnumColumn(TGridTable& table, const TEnumColumn& definition)
    : ValueColumn(table, definition), choices_(definition.choices_) {}

void TEnumColumn::SetText(int row, std::string_view text) {
    const long double value = data::Evaluate(text);
    if (value != std::trunc(value) || value < -2147483648.0L || value > 2147483647.0L) {
        throw data::AssignError("Value must be an integer.");
    }
    SetInt(row, static_cast<int>(value));
}

void TEnumColumn::WriteDefinition(DefinitionWriter& out) const {
    TColumn::WriteDefinition(out);
    out.WriteStringList(choices_);
}

}  // namespace torven::tables
