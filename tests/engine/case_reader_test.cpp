#include <gtest/gtest.h>

#include "tests/engine/case_builder.h"
#include "tests/engine/engine_fixture.h"

namespace torven::test {
namespace {

using CaseReader = EngineFixture;

const std::string kZeros5 = " 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.000E+00";

// The lines of `report` from the first line equal to `first`, `count` lines long.
std::vector<std::string> linesFrom(const std::string& report, const std::string& first, std::size_t count) {
    std::vector<std::string> lines = splitLines(report);
    auto it = std::find(lines.begin(), lines.end(), first);
    if (it == lines.end()) return {};
    std::size_t start = static_cast<std::size_t>(it - lines.begin());
    return std::vector<std::string>(lines.begin() + start, lines.begin() + std::min(lines.size(), start + count));
}

TEST_F(CaseReader, EchoOfControlWallStiffnessLoadsAndPressure) {
    const std::string report = run(CaseBuilder{}.str());
    const std::string stars = "      " + std::string(50, '*');
    const std::vector<std::string> expected = {
        stars,
        "      *        PROGRAM CONTROL PARAMETERS              *",
        stars,
        "",
        "      NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  =  0",
        "      NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      =  1",
        "      GENERATE EARTH PRESSURE INTERNALLY                 =  0",
        "      GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   =  0",
        "      NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES =  0",
        "      NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  =  0",
        "      NUMBER OF INCREMENTS                               =  40",
        "      INCREMENT LENGTH                                   =     6.000 IN",
        "      FREE HEIGHT OF WALL                                =   120.000 IN",
        "      MAXIMUM ALLOWABLE DEFLECTION                       =    10.000 IN",
        "      DEFLECTION CLOSURE TOLERANCE                       = 1.000E-05 IN",
        "",
        std::string(20, ' '),
        "",
        "",
        stars,
        "      *        STIFFNESS AND LOAD DATA                 *",
        stars,
        "      EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,",
        "      S - STIFFNESS OF TRANSVERSE RESISTANCE,",
        "      T - TORQUE,              P - AXIAL LOAD,",
        "      R - STIFFNESS OF TORSIONAL RESISTANCE.",
        "",
        "     FROM TO CONTD     EI         Q        S'        T         R         P",
        "                  LBS-IN**2       LBS    LBS/IN    LBS-INLBS-IN/RAD       LBS",
        "        0  40  0  0.290E+08" + kZeros5,
        "        0   0  0  0.145E+08 0.100E+04 0.000E+00 0.000E+00 0.000E+00 0.000E+00",
        "",
        "",
        stars,
        "      *        SPECIFIED ACTIVE EARTH PRESSURE         *",
        stars,
        "",
        "",
        "         DEPTH         ACTIVE EARTH PRESSURE",
        "          IN                  LBS/IN",
        "        --------       ------------------------",
        "       0.000E+00           0.000E+00",
        "       0.120E+03           0.100E+03",
    };
    EXPECT_EQ(linesFrom(report, stars, expected.size()), expected);
}

TEST_F(CaseReader, RestraintEchoForms) {
    CaseBuilder b;
    b.restraints = {"1\t-1\t0.5\t0", "2\t0\t0\t0.01", "3\t0\t0.25\t-0.002"};
    const std::string report = run(b.str());
    const std::vector<std::string> expected = {
        "          STA      CASE       DEFLECTION        SLOPE",
        "",
        "           -1        1         0.500E+00         NONE",
        "            0        2           NONE         0.100E-01",
        "            0        3         0.250E+00     -0.200E-02",
    };
    EXPECT_EQ(linesFrom(report, expected[0], expected.size()), expected);
    EXPECT_TRUE(contains(report, "      *        SPECIFIED DEFLECTIONS AND SLOPES        *"));
    EXPECT_FALSE(contains(report, "     ERROR STOP -- STATIONS NOT IN ORDER"));
}

TEST_F(CaseReader, RefusedRows) {
    struct Case {
        const char* name;
        CaseBuilder data;
        std::string message;
    };
    std::vector<Case> cases;
    auto add = [&cases](const char* name, auto edit, const std::string& message) {
        CaseBuilder b;
        edit(b);
        cases.push_back({name, b, message});
    };
    const std::string notInOrder = "     ERROR STOP -- STATIONS NOT IN ORDER";
    const std::string beyondEnd = "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";
    const std::string tooMuch = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
    add("restraints 5, 5, 3", [](CaseBuilder& b) { b.restraints = {"1\t5\t0\t0", "1\t5\t0\t0", "1\t3\t0\t0"}; },
        notInOrder);
    add("restraint below -1", [](CaseBuilder& b) { b.restraints = {"1\t-2\t0\t0"}; }, notInOrder);
    add("restraint below the tip", [](CaseBuilder& b) { b.restraints = {"1\t42\t0\t0"}; }, beyondEnd);
    add("21 restraints", [](CaseBuilder& b) { b.restraints.assign(21, "1\t0\t0\t0"); }, tooMuch);
    add("stiffness 10 to 5", [](CaseBuilder& b) { b.stiffness = {"10\t5\t1\t1E6"}; }, notInOrder);
    add("EI at N+1", [](CaseBuilder& b) { b.stiffness = {"0\t41\t1\t1E6"}; }, beyondEnd);
    add("stiffness beyond the arrays", [](CaseBuilder& b) { b.stiffness = {"0\t45\t1\t1E6"}; }, beyondEnd);
    add("load above the arrays", [](CaseBuilder& b) { b.loads = {"1\t-5\t0\t100\t0\t0"}; }, notInOrder);
    add("spring 12 to 11", [](CaseBuilder& b) { b.springs = {"12\t11\t1\t100\t0"}; }, notInOrder);
    add("tieback far below the wall", [](CaseBuilder& b) { b.tiebacks = {"500\t1\t29E6\t20\t15\t8\t1000"}; },
        notInOrder);
    add("tieback just below the tip", [](CaseBuilder& b) { b.tiebacks = {"20.5\t1\t29E6\t20\t15\t8\t1000"}; },
        notInOrder);
    add("tieback above the top", [](CaseBuilder& b) { b.tiebacks = {"-0.5\t1\t29E6\t20\t15\t8\t1000"}; },
        notInOrder);
    add("M-EI curve beyond the arrays", [](CaseBuilder& b) {
        b.nMEI = 1;
        b.meiLines = {"0\t99\t2", "0\t1E9", "1E6\t1E9"};
    }, beyondEnd);
    for (const Case& c : cases) {
        const std::string report = run(c.data.str());
        EXPECT_TRUE(contains(report, c.message)) << c.name;
        EXPECT_TRUE(report.ends_with("\n\n\n     END OF ANALYSIS\n")) << c.name;
    }
}

TEST_F(CaseReader, TwentyOneRestraintsStopBeforeAnyRowIsRead) {
    CaseBuilder b;
    b.restraints.assign(21, "not a row");
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "     TOO MUCH DATA FOR AVAILABLE STORAGE"));
    EXPECT_EQ(report.find("INPUT ERROR"), std::string::npos);
}

