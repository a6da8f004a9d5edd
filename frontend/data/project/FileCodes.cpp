#include "frontend/data/project/FileCodes.h"

#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/tables/TGridTable.h"

namespace torven::data {

namespace {
constexpr int kGeneratedTriangular = 2;
}

void EmptyUnlessUsed(TProgramData& project, bool used, std::string_view table) {
    if (!used) project.Table(table).SetRowCount(0);
}

void PrepareDataSet(TProgramData& p, bool longTerm) {
    EmptyUnlessUsed(p, p.UseConcLoads, tbl::kConcentratedLoads);
    EmptyUnlessUsed(p, p.UseRestraints, tbl::kRestraints);
    EmptyUnlessUsed(p, p.UseUserPY, tbl::kPYCurves);

    if (p.UseUserPressure) {
        p.KEP = 1;
        p.GenPressure = false;
    } else if (p.GenPY || p.GenPressure) {
        p.KEP = longTerm ? kGeneratedTriangular : p.EarthPressureMode;
    } else {
        p.KEP = 0;
    }
    p.KPY = p.GenPY ? 2 : (p.UseUserPY ? 1 : 0);
    p.NMEI = p.UseMEI ? p.Table(tbl::kMEICurves).RowCount() : 0;
    p.NTieback = p.UseTiebacks ? p.Table(tbl::kTiebacks).RowCount() : 0;
    EmptyUnlessUsed(p, p.UsePYMod, tbl::kPYModifiers);
}

void ApplyControlCodes(TProgramData& p, int kep, int kpy, bool longTerm) {
    p.KEP = kep;
    p.KPY = kpy;
    p.GenPressure = longTerm ? kep == kGeneratedTriangular : kep > 1;
    p.GenPY = kpy == 2 && (longTerm || kep != 0);
    p.UseUserPressure = kep == 1;
    p.UseUserPY = kpy == 1;
}

}  // namespace torven::data
