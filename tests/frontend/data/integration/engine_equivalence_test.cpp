// Projects built in code, written by the writer and analysed by the engine
// library, against hand-written data files of the same walls.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/data/project/ProjectTables.h"
#include "frontend/main/EngineRun.h"
#include "frontend/main/temp_dir.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

namespace fs = std::filesystem;
using torven::test::ReadText;

// Five points of a p-y curve with the resistance a at 3 inches.
std::vector<test::Row> Curve(long double a) {
    return {{-3, a}, {-0.3L, 0.6L * a}, {0, 0}, {0.3L, -0.6L * a}, {3, -a}};
}

std::string CurveText(int node, const std::string& a, const std::string& sixTenths) {
    return std::to_string(node) + " 5 1 1\n-3 " + a + "\n-.3 " + sixTenths + "\n0 0\n.3 -" + sixTenths + "\n3 -" + a +
           "\n";
}

// The report without the lines that name the run's place and time.
std::string ReportBody(const fs::path& report) {
    std::istringstream in(ReadText(report));
    std::string body, line;
    while (std::getline(in, line)) {
        const bool placeOrTime =
            line.find("Path to file locations") != std::string::npos || line.find("Date:") != std::string::npos;
        if (!placeOrTime) body += line + "\n";
    }
    return body;
}

class EngineEquivalenceTest : public test::ProjectTest {
protected:
    // Writes the project and the hand-written text into directories of their
    // own under the same name, runs the engine on both and compares.
    void ExpectSameResults(const std::string& handWritten, int expectedCases) {
        fs::create_directory(dir.path() / "built");
        fs::create_directory(dir.path() / "hand");
        project->FileName = dir.path() / "built" / "wall.tv5d";
        project->WriteInputFile();
        const fs::path hand = dir.Write("hand/wall.tv5d", handWritten);

        const auto built = run::RunEngine(project->FileName, TORVEN_BIN_DIR);
        const auto reference = run::RunEngine(hand, TORVEN_BIN_DIR);
        ASSERT_EQ(built.status, run::RunStatus::Ok) << built.message;
        ASSERT_EQ(reference.status, run::RunStatus::Ok) << reference.message;

        const std::string report = ReportBody(built.paths.report);
        EXPECT_EQ(report, ReportBody(reference.paths.report));
        EXPECT_EQ(ReadText(built.paths.plot), ReadText(reference.paths.plot));
        EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
        EXPECT_EQ(report.find("ERROR"), std::string::npos);
        int cases = 0;
        for (std::size_t at = report.find("TORVEN for Windows"); at != std::string::npos;
             at = report.find("TORVEN for Windows", at + 1)) {
            ++cases;
        }
        EXPECT_EQ(cases, expectedCases);
    }

    torven::test::TempDir dir;
};

