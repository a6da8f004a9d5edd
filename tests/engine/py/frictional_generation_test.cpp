// Sand and silt curves through a whole run: both sides with the shift and
// the multipliers against the published sand formulas, the continuous wall,
// silt without cohesion, and the silt without friction that stops the run.
#include <gtest/gtest.h>

#include "engine/py/py_curves.h"
#include "tests/engine/py/published_curves.h"
#include "tests/engine/py/py_case.h"

namespace torven::test {
namespace {

using FrictionalGeneration = EngineFixture;

constexpr double kFreeHeight = 120, kGamma = 0.065, kK = 90;

SoilCase oneSand(double phi, double widthActive, double widthPY) {
    SoilCase s;
    s.widthActive = widthActive;
    s.widthPY = widthPY;
    s.layers = {sand(600, kGamma, phi)};
    return s;
}

TEST_F(FrictionalGeneration, SandOnBothSidesAgainstThePublishedCurves) {
    struct Wall {
        const char* name;
        double phi, widthActive, widthPY, mp;
        bool continuous;
    };
    const Wall walls[] = {
        {"soldier piles, width ratio 2", 32, 48, 24, 0.5292 * std::pow(2.0, 0.5659), false},
        // Coulomb's passive wedge with wall friction 15 degrees: Kc = 4.9765.
        {"sheet piles", 30, 12, 12, 1, true},
    };
    for (const Wall& w : walls) {
        const std::string report = run(generatedCase(oneSand(w.phi, w.widthActive, w.widthPY)).str());
        const std::vector<ReportSide> sides = readReportSides(report);
        const SoilData file = readSoilData(0);
        ASSERT_EQ(sides.size(), 10u) << w.name;
        const double b = w.widthPY;
        const double ka = std::pow(std::tan(kPublishedPi / 4 - w.phi * kPublishedPi / 360), 2);
        const double pa = kGamma * kFreeHeight * ka * b;
        for (int i = 0; i < 5; ++i) {
            const double x = file.generated[i].depth - kFreeHeight;
            for (int s = 0; s < 2; ++s) {
                const double z = s == 0 ? x : kFreeHeight + x;
                const PublishedSand r = reeseSandResistance(w.phi, kGamma, z, b);
                const double ps = w.continuous ? b * 4.976525 * kGamma * z : std::min(r.wedge, r.flowAround);
                const Points expected = reeseSand(publishedA(z / b) * ps, publishedB(z / b) * ps, b, kK * z);
                const ReportSide& side = sides[2 * i + s];
                EXPECT_NEAR(side.pMultiplier, w.mp, 5e-4) << w.name;
                for (int k = 0; k < 17; ++k) {
                    const double p = s == 0 ? w.mp * expected[k][1] - pa : w.mp * expected[k][1] + pa;
                    const std::string what = std::string(w.name) + " at z = " + std::to_string(z);
                    EXPECT_TRUE(near(side.points[k][0], expected[k][0], 1e-6, 1e-5)) << what << " point " << k + 1;
                    EXPECT_TRUE(near(side.points[k][1], p, 1e-6, 1e-5)) << what << " point " << k + 1;
                }
            }
        }
    }
}

TEST_F(FrictionalGeneration, SiltWithoutCohesionHasNoCohesivePart) {
    SoilCase soil;
    soil.widthActive = 48;  // discrete elements: the cohesive part would divide by c
    soil.layers = {uniform(5, 600, {0.065, 0, 30, 0.01, 60, 0})};
    const std::string report = run(generatedCase(soil).str());
    EXPECT_EQ(report.find("ERROR"), std::string::npos) << report;
    EXPECT_EQ(readSoilData(0).generated.size(), 5u);
    // The header ends in the code-page-437 phi; on the parameter line Puc is 0.
    const auto header = report.find("Puc       Pu\xED\n");
    ASSERT_NE(header, std::string::npos);
    const std::string parameters = splitLines(report.substr(header))[2];
    EXPECT_EQ(parameters.substr(60, 10), " 0.000E+00") << parameters;
    // Silt rows set their values two blanks apart.
    const std::vector<std::string> lines = splitLines(readFile("SOILDATA"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2].substr(0, 7), "    1  ") << lines[2];
    EXPECT_EQ(lines[2].size(), 29u) << lines[2];
    EXPECT_NE(report.find("RESULTS -- ITERATION"), std::string::npos);
}

TEST_F(FrictionalGeneration, SiltWithoutFrictionStopsTheRunWithItsWarningInTheReport) {
    SoilCase soil;
    soil.layers = {sand(200, kGamma, 32), uniform(5, 600, {0.065, 2, 0, 0.01, 60, 0})};
    std::ostringstream warnings;
    EngineRun engine;
    engine.generators.pyCurves = [&warnings](EngineRun& r) { py::generatePYCurves(r, warnings); };
    const std::string report = run(generatedCase(soil).str(), &engine);
    const std::string warning =
        "\n\n       WARNING-------The Angle of the slope can not\n"
        "                     be greater than the internal  \n"
        "                     friction angle of the sand.   \n\n";
    EXPECT_NE(warnings.str().find(warning), std::string::npos) << warnings.str();
    EXPECT_NE(report.find(warning + "\n\n     FATAL ERROR -- LAYER  2 (SILT): THE FRICTION ANGLE OF THE SILT IS ZERO\n"),
              std::string::npos);
    EXPECT_EQ(report.find("RESULTS -- ITERATION"), std::string::npos);
}

}  // namespace
}  // namespace torven::test
