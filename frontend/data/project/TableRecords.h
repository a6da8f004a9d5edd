#pragma once
// Table rows as file records: which cells in which order, and the unit
// conversions between what a table shows and what the file carries. The
// writer and the reader share these layouts, so the two directions agree.
#include <span>

#include "frontend/data/project/RecordText.h"

namespace torven::tables {
class TGridTable;
}

namespace torven::data {

class TWordReader;

// Conversions apply only in the unit system named; otherwise the file holds
// the cell as shown.
enum class Conversion {
    None,
    FeetToInches,      // English depths shown in feet
    PerFootToPerInch,  // English line loads shown in lb/ft
    SquareMetres,      // SI areas shown in mm^2
    UnitWeight,        // English unit weights shown in lb/ft^3
    Cohesion,          // English stresses shown in lb/ft^2
};

long double ToFile(long double cell, Conversion conversion, int system);
long double FromFile(long double value, Conversion conversion, int system);

struct Field {
    int column;
    Conversion conversion = Conversion::None;
};
using RowLayout = std::span<const Field>;

namespace rows {
extern const RowLayout kRestraint;          // R4
extern const RowLayout kStiffness;          // R5
extern const RowLayout kConcentratedLoad;   // R6
extern const RowLayout kSpring;             // R7: the choice is written third
extern const RowLayout kTieback;            // R8
extern const RowLayout kPYModifier;         // R9
extern const RowLayout kDistributedLoad;    // R10
extern const RowLayout kSurcharge;          // R11c
extern const RowLayout kCurvePoint;         // R12 and R13 points
}  // namespace rows

// Integer and choice cells in decimal, reals in the file's format.
std::string FieldText(const tables::TGridTable& table, int row, const Field& field);
// Integer and choice cells take the integer read, float cells the real.
void ReadField(TWordReader& in, tables::TGridTable& table, int row, const Field& field);

// A count of rows; a count beyond the words left in the file cannot be
// met and fails at once as an incomplete file. Negative counts mean none.
int ReadCount(TWordReader& in);

// The row's fields separated by TABs.
Record RowRecord(const tables::TGridTable& table, int row, RowLayout layout);
void ReadRow(TWordReader& in, tables::TGridTable& table, int row, RowLayout layout);

}  // namespace torven::data
