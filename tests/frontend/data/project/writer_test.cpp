#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/InputFileWriter.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/TextFile.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

using test::ProjectTest;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST_F(ProjectTest, ANewProjectWritesGeneratedPressureAndCurvesWithAnEmptySurchargeTable) {
    const std::string text = InputFileText(*project);
    EXPECT_EQ(text, Lines({"New Wall", "1 0\t1\t0\t2\t2 0 1 0 0", "0 0\t100\t0.00001\t0\t0", "0\t1\t1\t0", "0", "0",
                           "0\t0\t0\t0\t0\t1\t1\t0", "0\t0\t0\t0\t0\t0", "0", "1", "1 0 ",
                           "0 0 0.0  0 0 0 ", "0 0 0.0  0 0 0 ", "0"}));
    EXPECT_EQ(project->KEP, 2);
    EXPECT_EQ(project->KPY, 2);
}

// Every record of the layout with every option on, English units, and the
// long-term set.
class FullProjectTest : public ProjectTest {
protected:
    FullProjectTest() {
        TProgramData& p = *project;
        test::SetWall(p, "Anchored wall", {60, 6, 6, 0.0001L, 180, 12, 12, 60, 120});
        p.UseRestraints = p.UseConcLoads = p.UseSprings = p.UseTiebacks = p.UsePYMod = true;
        p.UseUserPressure = p.UseSurcharge = p.UseUserPY = p.UseMEI = p.LongTerm = true;
        p.EarthPressureMode = 1;
        test::SetRows(Table(tbl::kRestraints), {{1, 0, 0.000001L, 0}});
        test::SetRows(Table(tbl::kStiffness), {{0, 30, 2, 123456789}, {30, 60, 2, 5e9}});
        test::SetRows(Table(tbl::kConcentratedLoads), {{1, 0, 0, 1000, 0, 500}});
        test::SetRows(Table(tbl::kSprings), {{2, 5, 10, 100, 0}});
        test::SetRows(Table(tbl::kTiebacks), {{5, 1.5L, 29000000, 20, 15, 8, 20000}});
        test::SetRows(Table(tbl::kPYModifiers), {{0, 1, 1}, {10, 0.5L, 0.8L}});
        test::SetRows(Table(tbl::kDistLoad), {{0, 0}, {15, 594}});
        test::SetRows(Table(tbl::kLongDist), {{0, 0}, {15, 300}});
        test::SetRows(Table(tbl::kSurcharges), {{3, 1.7361111L, 48, 48}});
        test::SetSoilLayer(Table(tbl::kSoil), 0, 4, 16, {115, 32, 60, 0.3L}, {115, 32, 60, 0.3L});
        const test::Row weakRock = {140, 1000, 0.0005L, 50000, 80};
        test::SetSoilLayer(Table(tbl::kSoil), 1, 7, 40, weakRock, weakRock);
        test::SetSoilLayer(Table(tbl::kLongSoil), 0, 4, 16, {120, 30, 40, 0.4L}, {120, 30, 40, 0.4L});
        test::SetPYCurve(Table(tbl::kPYCurves), 0, 32, 1, 1, {{-1, 5}, {1, -5}});
        test::SetMEICurve(Table(tbl::kMEICurves), 0, 0, 60, {{0, 5e9}, {1000000, 4e9}});
    }
};

