#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "frontend/tables/TGridTableChart.h"
#include "frontend/tables/TTableColumn.h"
#include "frontend/tables/TableRegistry.h"
#include "main_tables_fixture.h"
#include "table_fixture.h"

namespace torven::tables {
namespace {

using test::FakeEditor;
using test::MainTablesTest;

constexpr int kType = 0, kBottom = 1, kParameters = 2;
constexpr int kSand = 4, kSoftClay = 1;

TEST_F(MainTablesTest, EachLayerHoldsTheParameterTableOfItsSoilType) {
    TGridTable& soil = tables.Table("NewSoil");
    soil.SetRowCount(2);
    const TGridTable& first = soil.Cell(kParameters, 0).GetTable();
    EXPECT_EQ(first.Caption(), "Clay");
    EXPECT_EQ(first.RowCount(), 2);
    EXPECT_EQ(first.ColumnCount(), 5);
    EXPECT_EQ(first.Owner(), &soil);

    soil.Cell(kType, 1).SetInt(kSand);
    TGridTable& sand = soil.Cell(kParameters, 1).GetTable();
    EXPECT_EQ(sand.Caption(), "Sand");
    EXPECT_EQ(sand.ColumnCount(), 4);
    EXPECT_EQ(sand.CaptionNumber(), 2);
    EXPECT_EQ(dynamic_cast<const TTableColumn&>(soil.Column(kParameters)).ButtonCaption(1), "2: Sand");
    // The template itself stays untouched.
    EXPECT_EQ(tables.Table("TblSand1").RowCount(), 0);
}

TEST_F(MainTablesTest, ChangingALayersTypeReplacesItsParametersByFreshDefaults) {
    TGridTable& soil = tables.Table("NewSoil");
    soil.SetRowCount(1);
    soil.Cell(kType, 0).SetText("4");
    soil.Cell(kParameters, 0).GetTable().Cell(1, 0).SetText("30");
    soil.Cell(kBottom, 0).SetFloat(12);
    FakeEditor sandWindow(soil.Cell(kParameters, 0).GetTable());

    soil.Cell(kType, 0).SetInt(kSand);  // the same choice again keeps the values
    EXPECT_EQ(soil.Cell(kParameters, 0).GetTable().Cell(1, 0).GetFloat(), 30);

    soil.Cell(kType, 0).SetInt(kSoftClay);
    const TGridTable& clay = soil.Cell(kParameters, 0).GetTable();
    EXPECT_TRUE(sandWindow.closed);
    EXPECT_EQ(clay.Caption(), "Clay");
    EXPECT_EQ(clay.CaptionNumber(), 1);
    for (int row = 0; row < clay.RowCount(); ++row) {
        for (int column = 0; column < clay.ColumnCount(); ++column) {
            EXPECT_EQ(clay.Cell(column, row).GetFloat(), 0);
        }
    }
    EXPECT_EQ(soil.Cell(kBottom, 0).GetFloat(), 12);
}

TEST_F(MainTablesTest, CaptionNumbersFollowInsertedAndDeletedRows) {
    TGridTable& soil = tables.Table("NewSoil");
    soil.SetRowCount(3);
    soil.Cell(kType, 2).SetInt(kSand);
    soil.InsertRowGroup(0);
    auto numbers = [&] {
        std::vector<int> result;
        for (int row = 0; row < soil.RowCount(); ++row) {
            result.push_back(soil.Cell(kParameters, row).GetTable().CaptionNumber());
        }
        return result;
    };
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(soil.Cell(kParameters, 3).GetTable().Caption(), "Sand");
    soil.DeleteRowGroup(1);
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(soil.Cell(kParameters, 2).GetTable().Caption(), "Sand");
}

TEST_F(MainTablesTest, NestedTablesSwitchUnitsWithTheirLayer) {
    TGridTable& soil = tables.Table("NewSoil");
    soil.SetRowCount(1);
    TGridTable& clay = soil.Cell(kParameters, 0).GetTable();
    clay.Cell(0, 0).SetFloat(120);    // lbs/ft^3
    clay.Cell(3, 0).SetFloat(0.0694L);  // lbs/in^3
    clay.Cell(2, 0).SetFloat(0.007L);   // no unit
    soil.Cell(kBottom, 0).SetFloat(10);  // ft

    soil.SetTableUnits(2);
    EXPECT_EQ(clay.UnitSystem(), 2);
    EXPECT_NEAR(static_cast<double>(clay.Cell(3, 0).GetFloat()), 18.84, 0.005);
    EXPECT_NEAR(static_cast<double>(soil.Cell(kBottom, 0).GetFloat()), 3.048, 1e-9);
    EXPECT_EQ(clay.Cell(2, 0).GetFloat(), 0.007L);
    EXPECT_EQ(clay.Column(0).CaptionLine(1), "Weight, (kN/m^3)  ");
    // A layer added now starts in the table's system.
    soil.AddRowGroup();
    EXPECT_EQ(soil.Cell(kParameters, 1).GetTable().UnitSystem(), 2);

    soil.SetTableUnits(1);
    EXPECT_NEAR(static_cast<double>(clay.Cell(0, 0).GetFloat()), 120, 1e-12);
    EXPECT_NEAR(static_cast<double>(clay.Cell(3, 0).GetFloat()), 0.0694, 1e-15);
    EXPECT_NEAR(static_cast<double>(soil.Cell(kBottom, 0).GetFloat()), 10, 1e-12);

    // "Other" only relabels, and so does the way back.
    soil.SetTableUnits(3);
    soil.SetTableUnits(2);
    EXPECT_NEAR(static_cast<double>(clay.Cell(0, 0).GetFloat()), 120, 1e-12);
}

TEST_F(MainTablesTest, ModifiedFlagsCoverNestedTables) {
    TGridTable& soil = tables.Table("NewSoil");
    soil.SetRowCount(2);
    soil.Cell(kBottom, 0).SetFloat(3);  // program code does not mark
    EXPECT_FALSE(soil.IsModified());
    soil.Cell(kParameters, 1).GetTable().SetModified(true);
    EXPECT_TRUE(soil.IsModified());
    soil.SetModified(false);
    EXPECT_FALSE(soil.Cell(kParameters, 1).GetTable().IsModified());
    EXPECT_FALSE(soil.IsModified());
}

TEST_F(MainTablesTest, CurveSetsHoldNestedCurveTablesThatDrawLikeTheirTemplate) {
    TGridTableChart& sets = tables.Chart("PYCurves2");
    sets.SetRowCount(2);
    auto* curve = dynamic_cast<TGridTableChart*>(&sets.Cell(1, 1).GetTable());
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->Caption(), "External p-y Curve");
    EXPECT_EQ(curve->RowCount(), 2);
    EXPECT_EQ(curve->MaxRows(), 17);
    EXPECT_TRUE(curve->GetDataFromFile());
    EXPECT_EQ(curve->Graphic(), (GraphicParameters{true, false, 0, 1, 0, 0}));
    EXPECT_EQ(&curve->Registry(), &ChartTableRegistry());

