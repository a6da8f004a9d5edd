#include <gtest/gtest.h>

#include "frontend/tables/ValueImport.h"
#include "table_fixture.h"

namespace torven::tables {
namespace {

using test::TableFrom;

// Two visible reals, as a p-y curve table has.
constexpr std::string_view kCurve = R"(2
    2 ("Y") true false false "FLOATCOLUMN2" "" 0.0
    2 ("P") true false false "FLOATCOLUMN2" "" 0.0)";

TEST(ParseNumbers, SeparatorsWordsAndTheLimit) {
    struct Case {
        std::string line;
        std::vector<long double> numbers;
    };
    const std::vector<Case> cases = {
        {"1.5, 2.0", {1.5L, 2.0L}},
        {"Deflection  Resistance", {}},
        {"\t 3\t4\r", {3, 4}},
        {"1 2 abc 3", {1, 2}},
        {"7 x", {7}},
        {"1,,2", {1}},
        {"", {}},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseNumbers(c.line), c.numbers) << c.line;
}

TEST(ValueImport, AcceptedLinesFillRowsAndTheRestGo) {
    auto table = TableFrom(kCurve, 2);
    const ImportResult grown = ImportValueLines(*table, {"Y P", "-1 5", "0 0", "1 2 3", "1, -5", "2\t-6"});
    EXPECT_EQ(grown.accepted, 4);
    EXPECT_TRUE(grown.error.empty());
    ASSERT_EQ(table->RowCount(), 4);
    EXPECT_EQ(table->Cell(0, 0).GetFloat(), -1);
    EXPECT_EQ(table->Cell(1, 3).GetFloat(), -6);

    const ImportResult shrunk = ImportValueLines(*table, {"0.1 0.2"});
    EXPECT_EQ(shrunk.accepted, 1);
    EXPECT_EQ(table->RowCount(), 1);
    EXPECT_EQ(table->Cell(1, 0).GetFloat(), 0.2L);

    // Nothing accepted: the table stays as it was.
    EXPECT_EQ(ImportValueLines(*table, {"no numbers here"}).accepted, 0);
    EXPECT_EQ(table->RowCount(), 1);
}

TEST(ValueImport, StopsAtMaxRows) {
    auto table = TableFrom(kCurve, 1);
    table->SetMaxRows(2);
    EXPECT_EQ(ImportValueLines(*table, {"1 1", "2 2", "3 3"}).accepted, 2);
    EXPECT_EQ(table->RowCount(), 2);
}

TEST(ValueImport, ClipboardLinesBreakAtCarriageReturns) {
    EXPECT_EQ(ClipboardLines("1\t2\r\n3\t4\r5\t6"), (std::vector<std::string>{"1\t2", "3\t4", "5\t6"}));
    EXPECT_TRUE(ClipboardLines("").empty());
}

TEST(ValueImport, AMissingFileIsNamed) {
    auto table = TableFrom(kCurve, 1);
    const ImportResult result = ReadValuesFromFile(*table, "/nonexistent/curve.txt");
    EXPECT_EQ(result.accepted, 0);
    EXPECT_NE(result.error.find("/nonexistent/curve.txt"), std::string::npos);
}

}  // namespace
}  // namespace torven::tables
