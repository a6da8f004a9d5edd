#include "engine/py/py_report.h"

#include "engine/constants.h"
#include "engine/fortran_format.h"
#include "engine/soil/soil_units.h"

namespace torven::py {

void writeModificationTable(Report& r, const std::vector<PYModRow>& rows) {
    r.line();
    r.line(fmt::X(9) + "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS");
    r.line(fmt::X(7 + 33));
    r.line(fmt::X(7) + "      DEPTH     P-FACTOR     Y-FACTOR        ");
    r.line();
    for (const PYModRow& row : rows)
        r.line(fmt::X(12) + fmt::F(row.depth, 7, 2) + fmt::X(4) + fmt::F(row.pMultiplier, 6, 2) + fmt::X(6) +
               fmt::F(row.yMultiplier, 6, 2));
}

void writeSideTitle(Report& r, Side side) {
    r.emptyLines(2);
    r.line(fmt::X(9) + (side == Side::Excavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE"));
}

void writeMultiplierLine(Report& r, double pMultiplier, double yMultiplier) {
    r.line();
    r.line(fmt::X(21) + " P-Multiplier = " + fmt::E(pMultiplier, 10, 3) + " Y-Multiplier = " +
           fmt::E(yMultiplier, 10, 3));
}

void writeTinyDeflectionWarning(Report& r, double initialModulus) {
    r.line();
    r.line(fmt::X(29) + "**** WARNING ****");
    r.line(fmt::X(5) + "DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM");
    r.line(fmt::X(5) + "USED A SOIL MODULUS OF " + fmt::E(initialModulus, 12, 4));
}

std::string pointLine(PointFormat format, double y, double p) {
    switch (format) {
        case PointFormat::Scientific: return fmt::X(21) + fmt::E(y, 20, 3) + fmt::E(p, 20, 3);
        case PointFormat::DExponent: return fmt::X(21) + fmt::D(y, 20, 5) + fmt::D(p, 20, 5);
        case PointFormat::Fixed: break;
    }
    return fmt::X(21) + fmt::F(y, 20, 5) + fmt::F(p, 20, 5);
}

void writePointHeader(Report& r, const UnitLabels& u, int indent, int gap) {
    r.line(fmt::X(indent) + "Y" + fmt::X(19) + "P");
    r.line(fmt::X(indent) + u.length3 + fmt::X(gap) + soil::forcePerLengthLabel(u));
}

double degrees(double radians) { return radians * 180.0 / k::kPiSingle; }

}  // namespace torven::py
