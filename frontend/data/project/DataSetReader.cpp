#include "frontend/data/project/DataSetReader.h"

#include <algorithm>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/FileCodes.h"
#include "frontend/data/project/FileLayout.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/SoilRecords.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TWordReader.h"
#include "frontend/data/project/TableRecords.h"
#include "frontend/tables/TFloatColumn.h"
#include "frontend/tables/TGridTable.h"

namespace torven::data {

namespace {

using tables::TGridTable;

constexpr int kTiebackValuesWithoutForce = 6;
constexpr int kPrestressColumn = 6;

int ReadCountInto(TWordReader& in, TGridTable& table) {
    table.SetRowCount(ReadCount(in));
    return table.RowCount();
}

void ReadRows(TWordReader& in, TGridTable& table, RowLayout layout) {
    for (int row = 0; row < table.RowCount(); ++row) ReadRow(in, table, row, layout);
}

void ReadControlRecord(TWordReader& in, TProgramData& p, const FileLayout& layout, bool longTerm) {
    p.SetUnitSystem(in.ReadInteger());
    p.UseRestraints = ReadCountInto(in, p.Table(tbl::kRestraints)) > 0;
    p.UseConcLoads = false;
    ReadCountInto(in, p.Table(tbl::kStiffness));
    const int pyModifiers = ReadCountInto(in, p.Table(tbl::kPYModifiers));
    const int kep = in.ReadInteger();
    const int kpy = in.ReadInteger();
    // A long-term set always says 2; the short-term set holds the choice.
    if (!longTerm) p.EarthPressureMode = kep;
    ApplyControlCodes(p, kep, kpy, longTerm);
    p.UsePYMod = pyModifiers > 0;
    if (ReadCountInto(in, p.Table(tbl::kPYCurves)) > 0) p.UseUserPY = true;
    if (layout.numStages) p.NumStages = std::clamp(in.ReadInteger(), 1, kMaxStages);
    // Counts a layout lacks are 0.
    p.NMEI = layout.meiCount ? ReadCountInto(in, p.Table(tbl::kMEICurves)) : 0;
    if (!layout.meiCount) p.Table(tbl::kMEICurves).SetRowCount(0);
    p.UseMEI = p.NMEI > 0;
    p.NTieback = layout.tiebackCount ? ReadCountInto(in, p.Table(tbl::kTiebacks)) : 0;
    if (!layout.tiebackCount) p.Table(tbl::kTiebacks).SetRowCount(0);
    p.UseTiebacks = p.NTieback > 0;
}

void ReadWallRecord(TWordReader& in, TProgramData& p, const FileLayout& layout) {
    p.NumIncrements = in.ReadInteger();
    for (long double* value : {&p.IncrementLength, &p.MaxDeflection, &p.DeflTolerance, &p.FreeHeight}) {
        *value = in.ReadFloat();
    }
    // The soil record repeats WidthActive and wins when present; without it
    // this is the only place the file keeps the width the tiebacks use.
    if (layout.tiebackCount) p.WidthActive = in.ReadFloat();
}

void ReadCountedRows(TWordReader& in, TGridTable& table, RowLayout layout, bool& option) {
    if (ReadCountInto(in, table) > 0) option = true;
    ReadRows(in, table, layout);
}

// Rows without the prestressing force keep the column's default.
void ReadTiebacks(TWordReader& in, TGridTable& tiebacks) {
    for (int row = 0; row < tiebacks.RowCount(); ++row) {
        for (int i = 0; i < kTiebackValuesWithoutForce; ++i) ReadField(in, tiebacks, row, rows::kTieback[i]);
        if (in.WordCount() > kTiebackValuesWithoutForce) {
            ReadField(in, tiebacks, row, rows::kTieback[kPrestressColumn]);
        } else {
            const auto& force = dynamic_cast<const tables::TFloatColumn&>(tiebacks.Column(kPrestressColumn));
            tiebacks.Cell(kPrestressColumn, row).SetFloat(force.Default());
        }
    }
}

// Older layouts hold one surcharge in R11b; it becomes a point, a line and a
// strip load row. Its distance and width are in file units, metres in SI,
// while the table shows millimetres there.
void SurchargeRowsFromLegacy(TProgramData& p) {
    if (p.Legacy.distance <= 0) return;
    TGridTable& surcharges = p.Table(tbl::kSurcharges);
    const long double toCell = surcharges.UnitSystem() == kSI ? 1000.0L : 1.0L;
    const long double magnitudes[] = {p.Legacy.pointLoad, p.Legacy.lineLoad, p.Legacy.stripLoad};
    surcharges.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        surcharges.Cell(tbl::kSurchargeTypeColumn, row).SetInt(tbl::kPointLoad + row);
        surcharges.Cell(tbl::kSurchargeMagnitudeColumn, row).SetFloat(magnitudes[row]);
        surcharges.Cell(2, row).SetFloat(p.Legacy.distance * toCell);
        surcharges.Cell(3, row).SetFloat(p.Legacy.stripWidth * toCell);
    }
    p.UseSurcharge = true;
}

void ReadSoilRecord(TWordReader& in, TProgramData& p, const FileLayout& layout, bool longTerm) {
    for (long double* value : {&p.FreeHeight, &p.WidthActive, &p.WidthPY, &p.WaterDepthBackfill,
                               &p.WaterDepthExcavation, &p.ActiveFactor}) {
        *value = in.ReadFloat();
    }
    // Older files stored a default of 0.036 where 1.0 is meant.
    if (p.ActiveFactor == 0.036L) p.ActiveFactor = 1.0L;
    p.WallCode = in.ReadInteger();
    p.BackfillSlope = in.ReadFloat();
    for (long double* value : {&p.UniformSurcharge, &p.Legacy.distance, &p.Legacy.pointLoad, &p.Legacy.lineLoad,
                               &p.Legacy.stripLoad, &p.Legacy.stripWidth}) {
        *value = in.ReadFloat();
    }
    if (layout.meiCount) {
        ReadCountedRows(in, p.Table(tbl::kSurcharges), rows::kSurcharge, p.UseSurcharge);
    } else {
        SurchargeRowsFromLegacy(p);
    }
    ReadSoilLayers(in, p.Table(longTerm ? tbl::kLongSoil : tbl::kSoil), longTerm, layout.oldSoilForm);
}

void ReadPYCurves(TWordReader& in, TGridTable& sets, const FileLayout& layout) {
    for (int row = 0; row < sets.RowCount(); ++row) {
        ReadField(in, sets, row, {tbl::kPYCurveNodeColumn});
        TGridTable& curve = sets.Cell(tbl::kPYCurvePointsColumn, row).GetTable();
        curve.SetRowCount(ReadCount(in));
        curve.SetCaptionNumber(row + 1);
        // Layouts without multipliers keep 1.0.
        sets.Cell(tbl::kPYCurvePMultiplierColumn, row).SetFloat(1.0L);
        sets.Cell(tbl::kPYCurveYMultiplierColumn, row).SetFloat(1.0L);
        if (layout.meiCount) {
            ReadField(in, sets, row, {tbl::kPYCurvePMultiplierColumn});
            ReadField(in, sets, row, {tbl::kPYCurveYMultiplierColumn});
        }
        ReadRows(in, curve, rows::kCurvePoint);
    }
}

void ReadMEICurves(TWordReader& in, TGridTable& curves) {
    for (int row = 0; row < curves.RowCount(); ++row) {
        ReadField(in, curves, row, {0});
        ReadField(in, curves, row, {1});
        TGridTable& points = curves.Cell(tbl::kMEIPointsColumn, row).GetTable();
        points.SetRowCount(ReadCount(in));
        points.SetCaptionNumber(row + 1);
        ReadRows(in, points, rows::kCurvePoint);
    }
}

}  // namespace