    TGridTableChart& mei = tables.Chart("MEICurves2");
    mei.SetRowCount(1);
    EXPECT_EQ(mei.Cell(2, 0).GetTable().Caption(), "Moment and EI data");
}

TEST(TableRegistry, IdentifiersStayUniqueWithinAFamily) {
    TGridTable a, b;
    TGridTableChart c;
    EXPECT_NE(a.Identifier(), b.Identifier());
    const int aWas = a.Identifier();
    b.SetIdentifier(aWas);
    EXPECT_EQ(b.Identifier(), aWas);
    EXPECT_NE(a.Identifier(), aWas);
    EXPECT_EQ(GridTableRegistry().Find(aWas), &b);
    b.SetIdentifier(-5);
    EXPECT_EQ(b.Identifier(), aWas);
    // The curve family numbers apart: the same number names another table.
    c.SetIdentifier(aWas);
    EXPECT_EQ(b.Identifier(), aWas);
    EXPECT_EQ(ChartTableRegistry().Find(aWas), &c);
    // A new table never takes a number given by hand.
    b.SetIdentifier(100000);
    TGridTable d;
    EXPECT_GT(d.Identifier(), 100000);
}

TEST(TableRegistry, DestroyedTablesLeaveTheRegistry) {
    int identifier = 0;
    {
        TGridTable table;
        identifier = table.Identifier();
        EXPECT_EQ(GridTableRegistry().Find(identifier), &table);
    }
    EXPECT_EQ(GridTableRegistry().Find(identifier), nullptr);
}

// Found by fuzzing: a table with static storage that is set up before the
// registry's first use was unregistered from a registry already destroyed.
TEST(TableRegistryDeathTest, ATableWithStaticStorageOutlivesNoRegistry) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static std::optional<TGridTable> table;
            table.emplace();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(NestedTables, TemplatesFollowTheChoiceListAndMissingOnesGiveEmptyTables) {
    TGridTable templateTable;
    templateTable.SetCaption("Only");
    const std::string columns = "2 0 (\"Kind\") true false (\"A\" \"B\" \"C\")\n"
                                "3 (\"Data\") true false \"FLEXCOLUMN2\" (" +
                                std::to_string(templateTable.Identifier()) + " -1 77777 5)";
    auto table = test::TableFrom(columns, 1);
    const auto& column = dynamic_cast<const TTableColumn&>(table->Column(1));
    EXPECT_EQ(column.Templates().Count(), 3);
    EXPECT_EQ(table->Cell(1, 0).GetTable().Caption(), "Only");
    table->Cell(0, 0).SetInt(2);
    EXPECT_EQ(table->Cell(1, 0).GetTable().ColumnCount(), 0);
    table->Cell(0, 0).SetInt(9);
    EXPECT_EQ(table->Cell(1, 0).GetTable().ColumnCount(), 0);
}

}  // namespace
}  // namespace torven::tables
