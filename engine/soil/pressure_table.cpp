#include "engine/soil/pressure_table.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "engine/constants.h"
#include "engine/fortran_format.h"
#include "engine/soil/surcharge.h"

namespace torven::soil {

namespace {

constexpr double kPositive = 1.0E-5;
constexpr double kRowFloor = 1.0E-12;
constexpr double kNoSurcharge = 1.0E-6;
constexpr double kRowsPerMetre = 20.0;

// Pressure at the top of a layer and its growth with depth below the top.
struct LayerLine {
    double slope = 0.0;
    double top = 0.0;
    double uniformShare = 0.0;  // the uniform surcharge's part, moved from soils to surcharges
};

LayerLine layerLine(const TableInputs& in, int i) {
    const EPLayer& l = in.profile.layers[i];
    const Coefficients& c = in.coefficients[i];
    const double f = l.factor;
    const double q = in.uniformSurcharge;
    const double cohesionTerm = 2.0 * l.cohesion * c.sqrtKa * f;
    LayerLine line;
    if (i < in.profile.dredgeLayer) {
        const double gw = l.belowWater && l.drained && in.wallCode == 1 ? in.gammaWater : 0.0;
        const double water = (l.zTop - in.waterDepthBackfill) * gw;
        line.slope = gw + effectiveGamma(l, in.gammaWater) * c.ka * f;
        line.top = water + l.sigmaV * c.ka * f - cohesionTerm;
        line.uniformShare = water + q * c.ka * f - cohesionTerm;
    } else {
        // Below the dredge line the pressure stays at its value there.
        line.top = in.profile.sigmaVDredge * c.ka * f - cohesionTerm;
        line.uniformShare = q * c.ka * f - cohesionTerm;
    }
    if (q < kNoSurcharge || line.uniformShare < 0.0) line.uniformShare = 0.0;
    return line;
}

// Water standing in the excavation above the dredge line pushes back.
double excavationWater(const TableInputs& in, double z) {
    if (z > in.waterDepthExcavation && z < in.freeHeight) return (z - in.waterDepthExcavation) * in.gammaWater;
    return 0.0;
}

}  // namespace

long long pointsInLayer(double thick, int units) {
    const double n = std::round(units == 2 ? kRowsPerMetre * thick : thick);
    // Far beyond any table: saturates instead of overflowing.
    constexpr double kLimit = 1.0E15;
    if (!(std::fabs(n) < kLimit)) return static_cast<long long>(n > 0.0 ? kLimit : -kLimit);
    return static_cast<long long>(n);
}

long long plannedRows(const EPProfile& profile, int units) {
    long long rows = 0;
    for (const EPLayer& l : profile.layers) rows += pointsInLayer(l.thick, units);
    return rows;
}

PressureTable buildPressureTable(const TableInputs& in) {
    const EPProfile& p = in.profile;
    PressureTable table;
    PressureRow first;
    first.total = in.coefficients[0].ka * in.uniformSurcharge * p.layers[0].factor;
    first.surcharge = in.uniformSurcharge > 0.0 ? first.total : 0.0;
    table.rows.push_back(first);

    double previous = 0.0;
    for (int i = 0; i < p.count(); ++i) {
        const EPLayer& l = p.layers[i];
        const LayerLine line = layerLine(in, i);
        const bool above = i < p.dredgeLayer;
        const long long n = pointsInLayer(l.thick, in.units);
        for (long long j = 1; j <= n; ++j) {
            const long long k = static_cast<long long>(table.rows.size()) + 1;
            const double zr = j * l.thick / n;
            PressureRow row;
            row.depth = l.zTop + zr;
            row.total = row.soil = line.slope * zr + line.top;
            row.surcharge = surchargePressureAt(in.surcharges, row.depth, in.freeHeight, in.wallLength);
            row.total += row.surcharge;
            if (l.belowWater) {
                const double w = excavationWater(in, row.depth);
                row.total -= w;
                row.soil -= w;
            }
            // Keeps the table strictly positive.
            if (row.total < kPositive) row.total = k * kRowFloor;
            if (row.soil < kPositive) row.soil = k * kRowFloor;
            if (above) {
                table.activeForce += (previous + row.total) / 2.0 / (in.units == 2 ? kRowsPerMetre : 1.0);
                table.lastAboveDredge = static_cast<int>(k);
            }
            previous = row.total;
            row.surcharge += line.uniformShare;
            row.soil -= line.uniformShare;
            table.rows.push_back(row);
        }
    }

    // The last layer counts down to the wall tip only.
    table.count = 1;
    for (int i = 0; i + 1 < p.count(); ++i) table.count += pointsInLayer(p.layers[i].thick, in.units);
    if (p.count() > 0) table.count += pointsInLayer(in.wallLength - p.layers.back().zTop, in.units);
    return table;
}

std::vector<PressureRow> apparentPressureRows(const PressureTable& table, const Supports& s, double freeHeight) {
    const double h = freeHeight;
    const double a = 2.0 * s.first / 3.0;
    double b = 0.0, c = 0.0, peak = 0.0;
    if (s.count == 1) {
        c = 2.0 * (h - s.first) / 3.0;
        b = h / 3.0;
        peak = k::k1_3 * table.activeForce * 3.0 / (2.0 * h);
    } else {
        c = 2.0 * (h - s.last) / 3.0;
        b = h - a - c;
        peak = k::k1_3 * table.activeForce / (h - (c + a) / 3.0);
    }
    const int kH = table.lastAboveDredge;
    std::vector<PressureRow> out = {table.rows[0]};
    for (int i = 1; i < kH; ++i) {
        PressureRow row = table.rows[i];
        const double z = row.depth;
        if (z < a)
            row.total = peak * z / a;
        else if (z <= a + b || !(c > 0.0))
            row.total = peak;
        else
            row.total = peak - (z - a - b) * peak / c;
        out.push_back(row);
    }
    out.insert(out.end(), table.rows.begin() + (kH - 1), table.rows.end());
    return out;
}

void writePressureFile(const std::string& path, const std::vector<PressureRow>& rows, long long count) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const long long written = static_cast<long long>(rows.size());
    out << fmt::ListInt(std::clamp(count, 0LL, written)) << '\n';
    for (const PressureRow& r : rows)
        out << fmt::X(5) << fmt::E(r.depth, 10, 3) << fmt::X(4) << fmt::E(r.total, 10, 3) << fmt::X(4)
            << fmt::E(r.soil, 10, 3) << fmt::X(4) << fmt::E(r.surcharge, 10, 3) << '\n';
}

}  // namespace torven::soil