void ReadDataSet(TWordReader& in, TProgramData& p, const FileLayout& layout, bool longTerm) {
    ReadControlRecord(in, p, layout, longTerm);
    ReadWallRecord(in, p, layout);

    if (p.UseRestraints) ReadRows(in, p.Table(tbl::kRestraints), rows::kRestraint);
    ReadRows(in, p.Table(tbl::kStiffness), rows::kStiffness);
    ReadCountedRows(in, p.Table(tbl::kConcentratedLoads), rows::kConcentratedLoad, p.UseConcLoads);
    ReadCountedRows(in, p.Table(tbl::kSprings), rows::kSpring, p.UseSprings);
    ReadTiebacks(in, p.Table(tbl::kTiebacks));
    if (p.UsePYMod) ReadRows(in, p.Table(tbl::kPYModifiers), rows::kPYModifier);
    if (p.KEP == 1) {
        TGridTable& pressures = p.Table(longTerm ? tbl::kLongDist : tbl::kDistLoad);
        ReadCountInto(in, pressures);
        ReadRows(in, pressures, rows::kDistributedLoad);
        p.EarthPressureMode = 1;
        p.UseUserPressure = pressures.RowCount() > 0;
    }
    if (p.KEP >= 2 || p.KPY == 2) ReadSoilRecord(in, p, layout, longTerm);
    if (p.UseUserPY) {
        ReadPYCurves(in, p.Table(tbl::kPYCurves), layout);
        // KPY = 1 with no curve sets: the option goes off rather than padding the table.
        p.UseUserPY = p.Table(tbl::kPYCurves).RowCount() > 0;
    }
    if (p.UseMEI) ReadMEICurves(in, p.Table(tbl::kMEICurves));
}

}  // namespace torven::data
