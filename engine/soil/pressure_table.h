#pragma once
// The active pressure table of the earth-pressure generator: depth against
// total pressure and its parts from soils and surcharges, per unit width.
#include <string>
#include <vector>

#include "engine/case_data.h"
#include "engine/plot_file.h"
#include "engine/soil/coefficients.h"
#include "engine/soil/ep_profile.h"

namespace torven::soil {

struct TableInputs {
    const EPProfile& profile;
    const std::vector<Coefficients>& coefficients;
    const std::vector<SurchargeLoad>& surcharges;
    double uniformSurcharge = 0.0;
    double freeHeight = 0.0;
    double waterDepthBackfill = 0.0;
    double waterDepthExcavation = 0.0;
    double gammaWater = 0.0;
    int wallCode = 0;
    int units = 1;
    double wallLength = 0.0;  // N h
};

struct PressureTable {
    std::vector<PressureRow> rows;  // the first row is at depth 0
    int lastAboveDredge = 1;        // 1-based number of the deepest row above the dredge line
    double activeForce = 0.0;       // sum of the total pressure above the dredge line
    long long count = 0;            // rows down to the wall tip, for the count line
};

// Rows of a layer: one per unit length, twenty per metre in SI.
long long pointsInLayer(double thick, int units);

// Rows the table will have below its first row.
long long plannedRows(const EPProfile& profile, int units);

PressureTable buildPressureTable(const TableInputs& in);

struct Supports {
    int count = 0;
    double first = 0.0;  // depth of the first support
    double last = 0.0;   // depth of the last support
};

// Rows as written for the trapezoidal apparent-pressure diagram: the diagram
// down to the dredge line, then the computed rows from the dredge line on (the
// row at the dredge line twice).
std::vector<PressureRow> apparentPressureRows(const PressureTable& table, const Supports& supports,
                                              double freeHeight);

// The count line, then the rows; the count never exceeds the rows written.
void writePressureFile(const std::string& path, const std::vector<PressureRow>& rows, long long count);

}  // namespace torven::soil
