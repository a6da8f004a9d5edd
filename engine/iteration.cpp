// The nonlinear iteration of a case against its p-y curves, with the outer
// loop of moment-dependent stiffness, the monitor file and the results table.
#include <cmath>

#include "engine/curve_table.h"
#include "engine/engine_run.h"
#include "engine/fortran_format.h"

namespace torven {

namespace {
constexpr int kIterationLimit = 100;
constexpr int kMonitorStations = 5;
}  // namespace

void EngineRun::iterate() {
    WallModel& w = wall_;
    const WallRecord& rec = case_.wall;
    std::fill(w.W.begin(), w.W.end(), 0.0);
    w.updateEI();
    std::vector<double> wOld = w.W;

    writeCaseTitleLine();
    monitor_ << "\n\n\n" << fmt::X(5) << "ITERATION MONITOR DATA\n" << fmt::X(5) << std::string(22, '-') << '\n';

    const int first = WallModel::index(-1);
    const int last = WallModel::index(w.n() + 1);
    int iter = 0;
    bool offCurves = false;
    SolveCounts counts;
    bool left = false;
    for (iter = 1; iter <= kIterationLimit; ++iter) {
        for (int k = first; k <= last; ++k) {
            w.Qw[k] = w.Q[k];
            w.Sw[k] = w.S[k];
        }
        offCurves = false;
        if (addSoilContributions(curves_, w, offCurves) == SoilLoadStatus::NotInOrder)
            checkStop("     ERROR STOP -- STATIONS NOT IN ORDER");
        counts = w.solve(rec.maxDeflection, rec.deflTolerance);

        monitor_ << fmt::X(3) << fmt::I(iter, 4) << fmt::X(7) << (offCurves ? "YES" + fmt::X(6) : "NO" + fmt::X(7))
                 << fmt::I(counts.notClosed, 4) << fmt::X(2);
        for (int s = 1; s <= kMonitorStations; ++s) {
            const double value = w.hasStation(s) ? w.W[WallModel::index(s)] : 0.0;
            monitor_ << fmt::E(value, 10, 3);
        }
        monitor_ << '\n';

        if (counts.exceeded > 0 || counts.notClosed > 0) {
            if (counts.exceeded > 0) {
                left = true;
                break;
            }
            continue;
        }
        if (case_.control.nMEI == 0) {
            left = true;
            break;
        }
        bool moved = false;
        for (int s = 0; s <= w.n(); ++s) {
            const int k = WallModel::index(s);
            if (std::fabs(w.W[k] - wOld[k]) > rec.deflTolerance) moved = true;
        }
        if (!moved) {
            left = true;
            break;
        }
        wOld = w.W;
        w.updateEI();
    }
    if (!left) iter = kIterationLimit;

    writeResults(iter, offCurves, counts);
}

void EngineRun::writeResults(int iter, bool offCurves, const SolveCounts& counts) {
    Report& r = *report_;
    r.emptyLines(2);
    r.line("     RESULTS -- ITERATION" + fmt::I(iter, 3));
    r.line("     --------------------");
    if (offCurves) {
        r.line();
        r.line("     ***** DEFLECTION OFF Q - W CURVES *****");
    }
    if (counts.exceeded > 0) {
        r.line();
        r.line("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***" + fmt::I(counts.exceeded, 4) +
               "  *** STATIONS *****");
    }
    if (counts.notClosed > 0) {
        r.line();
        r.line("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
    }
    r.line();
    r.line("   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI");
    const UnitLabels& u = labels_;
    r.line(fmt::X(12) + u.length3 + fmt::X(9) + u.length3 + fmt::X(19) + u.force3 + "-" + u.length2 + fmt::X(7) +
           u.force4 + fmt::X(8) + u.force4 + fmt::X(7) + u.force3 + "-" + u.length2 + "**" + "2");
    r.line("   ------    ----        ----       -----      ------      ------    ---------    ----------");

    std::vector<StationResult> results = wall_.stationResults();
    // Element i is station i - 1; the table shows stations 0 .. N.
    for (int s = 0; s <= wall_.n(); ++s) {
        const StationResult& v = results[s + 1];
        std::string line = fmt::X(2) + fmt::I(s, 4) + fmt::X(2) + fmt::E(v.depth, 10, 3);
        for (double x : {v.deflection, v.slope, v.moment, v.shear, v.netReaction, v.ei}) line += fmt::E(x, 12, 3);
        r.line(line);
    }
    lastResults_.assign(results.begin() + 1, results.end());
}

void EngineRun::writeTiebackResults() {
    if (case_.tiebacks.empty()) return;
    Report& r = *report_;
    const UnitLabels& u = labels_;
    r.emptyLines(2);
    r.line("     TIE BACK RESULTS");
    r.line("     ----------------");
    r.line();
    r.line("     N     STA         X        HOR.FORCE/STA.     FORCE/STA.     FORCE/TIE BACK");
    r.line(fmt::X(21) + u.length3 + fmt::X(12) + u.force3 + fmt::X(15) + u.force4 + fmt::X(15) + u.force4);
    r.line("   -----  -----    --------     --------------   --------------   --------------");
    int number = 0;
    for (const Tieback& tie : case_.tiebacks) {
        ++number;
        const double w = wall_.W[WallModel::index(tie.station)];
        const double horizontal = tie.load - w * tie.spring;
        const double along = horizontal / std::cos(tie.angleRad);
        const double perAnchor = along * tie.spacingConverted / case_.wall.widthActive;
        r.line(fmt::X(1) + fmt::I(number, 5) + fmt::X(2) + fmt::I(tie.station, 5) + fmt::X(2) +
               fmt::E(tie.depthConverted, 12, 3) + fmt::X(2) + fmt::E(horizontal, 15, 4) + fmt::X(2) +
               fmt::E(along, 15, 4) + fmt::X(2) + fmt::E(perAnchor, 15, 4));
    }
}

}  // namespace torven
