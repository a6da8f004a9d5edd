#include <gtest/gtest.h>

#include <cmath>

#include "engine/fortran_format.h"
#include "engine/tieback.h"
#include "tests/engine/case_builder.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/plot_reader.h"

namespace torven::test {
namespace {

using Iteration = EngineFixture;

std::string monitor(const std::filesystem::path& dir) { return readFile(dir / "wall.tv5r"); }

// A straight p-y curve p = -k y through the origin, from -2 to 2.
std::vector<std::string> linearCurve(int station, double k) {
    return {std::to_string(station) + " 3 1 1", "-2\t" + std::to_string(2 * k), "0\t0",
            "2\t" + std::to_string(-2 * k)};
}

TEST_F(Iteration, WithoutCurvesClosesInTheSecondIteration) {
    CaseBuilder b;
    b.restraints = {"3\t40\t0\t0"};
    b.loads = {"1\t0\t0\t10\t0\t0"};
    b.pressure = {"0\t0", "6\t0"};
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "     RESULTS -- ITERATION  2")) << report;
    const std::vector<std::string> lines = splitLines(monitor(dir_));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "     ITERATION MONITOR DATA");
    EXPECT_EQ(lines[4], "     ----------------------");
    EXPECT_EQ(lines[5].substr(0, 16), "      1       NO");
    EXPECT_EQ(lines[6].substr(0, 29), "      2       NO          0  ");
    EXPECT_EQ(lines[5].substr(29), lines[6].substr(29));
}

TEST_F(Iteration, ExceededDeflectionStopsAtTheFirstSolution) {
    CaseBuilder b;
    b.wall = "40 6\t0.001\t1E-5\t120\t12";
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "     RESULTS -- ITERATION  1"));
    EXPECT_NE(report.find("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***"), std::string::npos);
    EXPECT_TRUE(contains(report, "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****"));
}

TEST_F(Iteration, DeflectionBeyondTheCurveIsFlaggedAndExtended) {
    CaseBuilder b;
    b.restraints = {"1\t40\t0\t0"};
    b.loads = {"1\t0\t0\t100000\t0\t0"};
    b.pressure = {"0\t0", "6\t0"};
    b.kpy = 1;
    b.nPYCurves = 1;
    b.curveLines = {"0 2 1 1", "-0.001\t1", "0.001\t-1"};
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "     ***** DEFLECTION OFF Q - W CURVES *****"));
    EXPECT_NE(monitor(dir_).find("       YES      "), std::string::npos);
}

TEST_F(Iteration, LinearCurvesActLikeSprings) {
    // Curves at every station below the excavation with p = -k y, against springs S = k h.
    const double k = 50.0, h = 6.0;
    CaseBuilder curves;
    curves.kpy = 1;
    curves.wall = "40 6\t10\t1E-9\t0\t12";
    curves.pressure = {"0\t0", "6\t0"};
    for (int s = 0; s <= 40; ++s)
        for (const std::string& l : linearCurve(s, k)) curves.curveLines.push_back(l);
    curves.nPYCurves = 41;
    CaseBuilder springs = curves;
    springs.kpy = 0;
    springs.nPYCurves = 0;
    springs.curveLines.clear();
    // Interpolated curves give the end stations half, as a spring row 0..40 does.
    springs.springs = {"0\t40\t1\t" + std::to_string(k * h) + "\t0"};

    EngineRun withCurves, withSprings;
    run(curves.str(), &withCurves);
    run(springs.str(), &withSprings);
    for (int s = 0; s <= 40; ++s) {
        const int i = WallModel::index(s);
        EXPECT_NEAR(withCurves.wall().W[i], withSprings.wall().W[i], 1e-9 * std::fabs(withSprings.wall().W[i]) + 1e-15)
            << s;
    }
}

