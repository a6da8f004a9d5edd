#include <gtest/gtest.h>

#include <string>

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TGridTableChart.h"
#include "frontend/tables/TableDefinitionFile.h"
#include "table_fixture.h"

namespace torven::tables {
namespace {

// One column of every class.
constexpr std::string_view kEveryClass = R"(5
    0 ("Kind" "of load") true false ("Point" "Line")
    1 ("Node") false true 3 -5 10
    2 ("Depth") true false false "FLOATCOLUMN2" "L2" 1.25
    3 ("Edit") true false "FLEXCOLUMN2" (18 -1)
    4 ("Note") true false "say \"hi\"" 1.5)";

template <class Table = TGridTable>
std::string ReadFailure(std::string_view columns) {
    Table table;
    DefinitionReader in = DefinitionReader::FromText(columns);
    try {
        table.ReadColumns(in);
    } catch (const StreamReadError& error) {
        return error.what();
    }
    return "read";
}

template <class Table>
std::string Written(const Table& table) {
    DefinitionWriter out;
    table.WriteColumns(out);
    return out.Text();
}

TEST(DefinitionStream, ReadsEveryColumnClassInOrder) {
    auto table = test::TableFrom(kEveryClass, 2);
    ASSERT_EQ(table->ColumnCount(), 5);
    const auto& kind = dynamic_cast<const TEnumColumn&>(table->Column(0));
    EXPECT_EQ(kind.Captions(), (std::vector<std::string>{"Kind", "of load"}));
    EXPECT_EQ(kind.Choices(), (std::vector<std::string>{"Point", "Line"}));
    const auto& node = dynamic_cast<const TIntColumn&>(table->Column(1));
    EXPECT_FALSE(node.Visible());
    EXPECT_TRUE(node.Grouped());
    EXPECT_EQ(node.Default(), 3);
    EXPECT_EQ(node.MinValue(), -5);
    EXPECT_EQ(node.MaxValue(), 10);
    const auto& depth = dynamic_cast<const TFloatColumn&>(table->Column(2));
    EXPECT_EQ(depth.UnitCode(), "L2");
    EXPECT_EQ(depth.Default(), 1.25L);
    EXPECT_EQ(dynamic_cast<const TTableColumn&>(table->Column(3)).Templates().Identifiers(),
              (std::vector<int>{18, -1}));
    const auto& note = dynamic_cast<const TStringColumn&>(table->Column(4));
    EXPECT_EQ(note.DefaultText(), "say \"hi\"");
    EXPECT_EQ(note.WidthInches(), 1.5L);
    EXPECT_EQ(table->VisibleColumnCount(), 4);
    EXPECT_EQ(&table->VisibleColumn(1), &table->Column(2));
}

TEST(DefinitionStream, WrittenDefinitionsReadBackTheSame) {
    auto table = test::TableFrom(kEveryClass);
    const std::string text = Written(*table);
    auto copy = test::TableFrom(text);
    EXPECT_EQ(Written(*copy), text);

    auto chart = test::TableFrom<TGridTableChart>(R"(2
        2 ("x") true false false "FLOATCOLUMN2" "L" 0.0
        2 ("y") true false false "FLOATCOLUMN2" "F/L" 0.0
        true false 0 1 7 8)");
    const std::string chartText = Written(*chart);
    EXPECT_EQ(test::TableFrom<TGridTableChart>(chartText)->Graphic(), (GraphicParameters{true, false, 0, 1, 7, 8}));
}

TEST(DefinitionStream, OlderFloatLayoutHasTheUnitCodeInPlaceOfTheMark) {
    auto table = test::TableFrom(R"(2 2 ("Old") true false false "F/L"
                                     2 ("New") true false false "FLOATCOLUMN2" "L" 2.0)", 1);
    const auto& old = dynamic_cast<const TFloatColumn&>(table->Column(0));
    EXPECT_EQ(old.UnitCode(), "F/L");
    EXPECT_EQ(old.Default(), 0);
    EXPECT_EQ(table->Cell(1, 0).GetFloat(), 2);
}

TEST(DefinitionStream, ReadFailuresNameTheirCause) {
    struct Case {
        const char* name;
        std::string_view columns;
        std::string message;
    };
    const Case cases[] = {
        {"no count", "", "Error reading column count"},
        {"count not an integer", "\"two\"", "Error reading column count"},
        {"negative count", "-1", "Error reading column count"},
        {"unknown class key", "1 7 (\"x\") true false", "Error Column Class not defined"},
        {"missing default", "2 2 (\"a\") true false false \"FLOATCOLUMN2\" \"L\"\n2 (\"b\") true false false \"\"",
         "Error occured when creating column 0: line 2: a real number was expected, found the integer 2"},
        {"truncated column", "2 1 (\"a\") true false 0 0 9\n1 (\"b\") true false 0",
         "Error occured when creating column 1: line 2: an integer was expected but the definition ends"},
        {"wrong flag", "1 1 (\"a\") 1 false 0 0 9",
         "Error occured when creating column 0: line 1: true or false was expected, found the integer 1"},
        {"key missing", "2 1 (\"a\") true false 0 0 9",
         "Error occured when creating column 1: line 1: an integer was expected but the definition ends"},
        {"table column mark", "1 3 (\"t\") true false \"FLEX\" (1)",
         "Error occured when creating column 0: line 1: \"FLEXCOLUMN2\" was expected before the template list"},
        {"unclosed list", "1 0 (\"a\" true false ()",
         "Error occured when creating column 0: line 1: a string was expected, found the word true"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadFailure(c.columns), c.message) << c.name;
}

TEST(DefinitionStream, GraphicParametersOfCurveTables) {
    const std::string column = "1 2 (\"x\") true false false \"FLOATCOLUMN2\" \"\" 0.0\n";
    EXPECT_EQ(ReadFailure<TGridTableChart>(column + "true false 0 0 0"), "Error reading graphic parameters");
    EXPECT_EQ(ReadFailure<TGridTableChart>(column), "Error reading graphic parameters");
    EXPECT_EQ(ReadFailure<TGridTableChart>(column + "true false 0 0 0 \"x\""), "Error reading graphic parameters");
    // A chart of a column the table does not have.
    EXPECT_EQ(ReadFailure<TGridTableChart>(column + "true false 0 1 0 0"), "Error reading graphic parameters");
    EXPECT_EQ(ReadFailure<TGridTableChart>(column + "false false 0 1 0 0"), "read");
    // Plain tables end with the columns.
    EXPECT_EQ(ReadFailure(column), "read");
}

TEST(DefinitionStream, AFailedReadKeepsTheColumnsAndRows) {
    auto table = test::TableFrom(kEveryClass, 3);
    table->Cell(2, 1).SetFloat(4);
    DefinitionReader in = DefinitionReader::FromText("1 2 (\"a\") true false false \"FLOATCOLUMN2\" \"L\"");
    EXPECT_THROW(table->ReadColumns(in), StreamReadError);
    EXPECT_EQ(table->ColumnCount(), 5);
    EXPECT_EQ(table->RowCount(), 3);
    EXPECT_EQ(table->Cell(2, 1).GetFloat(), 4);
}

TEST(DefinitionStream, ReplacedColumnsAreSizedToTheRows) {
    auto table = test::TableFrom(kEveryClass, 3);
    DefinitionReader in = DefinitionReader::FromText("1 1 (\"n\") true false 6 0 9");
    table->ReadColumns(in);
    ASSERT_EQ(table->ColumnCount(), 1);
    EXPECT_EQ(table->Cell(0, 2).GetInt(), 6);
}

TEST(DefinitionFile, FailuresNameTheFileTheTableAndTheLine) {
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"unknown class", "object A: TGrid\nend", "defs, line 1: unknown table class TGrid"},
        {"unknown property", "object A: TGridTable\n  Colour = 3\nend",
         "defs, table A: line 2: the table has no property Colour"},
        {"chart property on a plain table", "object A: TGridTable\n  InvertedXAxis = true\nend",
         "defs, table A: line 2: the table has no property InvertedXAxis"},
        {"missing end", "object A: TGridTable\n  Caption = \"x\"\n",
         "defs, table A: line 3: a name was expected but the definition ends"},
        {"column stream", "object A: TGridTable\n  Col = {\n 1 9 }\nend", "defs, table A: Error Column Class not defined"},
        {"values after the columns", "object A: TGridTable\n  Col = { 0 5 }\nend",
         "defs, table A: line 2: the column definitions go on after their last value"},
        {"unclosed column block", "object A: TGridTable\n  Col = { 0 \nend",
         "defs, table A: line 3: \"}\" was expected but the definition ends"},
        {"shared identifier",
         "object A: TGridTable\n  Identifier = 5\nend\nobject B: TGridTable\n  Identifier = 5\nend",
         "defs, table B: line 5: the identifier 5 is held by A already"},
        {"second table of a name", "object A: TGridTable\nend\nobject A: TGridTable\nend",
         "defs, line 3: a second table A"},
        {"unknown template",
         "object A: TGridTable\n  Col = { 1 3 (\"t\") true false \"FLEXCOLUMN2\" (123456) }\nend",
         "defs, table A: column 0 names the template 123456, which no table of its kind holds"},
        {"unclosed string", "object A: TGridTable\n  Caption = \"x\nend", "defs, line 2: a string is not closed"},
    };
    for (const Case& c : cases) {
        try {
            ReadTableDefinitions(c.text, "defs");
            ADD_FAILURE() << c.name << ": read";
        } catch (const StreamReadError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.name;
        }
    }
    // While loading, a minimum of 0 rows becomes 1 instead of failing.
    EXPECT_EQ(ReadTableDefinitions("object A: TGridTable\n  MinRows = 0\nend", "defs").Table("A").MinRows(), 1);
}

}  // namespace
}  // namespace torven::tables
