// Strong and weak rock: the strong-rock example point by point, weak rock at
// its first and a deeper curve depth with RQD 0 and 75, and the weak-rock
// strength of zero that stops the run.
#include <gtest/gtest.h>

#include "engine/py/py_curves.h"
#include "engine/py/rock_curves.h"
#include "tests/engine/py/published_curves.h"
#include "tests/engine/py/py_case.h"

namespace torven::test {
namespace {

using RockGeneration = EngineFixture;

// qu = 2000 on b = 24 (0.0004 b is a single-precision factor): y1 = 0.0096, p1 = 19200, pu = 24000, y2 = 0.0576.
TEST(StrongRockCurve, ExamplePointByPoint) {
    for (double mp : {1.0, 0.5}) {
        const py::CurvePoints c =
            py::strongRockCurve({.su = 1000, .gammaAvg = 0.08, .b = 24, .z = 100, .pMultiplier = mp});
        for (int k = 0; k < 17; ++k) {
            const double y = k * 0.0576 / 15;
            EXPECT_TRUE(near(c.y[k], y, 1e-6)) << k + 1;
            double p = 0.5 * 0.08 * 100 * 24;  // crushed rock, never multiplied
            if (k <= 2)
                p = mp * 2e6 * y;
            else if (k <= 14)
                p = mp * (19200 + 1e5 * (y - 0.0096));
            EXPECT_TRUE(near(c.p[k], p, 1e-6)) << "mp " << mp << " point " << k + 1;
        }
        EXPECT_TRUE(near(c.y[2], 0.00768, 1e-6));
        EXPECT_TRUE(near(c.p[2], mp * 15360, 1e-6));
        EXPECT_TRUE(near(c.y[16], 0.06144, 1e-6));
    }
}

// Weak rock from 200 in under sand, excavation 120 in: the rock starts at X = 80.
SoilCase weakRockUnderSand(double rqd, double qu = 1000) {
    SoilCase s;
    s.widthActive = 96;
    s.widthPY = 24;
    s.layers = {sand(200, 0.065, 32), uniform(7, 600, {0.09, qu, 0, 0.0005, 50000, rqd})};
    return s;
}

// The published weak-rock curve at xr below the rock surface.
Points weakRock(double rqd, double xr) {
    const double b = 24, qa = 1000, er = 50000, alpha = 1 - rqd / 150;
    const bool shallow = xr <= 3 * b;
    const double pur = shallow ? alpha * qa * b * (1 + 1.4 * xr / b) : 5.2 * alpha * qa * b;
    const double kir = shallow ? er * (100 + 400 * xr / (3 * b)) : 500 * er;
    const double yrm = 0.0005 * b;
    const double ya = std::pow(0.5 * pur / std::pow(yrm, 0.25) / kir, 4.0 / 3.0);
    const double f[17] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02, 0.04, 0.06, 0.08,
                          0.1,    0.25,  0.5,   0.75,  1,     4,     8,    12};
    Points out;
    for (double fk : f) {
        const double y = yrm * fk;
        out.push_back({y, y < ya ? kir * y : std::min(0.5 * pur * std::pow(y / yrm, 0.25), pur)});
    }
    return out;
}

TEST_F(RockGeneration, WeakRockAtItsFirstAndADeeperCurveDepth) {
    for (double rqd : {0.0, 75.0}) {
        const std::string report = run(generatedCase(weakRockUnderSand(rqd)).str());
        const std::vector<ReportSide> sides = readReportSides(report);
        ASSERT_EQ(sides.size(), 20u) << rqd;
        // X = 80.1 and 123; the backfill side lies 120 deeper, beyond 3 b.
        const double xs[2] = {0.1, 43};
        for (int i = 0; i < 2; ++i) {
            for (int s = 0; s < 2; ++s) {
                const Points expected = weakRock(rqd, s == 0 ? xs[i] : 120 + xs[i]);
                const ReportSide& side = sides[10 + 2 * i + s];
                for (int k = 0; k < 17; ++k) {
                    EXPECT_TRUE(near(side.points[k][0], expected[k][0], 5e-3)) << rqd << " " << i << s << " " << k;
                    EXPECT_TRUE(near(side.points[k][1], expected[k][1], 5e-3)) << rqd << " " << i << s << " " << k;
                }
            }
        }
        for (std::size_t i = 10; i < sides.size(); ++i) EXPECT_EQ(sides[i].pMultiplier, 0) << "no multiplier line";
    }
}

TEST_F(RockGeneration, WeakRockWithoutStrengthStopsBelowItsFirstCurve) {
    std::ostringstream warnings;
    EngineRun engine;
    engine.generators.pyCurves = [&warnings](EngineRun& r) { py::generatePYCurves(r, warnings); };
    const std::string report = run(generatedCase(weakRockUnderSand(50, 0)).str(), &engine);
    const std::string warning =
        "\n       --------------------WARNING----------------------\n"
        "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
        "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n";
    EXPECT_NE(warnings.str().find(warning), std::string::npos) << warnings.str();
    EXPECT_NE(report.find(warning), std::string::npos);
    EXPECT_NE(report.find("FATAL ERROR -- LAYER  2 (WEAK ROCK)"), std::string::npos);
    // The first curve depth of the rock passed: its two sides are in the report.
    EXPECT_EQ(readReportSides(report).size(), 12u);
}

}  // namespace
}  // namespace torven::test
