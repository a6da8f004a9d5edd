#include <string_view>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/tables/TGridTable.h"
#include "frontend/tables/TableSet.h"

namespace torven::data {

namespace {

struct ItemFactors {
    long double length = 1;
    long double force = 1;
};

// The project's own factors are the rounded ones the program always used,
// so items come back from a round trip multiplied by 0.0254 * 39.3701.
ItemFactors FactorsFor(int from, int to) {
    if (from == kEnglish && to == kSI) return {0.0254L, 0.004448222468060650624L};
    if (from == kSI && to == kEnglish) return {39.3701L, 224.8089L};
    return {};
}

// The magnitude column's unit depends on each row's load type, so the
// table switch leaves it alone and the project converts it here.
void ConvertSurchargeMagnitudes(tables::TGridTable& surcharges, const ItemFactors& f) {
    for (int row = 0; row < surcharges.RowCount(); ++row) {
        const tables::TData magnitude = surcharges.Cell(tbl::kSurchargeMagnitudeColumn, row);
        switch (surcharges.Cell(tbl::kSurchargeTypeColumn, row).GetInt()) {
            case tbl::kPointLoad: magnitude.SetFloat(magnitude.GetFloat() * f.force); break;
            case tbl::kLineLoad: magnitude.SetFloat(magnitude.GetFloat() * f.force / f.length); break;
            case tbl::kStripLoad:
                magnitude.SetFloat(magnitude.GetFloat() * f.force / (f.length * f.length));
                break;
            default: break;
        }
    }
}

}  // namespace

void TProgramData::SetUnitSystem(int system) {
    system = ClampUnitSystem(system);
    const ItemFactors f = FactorsFor(Units, system);
    for (long double* length : {&IncrementLength, &MaxDeflection, &DeflTolerance, &FreeHeight, &WidthActive, &WidthPY,
                                &WaterDepthBackfill, &WaterDepthExcavation, &Legacy.distance, &Legacy.stripWidth}) {
        *length *= f.length;
    }
    Legacy.pointLoad *= f.force;
    Legacy.lineLoad *= f.force / f.length;
    Legacy.stripLoad *= f.force / (f.length * f.length);
    UniformSurcharge *= f.force / (f.length * f.length);
    Units = system;

    for (int i = 0; i < Tables().Count(); ++i) Tables().At(i).SetTableUnits(system);
    callbacks_.RefreshUnitFields();
    if (tables::TGridTable* surcharges = Tables().Find(tbl::kSurcharges); surcharges != nullptr) {
        ConvertSurchargeMagnitudes(*surcharges, f);
    }
}

}  // namespace torven::data
