// Clay curves through a whole run: both sides in the report and in SOILDATA
// with the shift and the multipliers, the equivalent depth of a lower layer,
// and clay layers the curves cannot be built for.
#include <gtest/gtest.h>

#include "tests/engine/py/published_curves.h"
#include "tests/engine/py/py_case.h"

namespace torven::test {
namespace {

using ClayGeneration = EngineFixture;

constexpr double kB = 24, kGamma = 0.07, kEps50 = 0.005, kK = 500;
constexpr double kFreeHeight = 120;

// One clay from the surface down, c = 3: the shift is (0.07 x 120 - 2 x 3) x 24 = 57.6.
SoilCase oneClay(int type, double c = 3, double widthActive = 48) {
    SoilCase s;
    s.widthActive = widthActive;
    s.widthPY = kB;
    s.layers = {clay(480, kGamma, c, type)};
    return s;
}

// The published curve of the clay at the depth z of one side.
Points publishedClay(int type, double c, double z) {
    switch (type) {
        case 1: {
            const double np = 3 + kGamma * z / c + 0.5 * z / kB;
            return matlockSoftClay(std::min(np, 9.0) * c * kB, 2.5 * kEps50 * kB);
        }
        case 2: {
            const double pc = std::min(2 * c * kB + kGamma * kB * z + 2.83 * c * z, 11 * c * kB);
            return stiffClayBelowWater(pc, publishedAs(z / kB), kEps50 * kB, kK * z);
        }
        default: {
            const double pu = std::min(3 * c * kB + kGamma * kB * z + 0.5 * c * z, 9 * c * kB);
            return stiffClayAboveWater(pu, 2.5 * kEps50 * kB);
        }
    }
}

TEST_F(ClayGeneration, BothSidesWithShiftAndMultiplierAgainstThePublishedCurves) {
    const double mp = 0.5292 * std::pow(2.0, 0.5659);  // width ratio 2
    const double pa = (kGamma * kFreeHeight - 2 * 3) * kB;
    for (int type : {1, 2, 3}) {
        const std::string report = run(generatedCase(oneClay(type)).str());
        const std::vector<ReportSide> sides = readReportSides(report);
        const SoilData file = readSoilData(0);
        ASSERT_EQ(file.count, 5) << type;
        ASSERT_EQ(file.generated.size(), 5u) << type;
        ASSERT_EQ(sides.size(), 10u) << type;
        for (int i = 0; i < 5; ++i) {
            const SoilDataCurve& curve = file.generated[i];
            const double x = curve.depth - kFreeHeight;
            EXPECT_EQ(curve.points, 34);
            for (int s = 0; s < 2; ++s) {
                const ReportSide& side = sides[2 * i + s];
                const std::string what = std::to_string(type) + " at X = " + std::to_string(x) + " side " + side.title;
                EXPECT_EQ(side.title, s == 0 ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE");
                EXPECT_NEAR(side.pMultiplier, 0.783, 1e-9) << what;
                EXPECT_EQ(side.yMultiplier, 1) << what;
                const Points expected = publishedClay(type, 3, s == 0 ? x : kFreeHeight + x);
                ASSERT_EQ(side.points.size(), 17u) << what;
                for (int k = 0; k < 17; ++k) {
                    const double p = s == 0 ? mp * expected[k][1] - pa : mp * expected[k][1] + pa;
                    EXPECT_TRUE(near(side.points[k][0], expected[k][0], 1e-6, 1e-5)) << what << " point " << k + 1;
                    EXPECT_TRUE(near(side.points[k][1], p, 1e-6, 1e-5)) << what << " point " << k + 1;
                    // The file row holds the same point with three digits.
                    const SoilDataRow& row = curve.rows[17 * s + k];
                    EXPECT_EQ(row.index, k + 1);
                    EXPECT_TRUE(near(row.p, p, 5e-3, 1e-12)) << what << " row " << k + 1;
                    EXPECT_TRUE(near(row.y, expected[k][0], 5e-3, 1e-12)) << what << " row " << k + 1;
                }
            }
        }
        EXPECT_NE(report.find("RESULTS -- ITERATION"), std::string::npos) << type;
    }
}

TEST_F(ClayGeneration, ReportBlockAndFileRowsInTheirColumns) {
    const std::string report = run(generatedCase(oneClay(1)).str());
    const std::string block =
        "\n\n"
        "         AT THE EXCAVATION SIDE\n"
        "\n"
        "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50\n"
        "                IN              IN      LBS/IN**2   LBS/IN**3\n"
        "              0.10          24.000 0.3000E+01 0.7000E-01   0.5000E-02\n"
        "\n"
        "                                     Y, IN             P, LBS/IN\n"
        "                                  0.00000           -57.60000\n"
        "                                  0.00060           -46.92473\n";
    EXPECT_NE(report.find("\n\n        P-Y CURVES DATA\n\n" + block), std::string::npos) << report;
    EXPECT_NE(report.find("                                  2.88000           111.85929\n"
                          "\n"
                          "                      P-Multiplier =  0.783E+00 Y-Multiplier =  0.100E+01\n"
                          "\n\n"
                          "         AT THE BACKFILL SIDE\n"),
              std::string::npos);
    const std::vector<std::string> lines = splitLines(readFile("SOILDATA"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], " 5");
    EXPECT_EQ(lines[1], "  1.2010000000149012E+02 34");
    EXPECT_EQ(lines[2], "    1 -0.576E+02  0.000E+00");
}

TEST_F(ClayGeneration, WithoutGeneratedEarthPressureTheCurvesAreNotShifted) {
    CaseBuilder b = generatedCase(oneClay(1));
    b.kep = 1;
    const std::string report = run(b.str());
    for (const ReportSide& side : readReportSides(report)) EXPECT_EQ(side.points[0][1], 0) << side.title;
}

TEST_F(ClayGeneration, ConsistentUnitsAreLabelledAsEnglish) {
    CaseBuilder b = generatedCase(oneClay(1));
    b.units = 3;
    const std::string report = run(b.str());
    EXPECT_NE(report.find("                                     Y, IN             P, LBS/IN\n"), std::string::npos);
}

TEST_F(ClayGeneration, SoftClayWarnsOfDeflectionsBelowItsSmallestAndUsesTheInitialModulus) {
    SoilCase soil = oneClay(1);
    soil.layers = {uniform(1, 480, {kGamma, 3, 0, 1e-16, 500, 0})};
    const std::string report = run(generatedCase(soil).str());
    const std::string warning = "\n                             **** WARNING ****\n"
                                "     DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM\n"
                                "     USED A SOIL MODULUS OF ";
    const auto at = report.find(warning);
    ASSERT_NE(at, std::string::npos);
    // y50 = 6E-15: the second point, 1.2E-17, lies on Ei = 0.5 pu (y50 / 1E-14)^(2/3) / y50.
    const double pu = (3 + kGamma * 0.1 / 3 + 0.5 * 0.1 / kB) * 3 * kB, y50 = 2.5e-16 * kB;
    const double ei = 0.5 * pu * std::cbrt(std::pow(y50 / 1e-14, 2)) / y50;
    EXPECT_TRUE(near(std::stod(report.substr(at + warning.size(), 12)), ei, 1e-3));
}

TEST_F(ClayGeneration, UserCurvesGoFirstWithTheirMultipliersApplied) {
    SoilCase soil = oneClay(1);
    soil.layers = {clay(200, kGamma, 3, 1), clay(480, kGamma, 6, 3)};
    CaseBuilder b = generatedCase(soil);
    b.nPYCurves = 2;
    b.curveLines = {"25 3 2 0.5", "-1 10", "0 0", "1 -10", "35 2 1 1", "0 0", "2 -40"};
    const std::string report = run(b.str());
    const SoilData file = readSoilData(2);
    EXPECT_EQ(file.count, 12);
    ASSERT_EQ(file.user.size(), 2u);
    EXPECT_EQ(file.user[0].depth, 25);
    EXPECT_EQ(file.user[0].points, 3);
    ASSERT_EQ(file.user[0].rows.size(), 3u);
    EXPECT_EQ(file.user[0].rows[0].index, 1);
    EXPECT_EQ(file.user[0].rows[0].p, 20);
    EXPECT_EQ(file.user[0].rows[0].y, -0.5);
    EXPECT_EQ(file.user[0].rows[2].p, -20);
    EXPECT_EQ(file.user[1].rows[1].p, -40);
    ASSERT_EQ(file.generated.size(), 10u);
    EXPECT_NEAR(file.generated[5].depth, kFreeHeight + 80 + 0.1, 1e-6);
    EXPECT_NE(report.find("RESULTS -- ITERATION"), std::string::npos);
}

TEST_F(ClayGeneration, StiffClaysReportTheirEquivalentDepthAndUseTheActualDepth) {
    for (int type : {2, 3}) {
        SoilCase soil = oneClay(1);
        soil.layers = {clay(200, kGamma, 3, 1), clay(480, kGamma, 6, type)};
        const std::string report = run(generatedCase(soil).str());
        std::vector<std::string> xeq;
        for (const std::string& line : splitLines(report))
            if (line.starts_with(" XEQ")) xeq.push_back(line);
        ASSERT_EQ(xeq.size(), type == 3 ? 2u : 1u) << type;
        std::istringstream first(xeq[0].substr(4));
        int layer = 0;
        double depth = 0, x = 0;
        first >> layer >> depth >> x;
        EXPECT_EQ(layer, 2);
        EXPECT_GT(depth, 0);
        EXPECT_NEAR(x, 80.1, 1e-6);
        if (type == 3) {
            EXPECT_NE(xeq[1].find("8.0000000000000000E+01"), std::string::npos) << xeq[1];
        }
        // The first curve of the layer resists from its actual depth.
        const Points expected = publishedClay(type, 6, x);
        const std::vector<ReportSide> sides = readReportSides(report);
        ASSERT_EQ(sides.size(), 20u) << type;
        const ReportSide& side = sides[10];
        EXPECT_TRUE(near(side.points[16][1], 0.783 * expected[16][1], 1e-3)) << type;
    }
}

// Stiff clay above water over soft clay, elements far apart (no reduction).
TEST_F(ClayGeneration, SoftClayUnderAStifferLayerResistsFromItsEquivalentDepth) {
    SoilCase soil = oneClay(1, 3, 96);
    soil.layers = {clay(200, kGamma, 6, 3), clay(480, kGamma, 3, 1)};
    const std::string report = run(generatedCase(soil).str());

    // Hand calculation: R of the upper layer by trapezoids over its curve depths,
    // then the depth at which soft clay from its own surface resists as much.
    const double xs[5] = {0.1, 20, 40, 60, 79.9};
    double r = 0;
    for (int i = 1; i < 5; ++i) {
        auto pu = [](double z) { return std::min(3 * 6 * kB + kGamma * kB * z + 0.5 * 6 * z, 9 * 6 * kB); };
        r += 0.5 * (pu(xs[i - 1]) + pu(xs[i])) * (xs[i] - xs[i - 1]);
    }
    // Soft clay c = 3: the resistance from its surface to x is 216 x + 0.84 x^2 + 0.75 x^2 below xr.
    const double xEq = (-216 + std::sqrt(216.0 * 216 + 4 * 1.59 * r)) / (2 * 1.59);
    const double zp = 0.1 + xEq;
    const double pu = (3 + kGamma * zp / 3 + 0.5 * zp / kB) * 3 * kB;
    const double pa = (kGamma * kFreeHeight - 2 * 3) * kB;
    const std::vector<ReportSide> sides = readReportSides(report);
    ASSERT_EQ(sides.size(), 20u);
    EXPECT_TRUE(near(sides[10].points[16][1], pu - pa, 1e-5));
    // The backfill side adds the free height to both depths.
    const double zpB = kFreeHeight + zp;
    const double puB = std::min(3 + kGamma * zpB / 3 + 0.5 * zpB / kB, 9.0) * 3 * kB;
    EXPECT_TRUE(near(sides[11].points[16][1], puB + pa, 1e-5));
}

TEST_F(ClayGeneration, ClayWithoutStrengthGivesZerosShiftedByTheActivePressure) {
    const std::string report = run(generatedCase(oneClay(1, 0)).str());
    const double pa = kGamma * kFreeHeight * kB;
    const std::vector<ReportSide> sides = readReportSides(report);
    ASSERT_EQ(sides.size(), 10u);
    for (const ReportSide& side : sides)
        for (const auto& point : side.points)
            EXPECT_NEAR(point[1], side.title == "AT THE EXCAVATION SIDE" ? -pa : pa, 1e-9) << side.title;
}

TEST_F(ClayGeneration, ClayWithoutStrengthUnderAStrongerLayerWarnsAndGoesOn) {
    SoilCase soil = oneClay(1);
    soil.layers = {clay(200, kGamma, 6, 3), clay(480, kGamma, 0, 1)};
    const std::string report = run(generatedCase(soil).str());
    EXPECT_NE(report.find("     WARNING -- LAYER  2: ITS PARAMETERS GIVE NO EQUIVALENT DEPTH (A DIVISION BY ZERO);\n"
                          "     THE ACTUAL DEPTH IS USED\n"),
              std::string::npos);
    EXPECT_EQ(readSoilData(0).generated.size(), 10u);
    EXPECT_NE(report.find("RESULTS -- ITERATION"), std::string::npos);
}

}  // namespace
}  // namespace torven::test