TEST_F(FullProjectTest, EveryRecordWithItsSeparatorsConversionsAndNumberFormat) {
    const std::vector<std::string> commonStart = {
        "1 1\t2\t2\t1\t2 1 1 1 1",  "60 6\t6\t0.0001\t180\t12", "1\t0\t1E-6\t0", "0\t30\t2\t1.2345679E8",
        "30\t60\t1\t5E9",           "1",                        "1\t0\t0\t1000\t0\t500", "1", "5\t10\t2\t100\t0",
        "5\t1.5\t29000000\t20\t15\t8\t20000", "0\t1\t1",        "120\t0.5\t0.8",  "2",     "0\t0"};
    const std::vector<std::string> soilRecord = {"180\t12\t12\t60\t120\t1\t1\t0", "0\t0\t0\t0\t0\t0", "1",
                                                 "3\t1.7361111\t48\t48"};
    const std::vector<std::string> curves = {"32\t2\t1\t1", "-1\t5", "1\t-5", "0\t60\t2", "0\t5E9", "1000000\t4E9"};
    std::vector<std::string> expected = {"Anchored wall"};
    auto append = [&expected](const std::vector<std::string>& lines) {
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    append(commonStart);
    append({"180\t49.5"});
    append(soilRecord);
    append({"2", "4 192 ", "0.066550926 0.0  32 0.0  60 0.3 ", "0.066550926 0.0  32 0.0  60 0.3 ", "7 480 ",
            "0.081018519 1000 0.0  0.0005 50000 80 ", "0.081018519 1000 0.0  0.0005 50000 80 "});
    append(curves);
    append({"9", "Anchored wall"});
    append(commonStart);
    append({"180\t25"});
    append(soilRecord);
    // The long-term set has no earth-pressure coefficient.
    append({"1", "4 192 ", "0.069444444 0.0  30 0.0  40 0.0  ", "0.069444444 0.0  30 0.0  40 0.0  "});
    append(curves);
    append({"0"});

    EXPECT_EQ(InputFileText(*project), Lines(expected));
    EXPECT_EQ(project->LongTermCode, 9);
    // The last stiffness row is now constant in the table too.
    EXPECT_EQ(Table(tbl::kStiffness).Cell(tbl::kStiffnessChoiceColumn, 1).GetInt(), 1);
}

TEST_F(FullProjectTest, SwitchedOffOptionsDropTheirRowsAndCounts) {
    TProgramData& p = *project;
    p.UseRestraints = p.UseConcLoads = p.UseSprings = p.UseTiebacks = p.UsePYMod = false;
    p.UseSurcharge = p.UseUserPY = p.UseMEI = p.LongTerm = false;
    const std::vector<std::string> lines = SplitLines(InputFileText(p));
    EXPECT_EQ(lines[1], "1 0\t2\t0\t1\t2 0 1 0 0");
    // Stiffness, then the empty load and spring records, then the pressure table.
    EXPECT_EQ(lines[5], "0");
    EXPECT_EQ(lines[6], "0");
    EXPECT_EQ(lines[7], "2");
    EXPECT_EQ(lines[12], "0");  // no surcharge rows
    EXPECT_EQ(lines.back(), "0");
    for (std::string_view name : {tbl::kRestraints, tbl::kConcentratedLoads, tbl::kSprings, tbl::kTiebacks,
                                  tbl::kPYModifiers, tbl::kSurcharges, tbl::kPYCurves}) {
        EXPECT_EQ(Table(name).RowCount(), 0) << name;
    }
    EXPECT_EQ(p.NMEI, 0);
    EXPECT_EQ(p.NTieback, 0);
}

TEST_F(FullProjectTest, CodesFollowTheSwitches) {
    struct Case {
        bool userPressure, genPY, genPressure, userPY;
        int mode;
        int kep, kpy;
        bool soilRecord;
    };
    const Case cases[] = {
        {true, true, true, true, 3, 1, 2, true},      // user pressure wins over generation
        {false, true, false, false, 3, 3, 2, true},   // generated trapezoidal
        {false, false, true, true, 2, 2, 1, true},    // pressure generated without p-y generation
        {false, false, false, true, 2, 0, 1, false},  // user curves only: no soil record
        {false, false, false, false, 2, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "KEP " << c.kep << " KPY " << c.kpy);
        TProgramData& p = *project;
        p.LongTerm = false;
        p.UseUserPressure = c.userPressure;
        p.GenPY = c.genPY;
        p.GenPressure = c.genPressure;
        p.UseUserPY = c.userPY;
        p.EarthPressureMode = c.mode;
        test::SetPYCurve(Table(tbl::kPYCurves), 0, 32, 1, 1, {{-1, 5}, {1, -5}});
        const std::string text = InputFileText(p);
        EXPECT_EQ(p.KEP, c.kep);
        EXPECT_EQ(p.KPY, c.kpy);
        EXPECT_EQ(text.find("180\t12\t12\t60\t120\t1\t1\t0") != std::string::npos, c.soilRecord);
        if (c.userPressure) {
            EXPECT_FALSE(p.GenPressure);
        }
    }
}

TEST_F(FullProjectTest, ALongTermSetCarriesGeneratedTriangularPressure) {
    project->UseUserPressure = false;
    project->EarthPressureMode = 3;
    const std::vector<std::string> lines = SplitLines(InputFileText(*project));
    EXPECT_EQ(lines[1], "1 1\t2\t2\t3\t2 1 1 1 1");
    const auto longSet = std::find(lines.begin(), lines.end(), "9");
    ASSERT_NE(longSet, lines.end());
    EXPECT_EQ(*(longSet + 2), "1 1\t2\t2\t2\t2 1 1 1 1");
}

TEST_F(ProjectTest, SIValuesAreWrittenAsShownButTiebackAreasInSquareMetres) {
    project->SetUnitSystem(kSI);
    project->UseTiebacks = true;
    project->UsePYMod = true;
    test::SetRows(Table(tbl::kTiebacks), {{1.5L, 1500, 200000000, 6, 15, 2.4L, 90}});
    test::SetRows(Table(tbl::kPYModifiers), {{0, 1, 1}, {3.5L, 0.5L, 1}});
    test::SetSoilLayer(Table(tbl::kSoil), 0, 5, 4.5L, {18.5L, 15, 25, 0.01L, 20000, 0}, {19, 20, 25, 0.01L, 20000, 0});
    const std::vector<std::string> lines = SplitLines(InputFileText(*project));
    EXPECT_EQ(lines[1], "2 0\t1\t2\t2\t2 0 1 0 1");
    EXPECT_EQ(lines[6], "1.5\t0.0015\t2E8\t6\t15\t2.4\t90");
    EXPECT_EQ(lines[8], "3.5\t0.5\t1");
    EXPECT_EQ(lines[13], "5 4.5 ");
    EXPECT_EQ(lines[14], "18.5 25 15 0.01 20000 0 ");
}

TEST_F(FullProjectTest, WritingUnderACommaLocaleStillWritesPoints) {
    const std::string expected = InputFileText(*project);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE", "fr_FR"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            found = name;
            break;
        }
    }
    if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    std::locale::global(std::locale(found));
    const std::string text = InputFileText(*project);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace torven::data
