#include <gtest/gtest.h>

#include "frontend/data/UnitSystem.h"
#include "frontend/data/project/ProjectTables.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

using test::ProjectTest;

TEST_F(ProjectTest, ANewProjectHasTheDefaultsAndTablesAtTheirMinimumRows) {
    EXPECT_EQ(project->Title, "New Wall");
    EXPECT_EQ(project->FileName, "NewWall.tv5d");
    EXPECT_EQ(project->Units, kEnglish);
    EXPECT_EQ(project->NumIncrements, 0);
    EXPECT_EQ(project->FreeHeight, 0);
    EXPECT_EQ(project->MaxDeflection, 100);
    EXPECT_EQ(project->DeflTolerance, 0.00001L);
    EXPECT_EQ(project->ActiveFactor, 1);
    EXPECT_EQ(project->EarthPressureMode, 2);
    EXPECT_TRUE(project->GenPY);
    EXPECT_FALSE(project->UseUserPY || project->LongTerm || project->GenPressure);
    EXPECT_EQ(project->NumStages, 1);
    EXPECT_EQ(project->CurrentStage, 1);
    EXPECT_TRUE(project->HasMEICount && project->HasTiebackCount);
    EXPECT_FALSE(project->IsModified());
    for (int i = 0; i < tables.Count(); ++i) {
        const bool curveSets = tables.Name(i) == tbl::kPYCurves || tables.Name(i) == tbl::kMEICurves;
        EXPECT_EQ(tables.At(i).RowCount(), curveSets ? 0 : tables.At(i).MinRows()) << tables.Name(i);
    }
}

TEST_F(ProjectTest, FileNewLeavesNothingOfThePreviousProject) {
    project->SetUnitSystem(kSI);
    test::SetPYCurve(Table(tbl::kPYCurves), 0, 3, 1, 1, {{-1, 5}, {1, -5}});
    test::SetRows(Table(tbl::kStiffness), {{0, 10, 1, 5e9}, {10, 20, 2, 6e9}});
    Table(tbl::kStiffness).SetModified(true);
    int closed = 0;
    callbacks.closeChildWindows = [&closed] { ++closed; };

    project = TProgramData::CreateNew(tables, callbacks);

    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Table(tbl::kPYCurves).RowCount(), 0);
    EXPECT_EQ(Table(tbl::kStiffness).RowCount(), 1);
    EXPECT_EQ(Table(tbl::kStiffness).Cell(3, 0).GetFloat(), 0);
    EXPECT_EQ(Table(tbl::kStiffness).UnitSystem(), kEnglish);
    EXPECT_FALSE(project->IsModified());
}

TEST_F(ProjectTest, EnglishToSIUsesTheProjectsOwnFactors) {
    int refreshed = 0;
    callbacks.refreshUnitFields = [&refreshed] { ++refreshed; };
    project = std::make_unique<TProgramData>(tables, callbacks);
    project->FreeHeight = 120;
    project->UniformSurcharge = 1;  // lb/in^2
    project->Legacy = {10, 1000, 100, 1, 20};

    project->SetUnitSystem(kSI);

    const long double force = 0.004448222468060650624L;
    EXPECT_NEAR(static_cast<double>(project->MaxDeflection), 2.54, 1e-15);
    EXPECT_NEAR(static_cast<double>(project->DeflTolerance), 2.54e-7, 1e-21);
    EXPECT_NEAR(static_cast<double>(project->FreeHeight), 3.048, 1e-15);
    EXPECT_NEAR(static_cast<double>(project->UniformSurcharge), static_cast<double>(force / (0.0254L * 0.0254L)),
                1e-12);
    EXPECT_NEAR(static_cast<double>(project->Legacy.pointLoad), static_cast<double>(1000 * force), 1e-15);
    EXPECT_NEAR(static_cast<double>(project->Legacy.lineLoad), static_cast<double>(100 * force / 0.0254L), 1e-12);
    EXPECT_NEAR(static_cast<double>(project->Legacy.stripWidth), 0.508, 1e-15);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(Table(tbl::kStiffness).UnitSystem(), kSI);

    // Back to English: lengths return multiplied by 0.0254 * 39.3701, forces as they were.
    project->SetUnitSystem(kEnglish);
    EXPECT_NEAR(static_cast<double>(project->MaxDeflection), 100.000054, 1e-9);
    EXPECT_NEAR(static_cast<double>(project->Legacy.pointLoad), 1000, 1e-9);
}

TEST_F(ProjectTest, OtherUnitsOnlyRelabelAndSystemsAreClamped) {
    project->FreeHeight = 120;
    test::SetRows(Table(tbl::kStiffness), {{0, 10, 1, 5e9}});
    project->SetUnitSystem(kOtherUnits);
    project->SetUnitSystem(kEnglish);
    EXPECT_EQ(project->FreeHeight, 120);
    EXPECT_EQ(Table(tbl::kStiffness).Cell(3, 0).GetFloat(), 5e9L);

    project->SetUnitSystem(7);
    EXPECT_EQ(project->Units, kOtherUnits);
    project->SetUnitSystem(-1);
    EXPECT_EQ(project->Units, kEnglish);
    EXPECT_EQ(project->FreeHeight, 120);
}

TEST_F(ProjectTest, SurchargeMagnitudesConvertByTheirLoadType) {
    // Point, line and strip load, and a row of an unknown type.
    test::SetRows(Table(tbl::kSurcharges), {{1, 1000, 100, 0}, {2, 100, 100, 0}, {3, 1, 100, 48}, {4, 5, 0, 0}});
    project->SetUnitSystem(kSI);
    const tables::TGridTable& s = Table(tbl::kSurcharges);
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 0).GetFloat()), 4.448222468, 1e-9);
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 1).GetFloat()), 17.5127, 1e-4);
    EXPECT_NEAR(static_cast<double>(s.Cell(1, 2).GetFloat()), 6.8947586, 1e-7);
    EXPECT_EQ(s.Cell(1, 3).GetFloat(), 5);
    // The distance column converts by its own unit code: inches to millimetres.
    EXPECT_NEAR(static_cast<double>(s.Cell(2, 1).GetFloat()), 2540, 1e-6);
}

}  // namespace
}  // namespace torven::data
