// Generated earth pressure through a whole run: KESTRA.001 against hand
// Rankine values, the station loads it gives, and the generator's stops.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/soil/ep_profile.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/soil/soil_case.h"

namespace torven::test {
namespace {

using GeneratedPressure = EngineFixture;

struct Row {
    double depth, total, soils, surcharges;
};

struct RankineCase {
    const char* name;
    SoilCase soil;
    std::vector<Row> rows;
    std::vector<std::pair<int, double>> stationLoads;  // station, Q
};

SoilCase drySand() {
    SoilCase s;
    s.layers = {sand(600, 0.0625, 30)};
    return s;
}

// Hand values: Ka = 1/3 for 30 degrees, gamma 0.0625, water 0.036; width 12 above
// the dredge line at 120 and h = 6, so a station load is 72 x pressure.
std::vector<RankineCase> rankineCases() {
    std::vector<RankineCase> cases;
    cases.push_back({"dry sand", drySand(),
                     {{60, 1.25, 1.25, 0}, {120, 2.5, 2.5, 0}, {200, 2.5, 2.5, 0}},
                     {{10, 90}, {20, 180}, {21, 0}}});

    SoilCase water = drySand();
    water.waterBackfill = 60;
    water.waterExcavation = 90;
    // Above 60 dry; below: water 0.036 (z - 60) + (3.75 + 0.0265 (z - 60)) / 3, less the
    // excavation water 0.036 (z - 90) between 90 and 120; below 120: 5.34 / 3.
    cases.push_back({"sand with water tables", water,
                     {{60, 1.25, 1.25, 0}, {90, 2.595, 2.595, 0}, {114, 2.807, 2.807, 0}, {120, 3.94, 3.94, 0},
                      {200, 1.78, 1.78, 0}},
                     {{15, 2.595 * 72}, {19, 2.807 * 72}}});

    SoilCase tension;
    tension.freeHeight = 240;
    tension.layers = {clay(600, 0.07, 5)};
    // 0.07 z - 10: nothing above z = 142.9 but 1E-12 x row number; 6.8 below 240.
    cases.push_back({"clay with a tension zone", tension,
                     {{100, 1.01e-10, 1.01e-10, 0}, {200, 4.0, 4.0, 0}, {240, 6.8, 6.8, 0}, {300, 6.8, 6.8, 0}},
                     {{10, 0}, {33, (0.07 * 198 - 10) * 72}}});

    SoilCase sloping = drySand();
    sloping.slope = 20;
    // Rankine's Ka for a 20 degree slope on 30 degree sand: 0.41421.
    const double ka = 0.414207;
    cases.push_back({"sloping backfill", sloping, {{60, 3.75 * ka, 3.75 * ka, 0}}, {{10, 3.75 * ka * 72}}});

    SoilCase entered;
    entered.layers = {{5, 600, {0.0625, 2, 20, 0.01, 100, 0.4}, {0.0625, 2, 20, 0.01, 100, 0.4}}};
    // The entered 0.4 drops the cohesion term.
    cases.push_back({"entered coefficient", entered, {{60, 1.5, 1.5, 0}, {120, 3.0, 3.0, 0}, {300, 3.0, 3.0, 0}},
                     {{10, 1.5 * 72}}});

    SoilCase ignored;
    ignored.layers = {{5, 600, {0.0625, 2, 20, 0.01, 100, 1e-8}, {0.0625, 2, 20, 0.01, 100, 1e-8}}};
    // Ka = tan^2(35) = 0.49029: 0.49029 x 0.0625 z - 2 x 2 x 0.70021.
    cases.push_back({"coefficient of 1E-8 ignored", ignored, {{60, 61e-12, 61e-12, 0}, {120, 0.87635, 0.87635, 0}},
                     {{20, 0.87635 * 72}}});

    SoilCase uniform = drySand();
    uniform.uniform = 1;
    cases.push_back({"uniform surcharge", uniform,
                     {{0, 1.0 / 3, 0, 1.0 / 3}, {60, 4.75 / 3, 1.25, 1.0 / 3}, {200, 8.5 / 3, 2.5, 1.0 / 3}},
                     {{10, 4.75 / 3 * 72}}});
    return cases;
}

// KESTRA.001 keeps three significant digits.
void expectThreeDigits(double actual, double expected, const std::string& what) {
    const double unit = expected == 0 ? 1e-300 : std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 2);
    EXPECT_NEAR(actual, expected, 0.5001 * unit) << what;
}

// A station load from a pressure of three significant digits.
void expectStationLoad(const EngineRun& engine, int station, double expected, const std::string& what) {
    EXPECT_NEAR(const_cast<EngineRun&>(engine).wall().Q[WallModel::index(station)], expected,
                5e-3 * expected + 1e-6)
        << what << " station " << station;
}

TEST_F(GeneratedPressure, RankinePressuresInTheTableAndTheStationLoads) {
    for (const RankineCase& c : rankineCases()) {
        EngineRun engine;
        const std::string report = run(c.soil.builder().str(), &engine);
        ASSERT_EQ(report.find("ERROR"), std::string::npos) << c.name << report;
        const PressureFile file = readPressureFile();
        for (const Row& r : c.rows) {
            const auto* row = file.at(r.depth);
            ASSERT_NE(row, nullptr) << c.name << " depth " << r.depth;
            // The file keeps four significant digits.
            const std::string at = std::string(c.name) + " at " + std::to_string(r.depth);
            expectThreeDigits((*row)[1], r.total, at + " total");
            expectThreeDigits((*row)[2], r.soils, at + " soils");
            expectThreeDigits((*row)[3], r.surcharges, at + " surcharges");
        }
        for (auto [station, q] : c.stationLoads) expectStationLoad(engine, station, q, c.name);
    }
}

TEST_F(GeneratedPressure, WidthBelowTheDredgeLineIsTheWidthForSoilResistance) {
    EngineRun engine;
    run(drySand().builder().str(), &engine);
    const std::vector<PressureRow>& rows = engine.currentCase().pressure;
    ASSERT_GT(rows.size(), 122u);
    EXPECT_NEAR(rows[120].total, 12 * 2.5, 1e-2);  // depth 120
    EXPECT_NEAR(rows[121].total, 24 * 2.5, 1e-2);  // depth 121
}

TEST_F(GeneratedPressure, CountLineStopsAtTheWallTip) {
    // One layer 600 thick, dredge line at 200, wall 300 long.
    SoilCase s = drySand();
    s.freeHeight = 200;
    EngineRun engine;
    run(s.builder(2, 50, 6).str(), &engine);
    const PressureFile file = readPressureFile();
    EXPECT_EQ(file.count, 301);
    EXPECT_EQ(file.rows.size(), 601u);
    ASSERT_EQ(engine.currentCase().pressure.size(), 301u);
    EXPECT_EQ(engine.currentCase().pressure.back().depth, 300);
}

TEST_F(GeneratedPressure, CountLineNeverPromisesMoreRowsThanWritten) {
    // The soil ends at 250, above the tip at 300.
    SoilCase s = drySand();
    s.freeHeight = 200;
    s.layers = {sand(250, 0.0625, 30)};
    EngineRun engine;
    const std::string report = run(s.builder(2, 50, 6).str(), &engine);
    EXPECT_EQ(report.find("ERROR"), std::string::npos) << report;
    const PressureFile file = readPressureFile();
    EXPECT_EQ(file.count, 251);
    EXPECT_EQ(file.rows.size(), 251u);
}

TEST_F(GeneratedPressure, SoilEndingAboveTheDredgeLineEndsTheRunAtOnce) {
    SoilCase s = drySand();
    s.layers = {sand(100, 0.0625, 30)};
    const std::string report = run(s.builder().str());
    EXPECT_TRUE(report.ends_with(
        "\n\n\n     FATAL ERROR -- THE SOIL LAYERS END AT DEPTH 0.100E+03, NOT BELOW THE DREDGE LINE AT 0.120E+03\n"))
        << report;
    EXPECT_EQ(report.find("END OF ANALYSIS"), std::string::npos);
    EXPECT_EQ(plot(), "");
}

// Diagram of the apparent pressure for a wall of 240 retained, in sand of
// 0.0625 and 30 degrees: the resultant above the dredge line is 600 per unit width.
struct DiagramCase {
    const char* name;
    std::vector<std::string> tiebacks;
    std::vector<std::pair<double, double>> depthPressure;
};

TEST_F(GeneratedPressure, TrapezoidalDiagramForOneAndForSeveralSupports) {
    const std::string noLoad = "\t1\t29000000\t20\t0\t8\t0";
    const DiagramCase cases[] = {
        // a = 40, b = 80, c = 120; peak 1.3 x 600 x 3 / 480 = 4.875.
        {"one tieback at 60", {"5" + noLoad}, {{20, 2.4375}, {40, 4.875}, {80, 4.875}, {120, 4.875}, {180, 2.4375}}},
        // a = 40, c = 40, b = 160; peak 1.3 x 600 / (240 - 80 / 3) = 3.65625.
        {"tiebacks at 60 and 180", {"5" + noLoad, "15" + noLoad}, {{20, 1.828125}, {100, 3.65625}, {220, 1.828125}}},
    };
    for (const DiagramCase& c : cases) {
        SoilCase s = drySand();
        s.freeHeight = 240;
        CaseBuilder b = s.builder(3);
        b.tiebacks = c.tiebacks;
        EngineRun engine;
        const std::string report = run(b.str(), &engine);
        ASSERT_EQ(report.find("ERROR"), std::string::npos) << c.name << report;
        const PressureFile file = readPressureFile();
        for (auto [depth, pressure] : c.depthPressure) {
            ASSERT_NE(file.at(depth), nullptr);
            expectThreeDigits((*file.at(depth))[1], pressure, std::string(c.name) + " at " + std::to_string(depth));
            // Stations lie every 6: 72 x pressure; the tieback stations carry their anchors too.
            if (std::fmod(depth, 6) == 0 && depth != 60 && depth != 180)
                expectStationLoad(engine, static_cast<int>(depth / 6), 72 * pressure, c.name);
        }
        // The dredge-line row twice: the diagram's 0, then the computed pressure.
        std::vector<double> atDredge;
        for (const auto& row : file.rows)
            if (row[0] == 240) atDredge.push_back(row[1]);
        ASSERT_EQ(atDredge.size(), 2u) << c.name;
        EXPECT_NEAR(atDredge[0], 0, 1e-9) << c.name;
        EXPECT_NEAR(atDredge[1], 5.0, 5e-3) << c.name;
        EXPECT_EQ(file.count, 361) << c.name;
    }
}

TEST_F(GeneratedPressure, TrapezoidalDiagramWithoutSupportIsRefused) {
    SoilCase s = drySand();
    const std::string report = run(s.builder(3).str());
    EXPECT_NE(report.find("\n\n\n     ERROR -- TRAPEZOIDAL EARTH PRESSURE (KEP = 3) NEEDS A SPRING OR A TIEBACK\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("WALL INFORMATION"), std::string::npos);
    EXPECT_TRUE(report.ends_with("     END OF ANALYSIS\n"));
}

TEST_F(GeneratedPressure, SteepSlopeWarnsAndKeepsTheLevelCoefficient) {
    SoilCase s = drySand();
    s.slope = 35;
    EngineRun engine;
    const std::string report = run(s.builder().str(), &engine);
    const std::string warning = "\n\n\n**** WARNING ******\nTHE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE "
                                "'INTERNAL FRICTION ANGLE OF SAND.\n";
    EXPECT_NE(report.find(warning), std::string::npos) << report;
    EXPECT_TRUE(readFile(dir_ / "wall.tv5r").starts_with(warning.substr(1)));
    // Only the layer above the dredge line warns.
    EXPECT_EQ(report.find(warning), report.rfind(warning));
    expectThreeDigits((*readPressureFile().at(60))[1], 1.25, "level Ka");
}

TEST_F(GeneratedPressure, NegativeNetPressureIsReportedAndTheRunGoesOn) {
    SoilCase s;
    s.freeHeight = 240;
    s.layers = {clay(600, 0.07, 20)};
    testing::internal::CaptureStderr();
    const std::string report = run(s.builder().str());
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("\n\n\n     Net active pressure is negative.\n"), std::string::npos) << report;
    EXPECT_NE(warnings.find("     Net active pressure is negative."), std::string::npos);
    EXPECT_TRUE(report.ends_with("     END OF ANALYSIS\n"));
    // Every row below 1E-5 holds 1E-12 x its row number.
    const PressureFile file = readPressureFile();
    for (int k : {2, 100, 241}) EXPECT_NEAR(file.rows[k - 1][1], k * 1e-12, 1e-15) << k;
}

TEST_F(GeneratedPressure, TensionCrackLeavesThePressureBelowIt) {
    // Clay of 0.07 and c = 5 over 240: zero pressure at 142.9, 6.8 at the dredge line.
    SoilCase s;
    s.freeHeight = 240;
    s.layers = {clay(600, 0.07, 5)};
    const std::string report = run(s.builder().str());
    // PA4 = 97.143 x 6.8 / 2 = 330.29 acting at 240 - 97.143 / 3 = 207.62; with 57.2958 degrees
    // per radian Ka of the clay is 0.9999989, which leaves 330.28.
    EXPECT_NE(report.find("\n       1       0.00 120.00       0.00 160.00       0.00 207.62     330.28\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("Net active pressure is negative."), std::string::npos);
}

TEST_F(GeneratedPressure, SurchargeRowsLoadAUserTable) {
    SoilCase s = drySand();
    s.surcharges = {"2\t100\t60\t0"};
    // A user table reads the soil record only along with generated p-y curves.
    CaseBuilder b = s.builder(1);
    b.kpy = 2;
    b.pressure = {"0\t0", "120\t1"};
    EngineRun engine;
    run(b.str(), &engine);
    const std::vector<PressureRow>& rows = engine.currentCase().pressure;
    ASSERT_EQ(rows.size(), 2u);
    // Line load at m = 0.5 at the last of 200 steps of 1.8 above 120: 118.8.
    const double m = 0.5, n = 118.8 / 120;
    const double sigma = 4 * 100 * m * m * n / (3.1416 * 120 * std::pow(m * m + n * n, 2));
    EXPECT_NEAR(rows[1].surcharge, 12 * sigma, 1e-5);
    EXPECT_NEAR(rows[1].total, 1 + 12 * sigma, 1e-5);
    EXPECT_EQ(rows[0].surcharge, 0);
}

TEST_F(GeneratedPressure, InputTheFormulasCannotTakeIsRefused) {
    struct RefusedCase {
        const char* name;
        SoilCase soil;
        int kep;
        std::string message;
    };
    SoilCase noHeight = drySand();
    noHeight.freeHeight = 0;
    noHeight.surcharges = {"1\t500\t30\t0"};
    SoilCase unknownType = drySand();
    unknownType.layers = {sand(100, 0.0625, 30), {9, 600, {}, {}}};
    SoilCase thick = drySand();
    thick.layers = {sand(1e7, 0.0625, 30)};
    const RefusedCase cases[] = {
        {"a table of ten million rows", thick, 2, "THE SOIL LAYERS GIVE MORE THAN 200000 EARTH PRESSURE ROWS"},
        {"surcharge on a generated table", noHeight, 2, "SURCHARGE LOADS NEED A FREE HEIGHT GREATER THAN ZERO"},
        {"surcharge on a user table", noHeight, 1, "SURCHARGE LOADS NEED A FREE HEIGHT GREATER THAN ZERO"},
        {"unknown soil type", unknownType, 2, "SOIL LAYER 2 HAS THE UNKNOWN SOIL TYPE 9"},
    };
    for (const RefusedCase& c : cases) {
        CaseBuilder b = c.soil.builder(c.kep);
        b.kpy = 2;
        const std::string report = run(b.str());
        EXPECT_NE(report.find("\n     ERROR -- " + c.message + "\n"), std::string::npos) << c.name << report;
        EXPECT_TRUE(report.ends_with("     END OF ANALYSIS\n")) << c.name;
    }
}

}  // namespace
}  // namespace torven::test
