#include "project_fixture.h"

#include <cstdio>
#include <sstream>

#include "frontend/data/project/ProjectTables.h"

namespace torven::data::test {

namespace {

using tables::ColumnKey;
using tables::TGridTable;

std::string Seven(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.7Lg", value == 0 ? 0.0L : value);
    return text;
}

void DescribeTable(const TGridTable& table, const std::string& indent, std::ostringstream& out) {
    out << indent << "rows " << table.RowCount() << ", system " << table.UnitSystem() << "\n";
    for (int row = 0; row < table.RowCount(); ++row) {
        out << indent << row + 1 << ":";
        for (int column = 0; column < table.ColumnCount(); ++column) {
            const tables::TData cell = table.Cell(column, row);
            switch (table.Column(column).Key()) {
                case ColumnKey::Float: out << " " << Seven(cell.GetFloat()); break;
                case ColumnKey::Table: break;
                default: out << " " << cell.GetText(); break;
            }
        }
        out << "\n";
        for (int column = 0; column < table.ColumnCount(); ++column) {
            if (table.Column(column).Key() == ColumnKey::Table) {
                DescribeTable(table.Cell(column, row).GetTable(), indent + "  ", out);
            }
        }
    }
}

}  // namespace

void SetWall(TProgramData& p, const std::string& title, const Wall& wall) {
    p.Title = title;
    p.NumIncrements = wall.increments;
    p.IncrementLength = wall.incrementLength;
    p.MaxDeflection = wall.maxDeflection;
    p.DeflTolerance = wall.tolerance;
    p.FreeHeight = wall.freeHeight;
    p.WidthActive = wall.widthActive;
    p.WidthPY = wall.widthPY;
    p.WaterDepthBackfill = wall.waterBackfill;
    p.WaterDepthExcavation = wall.waterExcavation;
}

void SetRow(TGridTable& table, int row, const Row& values) {
    for (int column = 0; column < static_cast<int>(values.size()); ++column) {
        const tables::TData cell = table.Cell(column, row);
        if (table.Column(column).Key() == ColumnKey::Float) {
            cell.SetFloat(values[column]);
        } else {
            cell.SetInt(static_cast<int>(values[column]));
        }
    }
}

void SetRows(TGridTable& table, const std::vector<Row>& rows) {
    table.SetRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.RowCount(); ++row) SetRow(table, row, rows[row]);
}

void SetSoilLayer(TGridTable& soil, int row, int type, long double depth, const Row& top, const Row& bottom) {
    if (soil.RowCount() <= row) soil.SetRowCount(row + 1);
    SetRow(soil, row, {static_cast<long double>(type), depth});
    SetRows(soil.Cell(tbl::kSoilParametersColumn, row).GetTable(), {top, bottom});
}

void SetPYCurve(TGridTable& sets, int row, int node, long double pMultiplier, long double yMultiplier,
                const std::vector<Row>& points) {
    if (sets.RowCount() <= row) sets.SetRowCount(row + 1);
    sets.Cell(tbl::kPYCurveNodeColumn, row).SetInt(node);
    sets.Cell(tbl::kPYCurvePMultiplierColumn, row).SetFloat(pMultiplier);
    sets.Cell(tbl::kPYCurveYMultiplierColumn, row).SetFloat(yMultiplier);
    SetRows(sets.Cell(tbl::kPYCurvePointsColumn, row).GetTable(), points);
}

void SetMEICurve(TGridTable& curves, int row, int from, int to, const std::vector<Row>& points) {
    if (curves.RowCount() <= row) curves.SetRowCount(row + 1);
    SetRow(curves, row, {static_cast<long double>(from), static_cast<long double>(to)});
    SetRows(curves.Cell(tbl::kMEIPointsColumn, row).GetTable(), points);
}

std::string Describe(const TProgramData& p) {
    std::ostringstream out;
    out << "Title " << p.Title << "\nUnits " << p.Units << "\nNumIncrements " << p.NumIncrements << "\n";
    const std::pair<const char*, long double> reals[] = {
        {"IncrementLength", p.IncrementLength}, {"MaxDeflection", p.MaxDeflection},
        {"DeflTolerance", p.DeflTolerance},     {"FreeHeight", p.FreeHeight},
        {"WidthActive", p.WidthActive},         {"WidthPY", p.WidthPY},
        {"WaterDepthBackfill", p.WaterDepthBackfill}, {"WaterDepthExcavation", p.WaterDepthExcavation},
        {"ActiveFactor", p.ActiveFactor},       {"BackfillSlope", p.BackfillSlope},
        {"UniformSurcharge", p.UniformSurcharge}, {"Legacy.distance", p.Legacy.distance},
        {"Legacy.pointLoad", p.Legacy.pointLoad}, {"Legacy.lineLoad", p.Legacy.lineLoad},
        {"Legacy.stripLoad", p.Legacy.stripLoad}, {"Legacy.stripWidth", p.Legacy.stripWidth}};
    for (const auto& [name, value] : reals) out << name << " " << Seven(value) << "\n";
    out << "WallCode " << p.WallCode << "\nEarthPressureMode " << p.EarthPressureMode << "\nNumStages "
        << p.NumStages << "\n";
    const std::pair<const char*, bool> switches[] = {
        {"GenPY", p.GenPY},           {"GenPressure", p.GenPressure},   {"UseUserPressure", p.UseUserPressure},
        {"UseRestraints", p.UseRestraints}, {"UseConcLoads", p.UseConcLoads}, {"UseSprings", p.UseSprings},
        {"UseTiebacks", p.UseTiebacks}, {"UsePYMod", p.UsePYMod},       {"UseUserPY", p.UseUserPY},
        {"UseMEI", p.UseMEI},         {"UseSurcharge", p.UseSurcharge}, {"LongTerm", p.LongTerm}};
    for (const auto& [name, on] : switches) out << name << " " << (on ? "on" : "off") << "\n";
    for (std::string_view name : {tbl::kRestraints, tbl::kStiffness, tbl::kConcentratedLoads, tbl::kSprings,
                                  tbl::kTiebacks, tbl::kPYModifiers, tbl::kDistLoad, tbl::kLongDist, tbl::kSurcharges,
                                  tbl::kSoil, tbl::kLongSoil, tbl::kPYCurves, tbl::kMEICurves}) {
        out << name << "\n";
        DescribeTable(p.Table(name), "  ", out);
    }
    return out.str();
}

}  // namespace torven::data::test