TEST_F(EngineEquivalenceTest, GeneratedPressureSoilLayersSurchargeAndALongTermSet) {
    TProgramData& p = *project;
    test::SetWall(p, "Cantilevered wall, sand over clay", {60, 6, 6, 0.0001L, 120, 12, 12, 60, 120});
    p.GenPY = false;
    p.GenPressure = true;
    p.UseUserPY = true;
    p.UseSurcharge = true;
    p.LongTerm = true;
    test::SetRows(Table(tbl::kStiffness), {{0, 60, 1, 5.34e9L}});
    test::SetRows(Table(tbl::kSurcharges), {{3, 1.7361111L, 48, 48}});
    test::SetSoilLayer(Table(tbl::kSoil), 0, 4, 16, {115, 32, 60, 0}, {115, 32, 60, 0});
    test::SetSoilLayer(Table(tbl::kSoil), 1, 2, 40, {120, 1200, 0.007L, 500, 0}, {120, 1200, 0.007L, 500, 0});
    test::SetSoilLayer(Table(tbl::kLongSoil), 0, 4, 16, {115, 30, 60, 0}, {115, 30, 60, 0});
    test::SetSoilLayer(Table(tbl::kLongSoil), 1, 2, 40, {120, 800, 0.007L, 500, 0}, {120, 800, 0.007L, 500, 0});
    test::SetPYCurve(Table(tbl::kPYCurves), 0, 21, 1, 1, Curve(50));
    test::SetPYCurve(Table(tbl::kPYCurves), 1, 40, 1, 1, Curve(400));
    test::SetPYCurve(Table(tbl::kPYCurves), 2, 60, 1, 1, Curve(900));

    const std::string common = "1 0 1 0 2 1 3 1 0 0\n60 6 6 1E-4 120 12\n0 60 1 5.34E9\n0\n0\n"
                               "120 12 12 60 120 1.0 1 0\n0 0 0 0 0 0\n1\n3 1.7361111 48 48\n2\n";
    const std::string curves = CurveText(21, "50", "30") + CurveText(40, "400", "240") + CurveText(60, "900", "540");
    ExpectSameResults("Cantilevered wall, sand over clay\n" + common +
                          "4 192\n6.6550926E-2 0 32 0 60 0\n6.6550926E-2 0 32 0 60 0\n"
                          "2 480\n0.069444444 8.3333333 0 0.007 500 0\n0.069444444 8.3333333 0 0.007 500 0\n" +
                          curves + "9\nCantilevered wall, sand over clay\n" + common +
                          "4 192\n6.6550926E-2 0 30 0 60 0\n6.6550926E-2 0 30 0 60 0\n"
                          "2 480\n0.069444444 5.5555556 0 0.007 500 0\n0.069444444 5.5555556 0 0.007 500 0\n" +
                          curves + "0\n",
                      2);
}

TEST_F(EngineEquivalenceTest, UserPressureTiebackRestraintLoadsSpringsAndCurves) {
    TProgramData& p = *project;
    test::SetWall(p, "Anchored wall with loads", {60, 6, 6, 0.0001L, 180, 12});
    p.GenPY = false;
    p.EarthPressureMode = 1;
    p.UseUserPressure = p.UseRestraints = p.UseConcLoads = p.UseSprings = p.UseTiebacks = true;
    p.UsePYMod = p.UseUserPY = p.UseMEI = true;
    test::SetRows(Table(tbl::kRestraints), {{1, 60, 0, 0}});
    test::SetRows(Table(tbl::kStiffness), {{0, 30, 2, 5.34e9L}, {30, 60, 2, 4.8e9L}});
    test::SetRows(Table(tbl::kConcentratedLoads), {{1, 0, 0, 500, 0, 1000}});
    test::SetRows(Table(tbl::kSprings), {{1, 10, 10, 200, 0}});
    test::SetRows(Table(tbl::kTiebacks), {{5, 1.5L, 29000000, 20, 15, 8, 20000}});
    test::SetRows(Table(tbl::kPYModifiers), {{0, 1, 1}, {20, 0.8L, 0.9L}});
    test::SetRows(Table(tbl::kDistLoad), {{0, 0}, {15, 594}, {30, 594}});
    test::SetPYCurve(Table(tbl::kPYCurves), 0, 30, 1, 1, Curve(200));
    test::SetPYCurve(Table(tbl::kPYCurves), 1, 60, 1, 1, Curve(600));
    test::SetMEICurve(Table(tbl::kMEICurves), 0, 0, 60, {{0, 5.34e9L}, {1e9, 5.34e9L}});

    ExpectSameResults("Anchored wall with loads\n1 1 2 2 1 1 2 1 1 1\n60 6 6 0.0001 180 12\n1 60 0 0\n"
                      "0 30 2 5340000000\n30 60 1 4.8E+09\n1\n1 0 0 500 0 1000\n1\n10 10 1 200 0\n"
                      "5 1.5 2.9E7 20 15 8 20000\n0 1 1\n240 .8 .9\n3\n0 0\n180 49.5\n360 49.5\n" +
                          CurveText(30, "200", "120") + CurveText(60, "600", "360") +
                          "0 60 2\n0 5.34E9\n1E9 5.34E9\n0\n",
                      1);
}

}  // namespace
}  // namespace torven::data