TEST_F(Iteration, UserCurveEchoAndPlotRecords) {
    CaseBuilder b;
    b.kpy = 1;
    b.nPYCurves = 1;
    b.curveLines = {"12 3 0.5 2", "-1\t10", "0\t0", "1\t-10"};
    const std::string report = run(b.str());
    const std::vector<std::string> expected = {
        "     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS",
        "",
        "",
        "       12  12  0          0.500E+00     0.200E+01           3",
        "                      Y                   P    ",
        "                      IN                LBS/IN",
        "                  ---------            --------",
        "                 -0.200E+01           0.500E+01",
        "                  0.000E+00           0.000E+00",
        "                  0.200E+01          -0.500E+01",
    };
    std::vector<std::string> lines = splitLines(report);
    auto it = std::find(lines.begin(), lines.end(), expected[0]);
    ASSERT_NE(it, lines.end()) << report;
    EXPECT_EQ(std::vector<std::string>(it, it + expected.size()), expected);
    EXPECT_TRUE(contains(report, "      *     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *"));

    std::istringstream p(plot());
    int nep, units, count, points;
    double depth, y, pr;
    p >> nep;
    for (int i = 0; i < 4 * nep; ++i) p >> y;
    p >> units >> count >> depth >> points;
    EXPECT_EQ(units, 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(depth, 72.0);
    EXPECT_EQ(points, 3);
    p >> y >> pr;
    EXPECT_EQ(y, -2.0);
    EXPECT_EQ(pr, 5.0);
}

TEST_F(Iteration, CurvesOutOfOrderAreRefused) {
    CaseBuilder b;
    b.kpy = 1;
    b.nPYCurves = 1;
    b.curveLines = {"30 3 1 1", "0\t0", "-1\t10", "1\t-10"};
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "     ERROR -- P-Y CURVE AT STATION 30: DEFLECTIONS MUST BE IN ASCENDING ORDER"));
    EXPECT_EQ(report.find("RESULTS -- ITERATION"), std::string::npos);
}

// A generator that writes `count` curves 12 in apart from depth 120, each
// with p = 10 y on both sides.
struct FakeCurveGenerator {
    int count;
    void operator()(EngineRun&) const {
        std::ofstream out("SOILDATA");
        out << count << "\n";
        for (int c = 0; c < count; ++c) {
            out << 120 + 12 * c << " 17\n";
            for (int side = 0; side < 2; ++side)
                for (int i = 0; i < 17; ++i) out << i + 1 << " " << 10.0 * i << " " << i * 1.0 << "\n";
        }
    }
};

TEST_F(Iteration, GeneratedCurvesAreMirroredAndInterpolated) {
    CaseBuilder b;
    b.kpy = 2;
    b.kep = 0;
    b.soil = {"120 12 12 0 0 1 1 0", "0 0 0 0 0 0", "0", "0"};
    EngineRun engine;
    engine.generators.pyCurves = FakeCurveGenerator{2};
    run(b.str(), &engine);
    std::istringstream p(plot());
    int nep, units, count;
    std::string depthText;
    int points;
    p >> nep >> units >> count >> depthText >> points;
    EXPECT_EQ(count, 2);
    EXPECT_EQ(depthText, "120.00");
    EXPECT_EQ(points, 33);
    std::vector<double> ys, ps;
    for (int i = 0; i < 33; ++i) {
        double y, pr;
        p >> y >> pr;
        ys.push_back(y);
        ps.push_back(pr);
    }
    EXPECT_EQ(ys.front(), -16.0);
    EXPECT_EQ(ps.front(), 160.0);
    EXPECT_EQ(ys[16], 0.0);
    EXPECT_EQ(ys.back(), 16.0);
    EXPECT_EQ(ps.back(), -160.0);
}

TEST_F(Iteration, UserCurvesComeFirstWhenCurvesAreAlsoGenerated) {
    CaseBuilder b;
    b.kpy = 2;
    b.kep = 0;
    b.soil = {"120 12 12 0 0 1 1 0", "0 0 0 0 0 0", "0", "0"};
    b.nPYCurves = 1;
    b.curveLines = {"15 3 0.5 2", "-1\t10", "0\t0", "1\t-10"};
    EngineRun engine;
    engine.generators.pyCurves = [](EngineRun&) {
        std::ofstream out("SOILDATA");
        out << "2\n15 3\n1 5 -2\n2 0 0\n3 -5 2\n";
        out << "132 17\n";
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < 17; ++i) out << i + 1 << " " << 10.0 * i << " " << i * 1.0 << "\n";
    };
    const std::string report = run(b.str(), &engine);
    EXPECT_TRUE(contains(report, "           15  0          0.500E+00     0.200E+01            3")) << report;
    const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
    ASSERT_EQ(blocks.size(), 1u);
    ASSERT_EQ(blocks[0].curves.size(), 2u);
    EXPECT_EQ(blocks[0].curves[0].depth, 90.0);
    ASSERT_EQ(blocks[0].curves[0].points.size(), 3u);
    EXPECT_EQ(blocks[0].curves[0].points[0][0], -1.0) << "the entered points, without multipliers";
    EXPECT_EQ(blocks[0].curves[0].points[0][1], 10.0);
    EXPECT_EQ(blocks[0].curves[1].depth, 132.0);
    EXPECT_EQ(blocks[0].curves[1].points.size(), 33u);
}

