#include "frontend/data/project/DataSetWriter.h"

#include "frontend/data/project/FileCodes.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/RecordText.h"
#include "frontend/data/project/SoilRecords.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TableRecords.h"
#include "frontend/tables/TGridTable.h"

namespace torven::data {

namespace {

using tables::TGridTable;

constexpr int kConstantChoice = 1;

void WriteRows(const TGridTable& table, RowLayout layout, FileText& out) {
    for (int row = 0; row < table.RowCount(); ++row) out.Add(RowRecord(table, row, layout));
}

void WriteCountedRows(const TGridTable& table, RowLayout layout, FileText& out) {
    out.Add(IntText(table.RowCount()));
    WriteRows(table, layout, out);
}

void WriteControlRecord(const TProgramData& p, FileText& out) {
    out.Add(Record(IntText(p.Units))
                .Space(IntText(p.Table(tbl::kRestraints).RowCount()))
                .Tab(IntText(p.Table(tbl::kStiffness).RowCount()))
                .Tab(IntText(p.Table(tbl::kPYModifiers).RowCount()))
                .Tab(IntText(p.KEP))
                .Tab(IntText(p.KPY))
                .Space(IntText(p.Table(tbl::kPYCurves).RowCount()))
                .Space(IntText(p.NumStages))
                .Space(IntText(p.NMEI))
                .Space(IntText(p.NTieback)));
}

void WriteWallRecord(const TProgramData& p, FileText& out) {
    out.Add(Record(IntText(p.NumIncrements))
                .Space(RealText(p.IncrementLength))
                .Tab(RealText(p.MaxDeflection))
                .Tab(RealText(p.DeflTolerance))
                .Tab(RealText(p.FreeHeight))
                .Tab(RealText(p.WidthActive)));
}

void WriteSoilRecord(TProgramData& p, bool longTerm, FileText& out) {
    out.Add(Record(RealText(p.FreeHeight))
                .Tab(RealText(p.WidthActive))
                .Tab(RealText(p.WidthPY))
                .Tab(RealText(p.WaterDepthBackfill))
                .Tab(RealText(p.WaterDepthExcavation))
                .Tab(RealText(p.ActiveFactor))
                .Tab(IntText(p.WallCode))
                .Tab(RealText(p.BackfillSlope)));
    out.Add(Record(RealText(p.UniformSurcharge))
                .Tab(RealText(p.Legacy.distance))
                .Tab(RealText(p.Legacy.pointLoad))
                .Tab(RealText(p.Legacy.lineLoad))
                .Tab(RealText(p.Legacy.stripLoad))
                .Tab(RealText(p.Legacy.stripWidth)));
    EmptyUnlessUsed(p, p.UseSurcharge, tbl::kSurcharges);
    WriteCountedRows(p.Table(tbl::kSurcharges), rows::kSurcharge, out);
    WriteSoilLayers(p.Table(longTerm ? tbl::kLongSoil : tbl::kSoil), longTerm, out);
}

void WritePYCurves(const TGridTable& sets, FileText& out) {
    for (int row = 0; row < sets.RowCount(); ++row) {
        const TGridTable& curve = sets.Cell(tbl::kPYCurvePointsColumn, row).GetTable();
        out.Add(Record(FieldText(sets, row, {tbl::kPYCurveNodeColumn}))
                    .Tab(IntText(curve.RowCount()))
                    .Tab(FieldText(sets, row, {tbl::kPYCurvePMultiplierColumn}))
                    .Tab(FieldText(sets, row, {tbl::kPYCurveYMultiplierColumn})));
        WriteRows(curve, rows::kCurvePoint, out);
    }
}

void WriteMEICurves(const TGridTable& curves, FileText& out) {
    for (int row = 0; row < curves.RowCount(); ++row) {
        const TGridTable& points = curves.Cell(tbl::kMEIPointsColumn, row).GetTable();
        out.Add(Record(FieldText(curves, row, {0})).Tab(FieldText(curves, row, {1})).Tab(IntText(points.RowCount())));
        WriteRows(points, rows::kCurvePoint, out);
    }
}

}  // namespace

void WriteDataSet(TProgramData& p, std::string_view title, bool longTerm, FileText& out) {
    PrepareDataSet(p, longTerm);
    out.Add(title);
    WriteControlRecord(p, out);
    WriteWallRecord(p, out);
    if (p.AnalysisType == 0) return;

    const TGridTable& restraints = p.Table(tbl::kRestraints);
    if (p.UseRestraints && restraints.RowCount() > 0) WriteRows(restraints, rows::kRestraint, out);

    TGridTable& stiffness = p.Table(tbl::kStiffness);
    if (stiffness.RowCount() > 0) {
        stiffness.Cell(tbl::kStiffnessChoiceColumn, stiffness.RowCount() - 1).SetInt(kConstantChoice);
    }
    WriteRows(stiffness, rows::kStiffness, out);

    EmptyUnlessUsed(p, p.UseConcLoads, tbl::kConcentratedLoads);
    WriteCountedRows(p.Table(tbl::kConcentratedLoads), rows::kConcentratedLoad, out);
    EmptyUnlessUsed(p, p.UseSprings, tbl::kSprings);
    WriteCountedRows(p.Table(tbl::kSprings), rows::kSpring, out);
    EmptyUnlessUsed(p, p.UseTiebacks, tbl::kTiebacks);
    WriteRows(p.Table(tbl::kTiebacks), rows::kTieback, out);

    if (p.UsePYMod) WriteRows(p.Table(tbl::kPYModifiers), rows::kPYModifier, out);
    if (p.KEP == 1) WriteCountedRows(p.Table(longTerm ? tbl::kLongDist : tbl::kDistLoad), rows::kDistributedLoad, out);
    if (p.KEP >= 2 || p.KPY == 2) WriteSoilRecord(p, longTerm, out);

    const TGridTable& pyCurves = p.Table(tbl::kPYCurves);
    if (p.UseUserPY && pyCurves.RowCount() > 0) WritePYCurves(pyCurves, out);
    if (p.UseMEI && p.NMEI > 0) WriteMEICurves(p.Table(tbl::kMEICurves), out);
}

}  // namespace torven::data
