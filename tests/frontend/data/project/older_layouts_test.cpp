#include <gtest/gtest.h>

#include "frontend/data/project/FileLayout.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/main/temp_dir.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

class OlderLayoutTest : public test::ProjectTest {
protected:
    void OpenText(const std::string& text, int variant) { Open(dir.Write("old.dat", text), variant); }

    long double Cell(std::string_view table, int column, int row) const {
        return Table(table).Cell(column, row).GetFloat();
    }
    const tables::TGridTable& Parameters(std::string_view soil, int layer) const {
        return Table(soil).Cell(tbl::kSoilParametersColumn, layer).GetTable();
    }

    torven::test::TempDir dir;
};

TEST_F(OlderLayoutTest, Variant2HasNoTiebackCountAndFiveWallValues) {
    OpenText("Old wall 2013\n"
             "1 0\t1\t0\t2\t2 1 1 1\n"
             "40 6\t2\t0.0001\t120\n"
             "0\t40\t1\t5E9\n0\n0\n"
             "120\t12\t12\t60\t120\t0.036\t1\t0\n"
             "0\t0\t0\t0\t0\t0\n"
             "1\n2\t100\t48\t0\n"
             "1\n4 240 \n0.066550926 0.0  32 0.0  60 0 \n0.066550926 0.0  32 0.0  60 0 \n"
             "20\t2\t1.5\t1\n-1\t5\n1\t-5\n"
             "0\t40\t2\n0\t5E9\n1000000\t4E9\n"
             "0\n",
             2);
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(project->Title, "Old wall 2013");
    EXPECT_EQ(project->ActiveFactor, 1);  // 0.036 stands for 1.0
    EXPECT_EQ(project->WidthActive, 12);
    EXPECT_FALSE(project->UseTiebacks);
    EXPECT_FALSE(project->HasTiebackCount);
    EXPECT_TRUE(project->UseSurcharge && project->UseUserPY && project->UseMEI && project->GenPY);
    EXPECT_EQ(Cell(tbl::kSurcharges, 2, 0), 48);
    EXPECT_NEAR(static_cast<double>(Cell(tbl::kSoil, 1, 0)), 20, 1e-12);
    EXPECT_NEAR(static_cast<double>(Parameters(tbl::kSoil, 0).Cell(0, 1).GetFloat()), 115, 1e-6);
    EXPECT_EQ(Cell(tbl::kPYCurves, tbl::kPYCurvePMultiplierColumn, 0), 1.5L);
    // One curve set stays one, below the table's minimum of two.
    EXPECT_EQ(Table(tbl::kPYCurves).RowCount(), 1);
    EXPECT_EQ(Table(tbl::kMEICurves).Cell(tbl::kMEIPointsColumn, 0).GetTable().Cell(1, 1).GetFloat(), 4e9L);
}

TEST_F(OlderLayoutTest, Variant3BuildsTheSurchargeTableFromTheLegacyRecord) {
    OpenText("Old wall 3.0\n"
             "1 0\t1\t0\t2\t1 1 1\n"
             "40 6\t2\t0.0001\t120\n"
             "0\t40\t1\t5E9\n0\n0\n"
             "120\t12\t12\t60\t120\t1\t1\t0\n"
             "0\t36\t500\t100\t2\t24\n"
             "1\n1 240 \n0.069444444 8.3333333 0.0  0.007 500 0 \n0.069444444 8.3333333 0.0  0.007 500 0 \n"
             "20\t2\n-1\t5\n1\t-5\n"
             "0\n",
             3);
    ASSERT_TRUE(messages.empty()) << messages.front();
    const tables::TGridTable& surcharges = Table(tbl::kSurcharges);
    ASSERT_EQ(surcharges.RowCount(), 3);
    const long double magnitudes[] = {500, 100, 2};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(surcharges.Cell(0, row).GetInt(), row + 1);
        EXPECT_EQ(surcharges.Cell(1, row).GetFloat(), magnitudes[row]);
        EXPECT_EQ(surcharges.Cell(2, row).GetFloat(), 36);
        EXPECT_EQ(surcharges.Cell(3, row).GetFloat(), 24);
    }
    EXPECT_TRUE(project->UseSurcharge);
    EXPECT_TRUE(project->GenPressure);
    EXPECT_FALSE(project->GenPY);  // KPY 1
    // Curve headers without multipliers keep 1.0.
    EXPECT_EQ(Cell(tbl::kPYCurves, tbl::kPYCurvePMultiplierColumn, 0), 1);
    EXPECT_EQ(Cell(tbl::kPYCurves, tbl::kPYCurveYMultiplierColumn, 0), 1);
    EXPECT_NEAR(static_cast<double>(Parameters(tbl::kSoil, 0).Cell(1, 0).GetFloat()), 1200, 1e-5);
}

