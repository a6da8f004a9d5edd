#include "frontend/data/project/SoilRecords.h"

#include <algorithm>
#include <array>
#include <string>

#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/RecordText.h"
#include "frontend/data/project/TWordReader.h"
#include "frontend/data/project/TableRecords.h"
#include "frontend/tables/TGridTable.h"

namespace torven::data {

namespace {

// One of the six values of a parameter line.
struct Slot {
    int column;  // in the layer's nested table; kPlaceholder for "0.0"
    Conversion conversion = Conversion::None;
    bool coefficient = false;  // the optional earth-pressure coefficient
};

constexpr int kPlaceholder = -1;
constexpr int kParameterValues = 6;
// The old form's five values are the first five of the current form.
constexpr int kOldFormValues = 5;
constexpr std::string_view kPlaceholderText = "0.0  ";
// Rows of a layer's nested table.
constexpr int kTop = 0;
constexpr int kBottom = 1;

using ParameterLine = std::array<Slot, kParameterValues>;

constexpr Slot kUnitWeight{0, Conversion::UnitWeight};
constexpr Slot kNone{kPlaceholder};

constexpr ParameterLine kClay{{kUnitWeight, {1, Conversion::Cohesion}, kNone, {2}, {3}, {4, Conversion::None, true}}};
constexpr ParameterLine kSand{{kUnitWeight, kNone, {1}, kNone, {2}, {3, Conversion::None, true}}};
constexpr ParameterLine kSilt{
    {kUnitWeight, {2, Conversion::Cohesion}, {1}, {3}, {4}, {5, Conversion::None, true}}};
constexpr ParameterLine kStrongRock{{kUnitWeight, {1}, kNone, kNone, kNone, kNone}};
constexpr ParameterLine kWeakRock{{kUnitWeight, {1}, kNone, {2}, {3}, {4}}};

// By soil type 1 to 7: three clays, sand, silt, strong and weak rock.
constexpr std::array<const ParameterLine*, kSoilTypes> kLines{&kClay,  &kClay,       &kClay,    &kSand,
                                                               &kSilt, &kStrongRock, &kWeakRock};

const ParameterLine* LineOf(int soilType) {
    return soilType >= 1 && soilType <= kSoilTypes ? kLines[soilType - 1] : nullptr;
}

bool Skipped(const Slot& slot, bool longTerm) { return slot.column == kPlaceholder || (longTerm && slot.coefficient); }

// A layer without its table or of an unknown type still gives six numbers,
// so the records after it stay where the engine expects them.
std::string ParameterText(const tables::TGridTable& parameters, int row, const ParameterLine* line, bool longTerm) {
    std::string text;
    for (int i = 0; i < kParameterValues; ++i) {
        const bool known = line != nullptr && row < parameters.RowCount() && !Skipped((*line)[i], longTerm);
        text += known ? FieldText(parameters, row, {(*line)[i].column, (*line)[i].conversion}) + " "
                      : std::string(kPlaceholderText);
    }
    return text;
}

// The old form gives one line of five values for top and bottom, unconverted.
void ReadParameterLine(TWordReader& in, tables::TGridTable& parameters, const ParameterLine& line, bool longTerm,
                       int row, bool oldForm) {
    const int values = oldForm ? kOldFormValues : kParameterValues;
    for (int i = 0; i < values; ++i) {
        const Slot& slot = line[i];
        const long double value = in.ReadFloat();
        if (Skipped(slot, longTerm)) continue;
        if (oldForm) {
            parameters.Cell(slot.column, 0).SetFloat(value);
            parameters.Cell(slot.column, 1).SetFloat(value);
        } else {
            parameters.Cell(slot.column, row).SetFloat(FromFile(value, slot.conversion, parameters.UnitSystem()));
        }
    }
}

}  // namespace

void WriteSoilLayers(const tables::TGridTable& soil, bool longTerm, FileText& out) {
    out.Add(IntText(soil.RowCount()));
    for (int row = 0; row < soil.RowCount(); ++row) {
        const std::string type = soil.Cell(tbl::kSoilTypeColumn, row).GetText();
        out.Add(type + " " + FieldText(soil, row, {tbl::kSoilDepthColumn, Conversion::FeetToInches}) + " ");
        const ParameterLine* line = LineOf(soil.Cell(tbl::kSoilTypeColumn, row).GetInt());
        const tables::TGridTable& parameters = soil.Cell(tbl::kSoilParametersColumn, row).GetTable();
        out.Add(ParameterText(parameters, kTop, line, longTerm));
        out.Add(ParameterText(parameters, kBottom, line, longTerm));
    }
}

void ReadSoilLayers(TWordReader& in, tables::TGridTable& soil, bool longTerm, bool oldForm) {
    soil.SetRowCount(ReadCount(in));
    long double bottom = 0;
    for (int row = 0; row < soil.RowCount(); ++row) {
        const int type = in.ReadInteger();
        const ParameterLine* line = LineOf(type);
        if (line == nullptr) in.RejectLastWord("A soil type from 1 to 7 was expected but not found.");
        soil.Cell(tbl::kSoilTypeColumn, row).SetInt(type);
        if (oldForm) {
            bottom += in.ReadFloat();
            soil.Cell(tbl::kSoilDepthColumn, row).SetFloat(bottom);
        } else {
            ReadField(in, soil, row, {tbl::kSoilDepthColumn, Conversion::FeetToInches});
        }
        tables::TGridTable& parameters = soil.Cell(tbl::kSoilParametersColumn, row).GetTable();
        parameters.SetRowCount(std::max(parameters.MinRows(), kBottom + 1));
        parameters.SetCaptionNumber(row + 1);
        ReadParameterLine(in, parameters, *line, longTerm, kTop, oldForm);
        if (!oldForm) ReadParameterLine(in, parameters, *line, longTerm, kBottom, oldForm);
    }
}

}  // namespace torven::data
