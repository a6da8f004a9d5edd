#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "frontend/data/AssignError.h"
#include "frontend/tables/TFloatColumn.h"
#include "frontend/tables/TextMetrics.h"
#include "table_fixture.h"

namespace torven::tables {
namespace {

using test::FakeEditor;
using test::TableFrom;

// Choice, integer limited to 0..10, real in feet, text.
constexpr std::string_view kMixed = R"(4
    0 ("Kind") true false ("Point" "Line" "Strip")
    1 ("Node") true false 3 0 10
    2 ("Depth") true false false "FLOATCOLUMN2" "L2" 2.5
    4 ("Note") true false "none" 1.5)";

std::string Message(TGridTable& table, int column, const std::string& typed) {
    try {
        table.Cell(column, 0).SetText(typed);
    } catch (const data::AssignError& error) {
        return error.what();
    }
    return "stored " + table.Cell(column, 0).GetText();
}

TEST(CellRules, NewRowsTakeTheColumnDefaults) {
    auto table = TableFrom(kMixed, 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(table->Cell(0, row).GetInt(), 1);
        EXPECT_EQ(table->Cell(1, row).GetInt(), 3);
        EXPECT_EQ(table->Cell(2, row).GetFloat(), 2.5L);
        EXPECT_EQ(table->Cell(3, row).GetText(), "none");
    }
}

TEST(CellRules, TypedTextWhileTheEditWindowIsOpen) {
    auto table = TableFrom(kMixed, 1);
    FakeEditor editor(*table);
    const std::string evaluator = "Entry could not be evaluated:\n";
    struct Case {
        int column;
        const char* typed;
        std::string outcome;
    };
    const Case cases[] = {
        {1, "3.5", "Entry must be an integer."},
        {1, "-3.5", "Entry must be an integer."},
        {1, "12", "Entry must be between 0 and 10."},
        {1, "-1", "Entry must be between 0 and 10."},
        {1, "abc", evaluator + "invalid character(s) in expression"},
        {1, "", evaluator + "entry cannot be blank"},
        {1, "2*5", "stored 10"},
        {1, "7+1e-12", "stored 7"},
        {1, "10+1e-12", "Entry must be between 0 and 10."},
        {0, "2.5", "Value must be an integer."},
        {0, "1e10", "Value must be an integer."},
        {0, "3", "stored 3"},
        {0, "(1", evaluator + "invalid character(s) in expression"},
        {2, "2*12", "stored 24"},
        {2, "1/3", "stored 0.33333333"},
        {2, "1/0", evaluator + "division by zero"},
        {2, "3+", evaluator + "invalid expression"},
        {3, "  any text (", "stored   any text ("},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Message(*table, c.column, c.typed), c.outcome) << c.typed;
    }
}

TEST(CellRules, IntegerLimitsApplyOnlyToTheEditWindow) {
    auto table = TableFrom(kMixed, 1);
    // Program code (file reading) stores what it is given.
    EXPECT_EQ(Message(*table, 1, "12"), "stored 12");
    EXPECT_EQ(Message(*table, 1, "2.5"), "stored 2");  // halves to even
    EXPECT_EQ(Message(*table, 1, "3.5"), "stored 4");
    EXPECT_EQ(Message(*table, 1, "1e12"), "Entry must be between -2147483648 and 2147483647.");
    table->Cell(1, 0).SetInt(-40);
    EXPECT_EQ(table->Cell(1, 0).GetInt(), -40);
}

TEST(CellRules, RejectedTextKeepsTheCell) {
    auto table = TableFrom(kMixed, 1);
    table->Cell(2, 0).SetFloat(7);
    EXPECT_THROW(table->Cell(2, 0).SetText("7/0"), data::AssignError);
    EXPECT_EQ(table->Cell(2, 0).GetFloat(), 7);
}

TEST(CellRules, WrongAccessorFails) {
    auto table = TableFrom(kMixed, 1);
    for (auto access : {+[](TGridTable& t) { t.Cell(0, 0).GetFloat(); },
                        +[](TGridTable& t) { t.Cell(2, 0).GetInt(); },
                        +[](TGridTable& t) { t.Cell(3, 0).SetInt(1); },
                        +[](TGridTable& t) { t.Cell(1, 0).SetFloat(1); },
                        +[](TGridTable& t) { t.Cell(2, 0).GetTable(); }}) {
        try {
            access(*table);
            ADD_FAILURE() << "accessed";
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), "Data of wrong type");
        }
    }
    EXPECT_THROW(table->Cell(2, 1).GetFloat(), std::out_of_range);
    EXPECT_THROW(table->Cell(4, 0), std::out_of_range);
}

TEST(CellRules, FloatHeaderCarriesTheUnitOfTheTablesSystem) {
    auto table = TableFrom(R"(2 2 ("Depth" "of wall,") true false false "FLOATCOLUMN2" "F/L2^2" 0.0
                               2 ("Ratio") true false false "FLOATCOLUMN2" "" 0.0)");
    const TColumn& depth = table->Column(0);
    EXPECT_EQ(depth.CaptionLine(0), "Depth");
    EXPECT_EQ(depth.CaptionLine(1), "of wall, (lbs/ft^2)  ");
    table->SetTableUnits(2);
    EXPECT_EQ(depth.CaptionLine(1), "of wall, (kN/m^2)  ");
    table->SetTableUnits(3);
    EXPECT_EQ(depth.CaptionLine(1), "of wall, (F/L^2)  ");
    EXPECT_EQ(table->Column(1).CaptionLine(0), "Ratio");
}

