#include "frontend/tables/TIntColumn.h"

#include <cmath>

#include "frontend/data/AssignError.h"
#include "frontend/data/Evaluator.h"
#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/TGridTable.h"

namespace torven::tables {

namespace {

[[noreturn]] void OutsideLimits(int minValue, int maxValue) {
    throw data::AssignError("Entry must be between " + std::to_string(minValue) + " and " +
                            std::to_string(maxValue) + ".");
}

}  // namespace

TIntColumn::TIntColumn(TGridTable& table, DefinitionReader& in) : ValueColumn(table, in) {
    default_ = in.ReadInteger();
    minValue_ = in.ReadInteger();
    maxValue_ = in.ReadInteger();
}

TIntColumn::TIntColumn(TGridTable& table, const TIntColumn& definition)
    : ValueColumn(table, definition),
      default_(definition.default_),
      minValue_(definition.minValue_),
      maxValue_(definition.maxValue_) {}

void TIntColumn::SetText(int row, std::string_view text) {
    const long double value = data::Evaluate(text);
    const bool editing = Table().Editor() != nullptr;
    if (editing && std::fabs(value - std::trunc(value)) > 1e-10L) {
        throw data::AssignError("Entry must be an integer.");
    }
    // The limits hold for the value as typed, before it is rounded.
    if (editing && (value < minValue_ || value > maxValue_)) OutsideLimits(minValue_, maxValue_);
    const long double rounded = std::nearbyint(value);  // halves to even
    // Whatever the limits, a cell holds a 32-bit integer.
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) {
        OutsideLimits(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    }
    SetInt(row, static_cast<int>(rounded));
}

void TIntColumn::WriteDefinition(DefinitionWriter& out) const {
    TColumn::WriteDefinition(out);
    out.WriteInteger(default_);
    out.WriteInteger(minValue_);
    out.WriteInteger(maxValue_);
}

}  // namespace torven::tables