TEST_F(CaseReader, AxialLoadEchoedAsEnteredStoredNegative) {
    CaseBuilder b;
    b.loads = {"1\t5\t5\t0\t0\t100"};
    EngineRun engine;
    const std::string report = run(b.str(), &engine);
    EXPECT_TRUE(contains(report, "        5   5  0  0.290E+08 0.000E+00 0.000E+00 0.000E+00 0.000E+00 0.100E+03"));
    EXPECT_EQ(engine.wall().P[WallModel::index(5)], -100.0);
}

TEST_F(CaseReader, SpringAndTiebackRowsEchoAsSingleTableRows) {
    CaseBuilder b;
    b.springs = {"20\t30\t1\t500\t2000"};
    // 5 ft at h = 6 in is station 10; spring 12*1*29E6/(240*96), load -(12/96)*8000.
    b.tiebacks = {"5\t1\t29000000\t20\t0\t8\t8000"};
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "       20  30  0  0.290E+08 0.000E+00 0.500E+03 0.000E+00 0.200E+04 0.000E+00"));
    EXPECT_TRUE(contains(report, "       10  10  0  0.290E+08-0.100E+04 0.151E+05 0.000E+00 0.000E+00 0.000E+00"));
}

TEST_F(CaseReader, InterpolatedRowsEchoTheirOpeningAndClosingStations) {
    CaseBuilder b;
    b.stiffness = {"0\t0\t2\t1E6", "5\t10\t1\t2E6", "10\t40\t1\t3E6"};
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "        0      1  0.100E+07" + kZeros5));
    EXPECT_TRUE(contains(report, "           10  0  0.200E+07" + kZeros5));
    EXPECT_TRUE(contains(report, "       10  40  0  0.300E+07" + kZeros5));
}