TEST_F(Iteration, TiebackResultsAtAWallThatDoesNotMove) {
    // The anchor station is held at zero deflection: the reported force is the prestress load.
    CaseBuilder b;
    b.loads = {"1\t0\t0\t0\t0\t0"};
    b.restraints = {"1\t10\t0\t0", "3\t40\t0\t0"};
    b.tiebacks = {"5\t1\t29000000\t20\t0\t8\t8000"};
    EngineRun engine;
    const std::string report = run(b.str(), &engine);
    const Tieback& tie = engine.currentCase().tiebacks.at(0);
    EXPECT_EQ(tie.station, 10);
    EXPECT_DOUBLE_EQ(tie.load, -8000.0 / 8.0);
    const std::string expected = "     1     10     0.600E+02  " + fmt::E(-1000.0, 15, 4) + "  " +
                                 fmt::E(-1000.0, 15, 4) + "  " + fmt::E(-8000.0, 15, 4);
    EXPECT_TRUE(contains(report, expected)) << report;
}

TEST_F(Iteration, TiebackConversion) {
    struct Case {
        int units;
        double depth, spacing, angle, h, width;
        int station;
        double spring, load;
    };
    const double c15 = std::cos(15.0 * double(3.1416f) / 180.0);
    const std::vector<Case> cases = {
        {1, 10.0, 8.0, 0.0, 12.0, 12.0, 10, 12.0 * 29e6 / (240.0 * 96.0), -12.0 / 96.0 * 1000.0},
        {1, 10.6, 8.0, 0.0, 12.0, 12.0, 11, 12.0 * 29e6 / (240.0 * 96.0), -12.0 / 96.0 * 1000.0},
        {2, 3.0, 2.0, 15.0, 0.5, 1.0, 6, 29e6 * c15 / (20.0 * 2.0), -1000.0 / 2.0 * c15},
        {2, 3.0, 4.0, 15.0, 0.5, 1.0, 6, 29e6 * c15 / (20.0 * 4.0), -1000.0 / 4.0 * c15},
    };
    for (const Case& c : cases) {
        Tieback t;
        t.depth = c.depth;
        t.area = 1.0;
        t.modulus = 29e6;
        t.unbondedLength = 20.0;
        t.angle = c.angle;
        t.spacing = c.spacing;
        t.prestress = 1000.0;
        convertTieback(t, c.units, c.h, c.width);
        EXPECT_EQ(t.station, c.station);
        EXPECT_NEAR(t.spring, c.spring, 1e-9 * c.spring);
        EXPECT_NEAR(t.load, c.load, 1e-12);
    }
}

TEST_F(Iteration, MomentEICurveSettlesInTheOuterLoop) {
    CaseBuilder b;
    b.restraints = {"3\t40\t0\t0"};
    b.loads = {"1\t0\t0\t10\t0\t0"};
    b.pressure = {"0\t0", "6\t0"};
    b.nMEI = 1;
    b.meiLines = {"0\t40\t3", "-1E9\t29000000", "1000\t29000000", "1E6\t10000000"};
    EngineRun engine;
    const std::string report = run(b.str(), &engine);
    EXPECT_EQ(report.find("SOLUTION NOT CLOSED"), std::string::npos) << report;
    // Stations with moments above 1E5 soften below the entered 29E6.
    double least = 1e300;
    for (int s = 1; s < 40; ++s) least = std::min(least, engine.wall().EI[WallModel::index(s)]);
    EXPECT_LT(least, 29e6);
}

}  // namespace
}  // namespace torven::test
