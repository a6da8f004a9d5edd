#include <gtest/gtest.h>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/InputFileWriter.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/main/temp_dir.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

using test::ProjectTest;

// Every table and option filled; values in the unit system of the project.
class RoundTripTest : public test::ProjectTest, public testing::WithParamInterface<int> {
protected:
    void Fill() {
        TProgramData& p = *project;
        p.SetUnitSystem(GetParam());
        test::SetWall(p, "Round trip: every table", {80, 4.5L, 5, 0.000025L, 144, 12, 10.5L, 60, 150});
        p.ActiveFactor = 0.9L;
        p.BackfillSlope = 10;
        p.UniformSurcharge = 1.25L;
        p.WallCode = 2;
        p.Legacy = {24, 1000, 50, 2, 36};
        p.UseRestraints = p.UseConcLoads = p.UseSprings = p.UseTiebacks = p.UsePYMod = true;
        p.UseUserPressure = p.UseSurcharge = p.UseUserPY = p.UseMEI = p.LongTerm = true;
        p.EarthPressureMode = 1;
        test::SetRows(Table(tbl::kRestraints), {{1, 0, 0.25L, 0}, {2, 80, 0, 0.001L}});
        test::SetRows(Table(tbl::kStiffness), {{0, 40, 2, 5.34e9L}, {40, 60, 1, 4e9}, {60, 80, 1, 3.5e9L}});
        test::SetRows(Table(tbl::kConcentratedLoads), {{1, 0, 0, 1500, -200, 300}, {2, 10, 12, 250, 0, 0}});
        test::SetRows(Table(tbl::kSprings), {{1, 5, 5, 1200, 35}, {2, 20, 30, 800, 0}});
        test::SetRows(Table(tbl::kTiebacks),
                      {{5, 1.5L, 29000000, 20, 15, 8, 20000}, {12, 2.25L, 29000000, 25, 20, 8, 0}});
        test::SetRows(Table(tbl::kPYModifiers), {{0, 1, 1}, {10, 0.5L, 0.8L}, {20, 0.75L, 1}});
        test::SetRows(Table(tbl::kDistLoad), {{0, 0}, {12, 480}, {30, 480}});
        test::SetRows(Table(tbl::kLongDist), {{0, 0}, {12, 600}});
        test::SetRows(Table(tbl::kSurcharges), {{1, 5000, 36, 0}, {2, 100, 48, 0}, {3, 1.75L, 60, 24}});
        const test::Row clay = {110, 800, 0.007L, 500, 0.45L}, sand = {115, 32, 60, 0.3L};
        const test::Row silt = {118, 30, 400, 0.005L, 250, 0.35L}, strongRock = {150, 5000};
        const test::Row weakRock = {140, 1000, 0.0005L, 50000, 80};
        const std::vector<std::pair<int, test::Row>> layers = {
            {1, clay}, {2, clay}, {3, clay}, {4, sand}, {5, silt}, {6, strongRock}, {7, weakRock}};
        for (std::string_view name : {tbl::kSoil, tbl::kLongSoil}) {
            for (int i = 0; i < static_cast<int>(layers.size()); ++i) {
                test::Row top = layers[i].second;
                // The long-term set carries no earth-pressure coefficient.
                if (name == tbl::kLongSoil && layers[i].first <= 5) top.back() = 0;
                test::Row bottom = top;
                bottom[0] += 5;
                test::SetSoilLayer(Table(name), i, layers[i].first, 6 * (i + 1), top, bottom);
            }
        }
        test::SetPYCurve(Table(tbl::kPYCurves), 0, 32, 1.25L, 0.8L, {{-3, 42.1875L}, {0, 0}, {3, -42.1875L}});
        test::SetPYCurve(Table(tbl::kPYCurves), 1, 60, 1, 1, {{-1, 562.5L}, {1, -562.5L}});
        test::SetMEICurve(Table(tbl::kMEICurves), 0, 0, 40, {{0, 5.34e9L}, {2e6, 4.5e9L}, {4e6, 3e9}});
        test::SetMEICurve(Table(tbl::kMEICurves), 1, 41, 80, {{0, 4e9}, {1e6, 3e9}});
    }

    torven::test::TempDir dir;
};

TEST_P(RoundTripTest, EveryTableAndOptionComesBack) {
    Fill();
    project->FileName = dir.path() / "wall.tv5d";
    // The writer settles what it changes (the last stiffness row, derived codes).
    project->WriteInputFile();
    const std::string written = test::Describe(*project);
    const std::string text = torven::test::ReadText(project->FileName);

    Open(dir.path() / "wall.tv5d");

    EXPECT_TRUE(messages.empty()) << messages.front();
    // The long-term set is read last: its tables hold the long-term values,
    // the others the values both sets share.
    EXPECT_EQ(test::Describe(*project), written);
    EXPECT_FALSE(project->IsModified());
    // Writing again gives the same file, to the digit.
    EXPECT_EQ(InputFileText(*project), text);
}

TEST_P(RoundTripTest, GeneratedTrapezoidalPressureSurvivesTheLongTermSet) {
    Fill();
    project->UseUserPressure = false;
    project->EarthPressureMode = 3;
    project->FileName = dir.path() / "wall.tv5d";
    project->WriteInputFile();
    Open(dir.path() / "wall.tv5d");
    EXPECT_EQ(project->EarthPressureMode, 3);
    EXPECT_TRUE(project->GenPY && project->GenPressure && project->LongTerm);
    EXPECT_FALSE(project->UseUserPressure);
}

INSTANTIATE_TEST_SUITE_P(UnitSystems, RoundTripTest, testing::Values(kEnglish, kSI, kOtherUnits),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == kEnglish ? "English" : info.param == kSI ? "SI" : "Other";
                         });

TEST_F(ProjectTest, SwitchedOffOptionsReopenAtTheirMinimumRows) {
    torven::test::TempDir dir;
    test::SetRows(Table(tbl::kConcentratedLoads), {{1, 0, 0, 1500, 0, 0}, {1, 3, 3, 10, 0, 0}});
    project->UseConcLoads = false;
    project->FileName = dir.path() / "wall.tv5d";
    project->WriteInputFile();
    Open(project->FileName);
    EXPECT_EQ(Table(tbl::kConcentratedLoads).RowCount(), 1);
    EXPECT_EQ(Table(tbl::kConcentratedLoads).Cell(3, 0).GetFloat(), 0);
    EXPECT_FALSE(project->UseConcLoads);
}

TEST_F(ProjectTest, UserCurvesWithoutCurveSetsReopenSwitchedOff) {
    torven::test::TempDir dir;
    const auto file = dir.Write("wall.tv5d",
                                "Wall\n1 0\t1\t0\t0\t1 0 1 0 0\n10 6\t10\t1E-5\t60\t12\n0\t10\t1\t1E8\n0\n0\n0\n");
    Open(file);
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_FALSE(project->UseUserPY);
    // Saving again must not invent curve sets the file never had.
    project->WriteInputFile();
    const std::string written = torven::test::ReadText(file);
    EXPECT_NE(written.find("\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n"), std::string::npos) << written;
}

TEST_F(ProjectTest, WithoutASoilRecordTheWidthComesFromTheWallRecord) {
    torven::test::TempDir dir;
    project->GenPY = false;
    project->UseUserPressure = true;
    project->EarthPressureMode = 1;
    project->WidthActive = 12;
    project->FileName = dir.path() / "wall.tv5d";
    project->WriteInputFile();
    Open(project->FileName);
    EXPECT_EQ(project->WidthActive, 12);
}

}  // namespace
}  // namespace torven::data