TEST_F(CaseReader, PressureTableLoadsStations) {
    // Last depth 63 lies between stations 10 (60) and 11 (66): station 11 repeats station 10's force.
    CaseBuilder b;
    b.pressure = {"0\t0", "63\t63"};
    EngineRun engine;
    run(b.str(), &engine);
    const WallModel& w = engine.wall();
    EXPECT_EQ(w.Q[WallModel::index(0)], 1000.0);
    for (int i = 1; i <= 10; ++i) EXPECT_DOUBLE_EQ(w.Q[WallModel::index(i)], 6.0 * i * 6.0) << i;
    EXPECT_DOUBLE_EQ(w.Q[WallModel::index(11)], 360.0);
    EXPECT_EQ(w.Q[WallModel::index(12)], 0.0);
}

TEST_F(CaseReader, NoSoilRecordWithoutGeneratedPressureOrCurves) {
    CaseBuilder b;
    b.kep = 0;
    b.pyMods = {"60\t0.5\t1"};
    b.nPYCurves = 1;
    b.curveLines = {"20 2 1 1", "-1\t100", "1\t-100"};
    EngineRun engine;
    const std::string report = run(b.str(), &engine);
    EXPECT_EQ(report.find("INPUT ERROR"), std::string::npos) << report;
    ASSERT_EQ(engine.currentCase().userCurves.size(), 1u);
    EXPECT_EQ(engine.currentCase().userCurves[0].station, 20);
    EXPECT_EQ(engine.currentCase().pyMods.size(), 1u);
    EXPECT_EQ(plot().substr(0, 3), " 0\n");
}

TEST_F(CaseReader, NegativeEarthPressureCodeMeansNone) {
    CaseBuilder b;
    b.kep = -1;
    const std::string report = run(b.str());
    EXPECT_TRUE(contains(report, "      GENERATE EARTH PRESSURE INTERNALLY                 =  0"));
    EXPECT_TRUE(report.ends_with("     END OF ANALYSIS\n")) << report;
    EXPECT_EQ(plot().substr(0, 3), " 0\n");
}

// Writes a generated pressure table of `rows` rows, 1 inch apart.
struct FakePressureGenerator {
    int rows;
    void operator()(EngineRun&) const {
        std::ofstream out("KESTRA.001");
        out << rows << "\n";
        for (int i = 1; i <= rows; ++i) out << i << " " << 2.0 * i << " " << 2.0 * i << " 0\n";
    }
};

TEST_F(CaseReader, GeneratedTableEchoesEveryStrideRowAndTheLast) {
    CaseBuilder b;
    b.kep = 2;
    b.soil = {"120 12 24 0 0 1 1 0", "0 0 0 0 0 0", "0", "1", "4 480", "0.07 0.0 30 0.0 90 0.3",
              "0.07 0.0 30 0.0 90 0.3"};
    for (auto [units, stride] : {std::pair{1, 6}, std::pair{2, 4}, std::pair{3, 6}}) {
        b.units = units;
        EngineRun engine;
        engine.generators.earthPressure = FakePressureGenerator{120};
        const std::string report = run(b.str(), &engine);
        std::vector<std::string> rows = linesFrom(report, "        --------       ------------------------", 200);
        ASSERT_FALSE(rows.empty()) << report;
        std::vector<double> depths;
        for (std::size_t i = 1; i < rows.size() && rows[i].size() == 36; ++i)
            depths.push_back(std::stod(rows[i].substr(6, 10)));
        std::vector<double> expected;
        for (int d = 1; d <= 120; d += stride) expected.push_back(d);
        if (expected.back() != 120) expected.push_back(120);
        EXPECT_EQ(depths, expected) << "units " << units;
        EXPECT_EQ(plot().substr(0, 4), " " + std::to_string(expected.size()) + "\n");
        // Width 12 above the excavation (depth 120), pressure 2*depth, loads to station nint(120/6).
        EXPECT_DOUBLE_EQ(engine.wall().Q[WallModel::index(1)], 12.0 * 12.0 * 6.0);
    }
}

TEST_F(CaseReader, GenerateFlagReflectsTheCurrentCaseOnly) {
    CaseBuilder first;
    first.kep = 2;
    first.endCode = 9;
    first.soil = {"120 12 24 0 0 1 1 0", "0 0 0 0 0 0", "0", "0"};
    CaseBuilder second;
    EngineRun engine;
    engine.generators.earthPressure = FakePressureGenerator{10};
    const std::string report = run(first.str() + second.str() + "0\r\n", &engine);
    const std::string label = "      GENERATE EARTH PRESSURE INTERNALLY                 = ";
    const std::size_t one = report.find(label + " 1\n");
    const std::size_t zero = report.find(label + " 0\n");
    ASSERT_NE(one, std::string::npos);
    ASSERT_NE(zero, std::string::npos);
    EXPECT_LT(one, zero);
}

}  // namespace
}  // namespace torven::test