// Seven pixels a character on a 96 pixels-per-inch screen.
class FixedMetrics : public TextMetrics {
public:
    int TextWidth(std::string_view text) const override { return 7 * static_cast<int>(text.size()); }
    int PixelsPerInch() const override { return 96; }
};

TEST(CellRules, DisplayWidthsHaveAMinimumPerClass) {
    auto table = TableFrom(R"(6
        0 ("K") true false ("A")
        1 ("N") true false 0 0 9
        2 ("D" "x") true false false "FLOATCOLUMN2" "L2" 0.0
        3 ("T") true false "FLEXCOLUMN2" ()
        4 ("S") true false "" 2.5
        1 ("A rather long caption for a number") true false 0 0 9)");
    const FixedMetrics metrics;
    // "x (ft)  " and two blanks is wider than half an inch.
    const int widths[] = {144, 48, 7 * 10, 192, 240, 7 * 36};
    for (int i = 0; i < table->ColumnCount(); ++i) EXPECT_EQ(table->Column(i).DisplayWidth(metrics), widths[i]) << i;
}

TEST(RowGroups, RowsComeAndGoInGroupsAndGroupedColumnsShareOneValue) {
    auto table = TableFrom(R"(2 1 ("Set") true true 0 0 99
                               2 ("Value") true false false "FLOATCOLUMN2" "" 0.0)");
    table->SetRowGroup(3);
    table->SetRowCount(7);  // the last group is cut short
    EXPECT_EQ(table->RowCount(), 7);
    table->Cell(0, 4).SetText("8");
    for (int row = 0; row < 7; ++row) EXPECT_EQ(table->Cell(0, row).GetInt(), row / 3 == 1 ? 8 : 0) << row;
    table->Cell(1, 4).SetFloat(1.5L);
    EXPECT_EQ(table->Cell(1, 3).GetFloat(), 0);

    table->InsertRowGroup(5);  // before the group holding row 5, i.e. at row 3
    EXPECT_EQ(table->RowCount(), 10);
    EXPECT_EQ(table->Cell(0, 3).GetInt(), 0);
    EXPECT_EQ(table->Cell(1, 7).GetFloat(), 1.5L);

    table->DeleteRowGroup(4);  // the group of rows 3 to 5
    EXPECT_EQ(table->RowCount(), 7);
    EXPECT_EQ(table->Cell(0, 3).GetInt(), 8);
    table->AddRowGroup();
    EXPECT_EQ(table->RowCount(), 10);
    table->SetRowCount(-4);
    EXPECT_EQ(table->RowCount(), 0);
}

TEST(RowGroups, TableProperties) {
    TGridTable table;
    table.SetRowGroup(0);
    EXPECT_EQ(table.RowGroup(), 1);
    try {
        table.SetMinRows(0);
        ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "Value must be greater than 0");
    }
    EXPECT_EQ(table.MinRows(), 1);
    table.SetLoading(true);
    table.SetMinRows(-3);
    EXPECT_EQ(table.MinRows(), 1);
}

TEST(ChangeNotification, StoredChangesAndRowChangesReachTheEditWindow) {
    auto table = TableFrom(kMixed, 2);
    FakeEditor editor(*table);
    table->Cell(2, 1).SetText("4");
    table->Cell(0, 0).SetInt(2);
    EXPECT_EQ(editor.cells, (std::vector<std::pair<int, int>>{{2, 1}, {0, 0}}));
    table->AddRowGroup();
    table->DeleteRowGroup(0);
    table->SetTableUnits(2);
    EXPECT_EQ(editor.redraws, 3);
    table->CloseEditor();
    EXPECT_TRUE(editor.closed);
    EXPECT_EQ(table->Editor(), nullptr);
}

TEST(TopDepth, RowsJoinTopToBottom) {
    auto table = TableFrom(R"(2 2 ("Top") true false true "FLOATCOLUMN2" "L2" 0.0
                               2 ("Bottom") true false false "FLOATCOLUMN2" "L2" 0.0)",
                           1);
    table->Cell(1, 0).SetFloat(5);
    table->AddRowGroup();
    EXPECT_EQ(table->Cell(0, 1).GetFloat(), 5);  // starts at the bottom of the row above
    table->Cell(1, 1).SetFloat(9);
    table->AddRowGroup();
    table->Cell(0, 1).SetFloat(6);  // the row above ends there too
    EXPECT_EQ(table->Cell(1, 0).GetFloat(), 6);
    table->Cell(1, 1).SetFloat(8);  // the row below starts there too
    EXPECT_EQ(table->Cell(0, 2).GetFloat(), 8);
    table->DeleteRowGroup(1);
    EXPECT_EQ(table->Cell(0, 1).GetFloat(), 6);
}

TEST(TopDepth, NeedsAFloatColumnAfterIt) {
    auto table = TableFrom(R"(2 2 ("Top") true false true "FLOATCOLUMN2" "" 0.0
                               1 ("N") true false 0 0 9)");
    try {
        table->SetRowCount(1);
        ADD_FAILURE() << "rows inserted";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "If column if a topdepth then the next column must be a float column");
    }
    EXPECT_EQ(table->RowCount(), 0);
    EXPECT_EQ(table->Column(1).CellCount(), 0);
}

}  // namespace
}  // namespace torven::tables