TEST_F(OlderLayoutTest, LegacySurchargeDistancesBecomeMillimetresInSI) {
    OpenText("SI 3.0\n2 0\t1\t0\t2\t2 0 1\n40 0.15\t0.05\t0.0001\t3\n0\t40\t1\t5000\n0\n0\n"
             "3\t1\t1\t1.5\t3\t1\t1\t0\n0\t0.9\t10\t5\t3\t0.6\n"
             "1\n4 6 \n18 0.0  32 0.0  20000 0 \n18 0.0  32 0.0  20000 0 \n0\n",
             3);
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_NEAR(static_cast<double>(Cell(tbl::kSurcharges, 2, 0)), 900, 1e-9);
    EXPECT_NEAR(static_cast<double>(Cell(tbl::kSurcharges, 3, 2)), 600, 1e-9);
}

// Versions 2.0 and "any file": seven integers, old soil form, nothing after the curves.
TEST_F(OlderLayoutTest, Variants4And5ReadTheOldSoilForm) {
    const std::string text = "Old wall 2.0\n"
                             "1 0\t1\t0\t2\t2 0\n"
                             "40 6\t2\t0.0001\t120\n"
                             "0\t40\t1\t5E9\n0\n0\n"
                             "120\t12\t12\t60\t120\t1\t1\t0\n"
                             "0\t0\t0\t0\t0\t0\n"
                             "3\n4 96\n0.065 9 32 9 60\n3 144\n0.07 8 9 0.007 500\n6 60\n0.09 4000 9 9 9\n";
    for (int variant : {4, 5}) {
        SCOPED_TRACE(variant);
        OpenText(text, variant);
        ASSERT_TRUE(messages.empty()) << messages.front();
        EXPECT_EQ(project->NumStages, 1);
        // Thicknesses add up to bottom depths; nothing is converted.
        EXPECT_EQ(Cell(tbl::kSoil, 1, 0), 96);
        EXPECT_EQ(Cell(tbl::kSoil, 1, 1), 240);
        EXPECT_EQ(Cell(tbl::kSoil, 1, 2), 300);
        for (int row = 0; row < 2; ++row) {
            const tables::TGridTable& sand = Parameters(tbl::kSoil, 0);
            EXPECT_EQ(sand.Cell(0, row).GetFloat(), 0.065L);
            EXPECT_EQ(sand.Cell(1, row).GetFloat(), 32);
            EXPECT_EQ(sand.Cell(2, row).GetFloat(), 60);
            const tables::TGridTable& clay = Parameters(tbl::kSoil, 1);
            EXPECT_EQ(clay.Cell(1, row).GetFloat(), 8);
            EXPECT_EQ(clay.Cell(2, row).GetFloat(), 0.007L);
            EXPECT_EQ(clay.Cell(3, row).GetFloat(), 500);
            const tables::TGridTable& rock = Parameters(tbl::kSoil, 2);
            EXPECT_EQ(rock.Cell(1, row).GetFloat(), 4000);
        }
        EXPECT_EQ(Parameters(tbl::kSoil, 1).CaptionNumber(), 2);
    }
}

TEST_F(OlderLayoutTest, SixValueTiebackRowsKeepTheDefaultPrestress) {
    OpenText("Tieback wall\n"
             "1 0\t1\t0\t0\t1 0 1 0 2\n"
             "40 6\t2\t0.0001\t120\t12\n"
             "0\t40\t1\t5E9\n0\n0\n"
             "5\t1.5\t29000000\t20\t15\t8\n"
             "12\t2\t29000000\t25\t20\t8\t30000\n"
             "0\n",
             1);
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_TRUE(project->UseTiebacks);
    EXPECT_EQ(Cell(tbl::kTiebacks, 5, 0), 8);
    EXPECT_EQ(Cell(tbl::kTiebacks, 6, 0), 0);
    EXPECT_EQ(Cell(tbl::kTiebacks, 6, 1), 30000);
}

TEST_F(OlderLayoutTest, NoEarthPressureSwitchesCurveGenerationOff) {
    OpenText("t\n1 0\t1\t0\t0\t2 0 1 0 0\n40 6\t2\t0.0001\t120\t12\n0\t40\t1\t5E9\n0\n0\n"
             "120\t12\t12\t60\t120\t1\t1\t0\n0\t0\t0\t0\t0\t0\n0\n"
             "1\n4 240 \n0.066550926 0.0  32 0.0  60 0 \n0.066550926 0.0  32 0.0  60 0 \n0\n",
             1);
    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_FALSE(project->GenPY);
    EXPECT_FALSE(project->GenPressure);
    EXPECT_EQ(project->EarthPressureMode, 0);
    EXPECT_EQ(Table(tbl::kSoil).RowCount(), 1);
}

TEST(FileVariant, ByExtensionIgnoringCase) {
    EXPECT_EQ(VariantForFile("a/wall.TVD"), 3);
    EXPECT_EQ(VariantForFile("wall.tv4d"), 2);
    EXPECT_EQ(VariantForFile("wall.tv5d"), 1);
    EXPECT_EQ(VariantForFile("wall"), 1);
}

}  // namespace
}  // namespace torven::data
