#pragma once
// Equilibrium of a converged wall: the soil resistance evaluated from the
// generated curves in SOILDATA at the deflections the run ended with,
// together with the station loads and springs, in force and moment.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/engine_run.h"
#include "tests/engine/py/py_case.h"

namespace torven::test {

struct Balance {
    double force = 0.0;   // sum of horizontal forces
    double moment = 0.0;  // about the top of the wall
    double load = 0.0;    // sum of the magnitudes of the station loads
};

// A generated curve over both sides: the backfill side mirrored to negative
// deflections, resistance opposing the deflection.
struct TwoSidedCurve {
    int station = 0;
    std::vector<double> y, p;

    static TwoSidedCurve from(const SoilDataCurve& c, double h) {
        TwoSidedCurve out;
        out.station = static_cast<int>(std::lround(c.depth / h));
        for (int row = 33; row >= 17; --row) {
            out.y.push_back(-c.rows[row].y);
            out.p.push_back(c.rows[row].p);
        }
        for (int row = 1; row < 17; ++row) {
            out.y.push_back(c.rows[row].y);
            out.p.push_back(-c.rows[row].p);
        }
        return out;
    }

    // Force per length at w, the end segments extended.
    double at(double w) const {
        std::size_t j = 1;
        while (j + 1 < y.size() && w > y[j]) ++j;
        if (y[j] == y[j - 1]) return p[j];
        return p[j - 1] + (p[j] - p[j - 1]) * (w - y[j - 1]) / (y[j] - y[j - 1]);
    }
};

inline Balance wallBalance(EngineRun& run, const SoilData& file) {
    WallModel& wall = run.wall();
    const double h = wall.h();
    const int tip = wall.n();
    std::vector<TwoSidedCurve> curves;
    for (const SoilDataCurve& c : file.generated) curves.push_back(TwoSidedCurve::from(c, h));

    // Between consecutive curves the resistance is interpolated station by
    // station; the stations at both ends of each span carry half.
    std::vector<double> soil(wall.W.size(), 0.0);
    for (std::size_t i = 0; i + 1 < curves.size(); ++i) {
        const int from = curves[i].station;
        const int to = std::min(curves[i + 1].station, tip);
        if (to <= from || from >= tip) continue;
        for (int s = from; s <= to; ++s) {
            const double w = wall.W[WallModel::index(s)];
            const double t = static_cast<double>(s - from) / (to - from);
            const double p = curves[i].at(w) + (curves[i + 1].at(w) - curves[i].at(w)) * t;
            soil[WallModel::index(s)] += (s == from || s == to ? 0.5 : 1.0) * p * h;
        }
    }
    Balance b;
    for (int s = -1; s <= tip + 1; ++s) {
        const int k = WallModel::index(s);
        const double f = wall.Q[k] - wall.S[k] * wall.W[k] + soil[k];
        b.force += f;
        b.moment += s * h * f;
        b.load += std::fabs(wall.Q[k]);
    }
    return b;
}

}  // namespace torven::test
