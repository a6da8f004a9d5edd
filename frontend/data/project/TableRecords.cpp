#include "frontend/data/project/TableRecords.h"

#include <array>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/TWordReader.h"
#include "frontend/tables/TGridTable.h"

namespace torven::data {

namespace {

// Cell times multiply over divide gives the file value.
struct Scale {
    int system;
    long double multiply;
    long double divide;
};

Scale ScaleOf(Conversion conversion) {
    switch (conversion) {
        case Conversion::FeetToInches: return {kEnglish, 12, 1};
        case Conversion::PerFootToPerInch: return {kEnglish, 1, 12};
        case Conversion::SquareMetres: return {kSI, 1, 1000000};
        case Conversion::UnitWeight: return {kEnglish, 1, 1728};
        case Conversion::Cohesion: return {kEnglish, 1, 144};
        case Conversion::None: break;
    }
    return {0, 1, 1};
}

bool IsFloat(const tables::TGridTable& table, int column) {
    return table.Column(column).Key() == tables::ColumnKey::Float;
}

constexpr std::array<Field, 4> kRestraintFields{{{0}, {1}, {2}, {3}}};
constexpr std::array<Field, 4> kStiffnessFields{{{0}, {1}, {2}, {3}}};
constexpr std::array<Field, 6> kConcentratedLoadFields{{{0}, {1}, {2}, {3}, {4}, {5}}};
constexpr std::array<Field, 5> kSpringFields{{{1}, {2}, {0}, {3}, {4}}};
constexpr std::array<Field, 7> kTiebackFields{
    {{0}, {1, Conversion::SquareMetres}, {2}, {3}, {4}, {5}, {6}}};
constexpr std::array<Field, 3> kPYModifierFields{{{0, Conversion::FeetToInches}, {1}, {2}}};
constexpr std::array<Field, 2> kDistributedLoadFields{
    {{0, Conversion::FeetToInches}, {1, Conversion::PerFootToPerInch}}};
constexpr std::array<Field, 4> kSurchargeFields{{{0}, {1}, {2}, {3}}};
constexpr std::array<Field, 2> kCurvePointFields{{{0}, {1}}};

}  // namespace

long double ToFile(long double cell, Conversion conversion, int system) {
    const Scale scale = ScaleOf(conversion);
    return system == scale.system ? cell * scale.multiply / scale.divide : cell;
}

long double FromFile(long double value, Conversion conversion, int system) {
    const Scale scale = ScaleOf(conversion);
    return system == scale.system ? value * scale.divide / scale.multiply : value;
}

namespace rows {
const RowLayout kRestraint = kRestraintFields;
const RowLayout kStiffness = kStiffnessFields;
const RowLayout kConcentratedLoad = kConcentratedLoadFields;
const RowLayout kSpring = kSpringFields;
const RowLayout kTieback = kTiebackFields;
const RowLayout kPYModifier = kPYModifierFields;
const RowLayout kDistributedLoad = kDistributedLoadFields;
const RowLayout kSurcharge = kSurchargeFields;
const RowLayout kCurvePoint = kCurvePointFields;
}  // namespace rows

std::string FieldText(const tables::TGridTable& table, int row, const Field& field) {
    const tables::TData cell = table.Cell(field.column, row);
    if (!IsFloat(table, field.column)) return cell.GetText();
    return RealText(ToFile(cell.GetFloat(), field.conversion, table.UnitSystem()));
}

void ReadField(TWordReader& in, tables::TGridTable& table, int row, const Field& field) {
    const tables::TData cell = table.Cell(field.column, row);
    if (!IsFloat(table, field.column)) {
        cell.SetInt(in.ReadInteger());
        return;
    }
    cell.SetFloat(FromFile(in.ReadFloat(), field.conversion, table.UnitSystem()));
}

int ReadCount(TWordReader& in) {
    const int count = in.ReadInteger();
    if (count > 0 && static_cast<std::size_t>(count) > in.RemainingWords()) {
        throw ReadFailure(std::string(reading::kIncomplete));
    }
    return count < 0 ? 0 : count;
}

Record RowRecord(const tables::TGridTable& table, int row, RowLayout layout) {
    Record record(FieldText(table, row, layout.front()));
    for (const Field& field : layout.subspan(1)) record.Tab(FieldText(table, row, field));
    return record;
}

void ReadRow(TWordReader& in, tables::TGridTable& table, int row, RowLayout layout) {
    for (const Field& field : layout) ReadField(in, table, row, field);
}

}  // namespace torven::data
