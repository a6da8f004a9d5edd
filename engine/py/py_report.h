#pragma once
// Report lines shared by the p-y curve models and their generation loop.
#include <string>
#include <vector>

#include "engine/case_data.h"
#include "engine/py/curve_model.h"
#include "engine/report.h"

namespace torven::py {

// "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS" and the table rows.
void writeModificationTable(Report& r, const std::vector<PYModRow>& rows);
void writeSideTitle(Report& r, Side side);
void writeMultiplierLine(Report& r, double pMultiplier, double yMultiplier);
void writeTinyDeflectionWarning(Report& r, double initialModulus);
// 21 blanks, then y and p in the model's format.
std::string pointLine(PointFormat format, double y, double p);
// "Y" and "P" over the point columns, and their unit labels.
void writePointHeader(Report& r, const UnitLabels& u, int indent, int gap);

// Friction angle in degrees, as the strength table shows it.
double degrees(double radians);

}  // namespace torven::py
