#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "frontend/data/GeneralFormat.h"
#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TGridTableChart.h"
#include "frontend/tables/TableRegistry.h"
#include "main_tables_fixture.h"

namespace torven::tables {
namespace {

using test::MainTablesTest;

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
    return text;
}

// One line per column: class, captions (padding trimmed), then what the class adds.
std::string Describe(const TColumn& column) {
    std::vector<std::string> captions;
    for (const std::string& caption : column.Captions()) captions.push_back(Trimmed(caption));
    const std::string head = Joined(captions, " / ");
    if (const auto* c = dynamic_cast<const TEnumColumn*>(&column)) return "enum " + head + ": " + Joined(c->Choices(), "|");
    if (const auto* c = dynamic_cast<const TIntColumn*>(&column)) {
        return "int " + head + " = " + std::to_string(c->Default()) + " in " + std::to_string(c->MinValue()) + ".." +
               std::to_string(c->MaxValue());
    }
    if (const auto* c = dynamic_cast<const TFloatColumn*>(&column)) {
        return "float " + head + " [" + c->UnitCode() + "] = " + data::FormatGeneral(c->Default(), 8);
    }
    if (const auto* c = dynamic_cast<const TTableColumn*>(&column)) {
        std::string ids;
        for (int id : c->Templates().Identifiers()) ids += " " + std::to_string(id);
        return "table " + head + " ->" + ids;
    }
    return "other " + head;
}

struct ExpectedTable {
    int identifier;
    const char* caption;
    int minRows, maxRows;
    const char* topLeft;
    std::vector<std::string> columns;
};

const std::string kBig = "2147483600", kMax = "2147483647", kMin = "-2147483648";
const std::string kSoils = "Soft Clay|Stiff Clay with Free Water|Stiff Clay w/o Free Water|Sand|"
                           "Silt (c-phi soil)|Strong Rock|Weak Rock";
const std::string kUnitWeight = "float Total Unit / Weight, [F/L2^3] = 0";
const std::string kEarthPressure = "float Optional Earth / Pressure Coefficient [] = 0";

const std::map<std::string, ExpectedTable> kExpected = {
    {"SoilLayer",
     {0, "Specify Deflection and Slope on Wall", 1, 10, "No",
      {"enum Case: Specify Deflection|Specify Slope", "int Nodal No. = 0 in 0.." + kBig,
       "float Deflection [L] = 0", "float Slope [] = 0"}}},
    {"PileSect",
     {15, "Wall Stiffness", 1, 10, "Section",
      {"int From Node No. (Start) = 0 in 0.." + kBig, "int To Node No. (End) = 1 in 0.." + kMax,
       "enum Constant or Interpolate?: Use Constant Value for all Nodes on this Line|"
       "Linear Interpolate to End Node of Next Line",
       "float Flexural Stiffness (EI) [F-L^2] = 0"}}},
    {"BoundCond",
     {123, "Concentrated Loads on Wall", 1, 20, "",
      {"enum Constant or Interpolate?: Use Constant Values for all Nodes on this Line|"
       "Linear Interpolate to End Node of Next Line",
       "int From Node No. / (Start) = 0 in 0.." + kBig, "int To Node No. / (End) = 1 in 0.." + kMax,
       "float Lateral Load [F] = 0", "float Moment [F-L] = 0", "float Axial Load [F] = 0"}}},
    {"SoilStrength",
     {4, "Lateral Spring and Rotation Spring", 1, 20, "Point",
      {"enum Constant or Interpolate?: Use Constant Values for all Nodes on this Line  |"
       "Linear Interpolate to End Node of Next Line",
       "int From Node No. / (Start) = 0 in 0.." + kMax, "int To Node No. / (End) = 0 in " + kMin + ".." + kMax,
       "float Lateral Spring / Stiffness [F/L] = 0", "float Rotational Spr. / Stiff. [F-L/RAD.] = 0"}}},
    {"TiebackTable1",
     {77, "Tieback (ground anchor) Table", 1, 20, "",
      {"float Depth from top / of wall, [L2] = 0", "float Cross sectional area / of steel rod, [L1^2] = 0",
       "float Elastic modulus / of steel, [F/L^2] = 0", "float Unbonded anchor / length, [L2] = 0",
       "float Angle from / horizontal, [DEG.] = 0", "float Anchor spacing / in each row, [L2] = 0",
       "float Prestressing Force [F] = 0"}}},
    {"PYMod",
     {16, "p-y Modification Factors", 2, 30, "",
      {"float Depth [L2] = 0", "float p-Multiplier [] = 1", "float y-Multiplier [] = 1"}}},
    {"DistLoad",
     {22, "Distributed Loads", 2, 100, "",
      {"float Depth measured from the top of the wall, [L2] = 0", "float Lateral distributed line load, [F/L2] = 0"}}},
    {"LongDist",
     {104, "Distributed Load (Long-Term)", 1, 0, "",
      {"float Depth measured from the top of the wall, [L2] = 0", "float Lateral distributed line load, [F/L2] = 0"}}},
    {"SurchargeTable",
     {23, "Surcharge Loads", 1, 20, "",
      {"enum Load Types: Point Load|Line Load|Strip Load", "float Load Magnitude [SEE NOTES] = 0",
       "float Distance, X [L1] = 0", "float Width of Strip Load, W [L1] = 0"}}},
    {"NewSoil",
     {19, "Soil Layers", 1, 10, "",
      {"enum Soil / Type: " + kSoils, "float Depth at Bottom / of the Layer, [L2] = 0",
       "table Edit Soil / Parameters -> 18 18 18 17 29 30 31"}}},
    {"LongSoil",
     {44, "Soil Layers (Long-Term)", 1, 10, "",
      {"enum Soil / Type: Soft Clay|Stiff Clay with Free water|Stiff Clay w/o Free Water|Sand|"
       "Silt (c-phi soil)|Strong Rock|Weak Rock",
       "float Depth at Bottom / of the Layer, [L2] = 0", "table Edit Soil / Parameters -> 18 18 18 17 29 30 31"}}},
    {"TblClay1",
     {18, "Clay", 2, 2, "",
      {kUnitWeight, "float Cohesive / Strength, [F/L2^2] = 0", "float E50 [] = 0", "float k(py) [F/L^3] = 0",
       kEarthPressure}}},
    {"TblSand1",
     {17, "Sand", 2, 2, "",
      {kUnitWeight, "float Friction / Angle, deg. [] = 0", "float k(py) [F/L^3] = 0", kEarthPressure}}},
    {"TblSilt1",
     {29, "Silt", 2, 2, "",
      {kUnitWeight, "float Friction / Angle, deg. [] = 0", "float Cohesive / Strength, [F/L2^2] = 0",
       "float E50 [] = 0", "float K(py) [F/L^3] = 0", kEarthPressure}}},
    {"TblRock1", {30, "Strong Rock", 2, 2, "", {kUnitWeight, "float Uniaxial Compressive / Strength, [F/L^2] = 0"}}},
    {"TblRock2",
     {31, "Weak Rock", 2, 2, "",
      {kUnitWeight, "float Uniaxial Compressive / Strength, [F/L^2] = 0", "float krm * [] = 0",
       "float Elastic / Modulus, [F/L^2] = 0", "float RQD / % [] = 0"}}},
    {"PYCurves2",
     {37, "Sets of Ext. p-y Curves", 2, 30, "",
      {"int Node # = 0 in " + kMin + ".." + kMax, "table Curve Sets -> 38",
       "float Multiplier for p-value [] = 1", "float Multiplier for y-value [] = 1"}}},
    {"PYCurve2",
     {38, "External p-y Curve", 2, 17, "Point",
      {"float Lateral Deflection, y (*) [L] = 0", "float Soil Resistance, p [F/L] = 0"}}},
    {"MEICurves2",
     {36, "Nonlinear Moment vs EI Curves", 1, 20, "Section",
      {"int From Node No. (Start) = 0 in 0..1000", "int To Node No. (End) = 0 in 0..1000", "table  -> 0"}}},
    {"Rows2",
     {0, "Moment and EI data", 1, 100, "Point",
      {"float Bending moment [F-L] = 0", "float Flexural rigidity [F-L^2] = 0"}}},
};

TEST_F(MainTablesTest, TablesCarryTheirCaptionsUnitsLimitsAndDefaults) {
    ASSERT_EQ(tables.Count(), static_cast<int>(kExpected.size()));
    for (const auto& [name, expected] : kExpected) {
        SCOPED_TRACE(name);
        const TGridTable& table = tables.Table(name);
        EXPECT_EQ(table.Identifier(), expected.identifier);
        EXPECT_EQ(table.Caption(), expected.caption);
        EXPECT_EQ(table.MinRows(), expected.minRows);
        EXPECT_EQ(table.MaxRows(), expected.maxRows);
        EXPECT_EQ(table.RowGroup(), 1);
        EXPECT_EQ(table.TopLeft(), expected.topLeft);
        EXPECT_EQ(table.RowCount(), 0);
        std::vector<std::string> columns;
        for (int i = 0; i < table.ColumnCount(); ++i) {
            columns.push_back(Describe(table.Column(i)));
            EXPECT_TRUE(table.Column(i).Visible());
            EXPECT_FALSE(table.Column(i).Grouped());
        }
        EXPECT_EQ(columns, expected.columns);
    }
}

TEST_F(MainTablesTest, CurveTablesCarryTheirChartSettings) {
    struct ExpectedChart {
        const char* name;
        bool fromFile, hardwired;
        GraphicParameters graphic;
    };
    for (const ExpectedChart& c : {ExpectedChart{"PYCurves2", false, false, {}},
                               ExpectedChart{"PYCurve2", true, true, {true, false, 0, 1, 0, 0}},
                               ExpectedChart{"MEICurves2", false, false, {}},
                               ExpectedChart{"Rows2", true, true, {true, false, 0, 1, 0, 0}}}) {
        const TGridTableChart& chart = tables.Chart(c.name);
        EXPECT_EQ(chart.GetDataFromFile(), c.fromFile) << c.name;
        EXPECT_EQ(chart.HardwiredButton(), c.hardwired) << c.name;
        EXPECT_EQ(chart.Graphic(), c.graphic) << c.name;
        EXPECT_FALSE(chart.OKCancelButtons() || chart.InvertedXAxis() || chart.InvertedYAxis()) << c.name;
    }
    // Curve tables number apart: Rows2 and SoilLayer both hold 0.
    EXPECT_EQ(GridTableRegistry().Find(0), &tables.Table("SoilLayer"));
    EXPECT_EQ(ChartTableRegistry().Find(0), &tables.Table("Rows2"));
}

TEST_F(MainTablesTest, ResetTablesShowHeadersAndDefaultsInEachSystem) {
    TGridTable& tiebacks = tables.Table("TiebackTable1");
    EXPECT_EQ(tiebacks.Column(1).CaptionLine(1), "of steel rod, (in^2)  ");
    EXPECT_EQ(tiebacks.Column(4).CaptionLine(1), "horizontal, (DEG.)  ");
    tiebacks.SetTableUnits(2);
    EXPECT_EQ(tiebacks.Column(1).CaptionLine(1), "of steel rod, (mm^2)  ");

    TGridTable& factors = tables.Table("PYMod");
    factors.SetRowCount(factors.MinRows());
    EXPECT_EQ(factors.Cell(1, 1).GetText(), "1");
    EXPECT_EQ(factors.Column(0).CaptionLine(0), "Depth (ft)  ");

    // Padded choice captions keep their blanks to widen the column.
    EXPECT_GT(tables.Table("SoilLayer").Column(0).Captions()[0].size(), std::string("Case").size());
}

TEST_F(MainTablesTest, EnglishToSIAndBackRestoresEveryCell) {
    TGridTable& surcharge = tables.Table("SurchargeTable");
    surcharge.SetRowCount(1);
    surcharge.Cell(1, 0).SetFloat(100);
    surcharge.Cell(2, 0).SetFloat(100);
    surcharge.SetTableUnits(2);
    EXPECT_EQ(surcharge.Cell(1, 0).GetFloat(), 100);  // "SEE NOTES" is the project's to convert
    EXPECT_NEAR(static_cast<double>(surcharge.Cell(2, 0).GetFloat()), 2540, 1e-6);
    surcharge.SetTableUnits(1);
    EXPECT_NEAR(static_cast<double>(surcharge.Cell(2, 0).GetFloat()), 100, 1e-12);
}

TEST(MainTablesFile, InstalledBesideTheProgram) {
    const TableSet tables = LoadMainTables(TORVEN_BIN_DIR);
    EXPECT_EQ(tables.Count(), static_cast<int>(MainTableNames().size()));
}

TEST(MainTablesFile, AMissingFileOrTableFailsWithItsName) {
    EXPECT_THROW(LoadMainTables("/nonexistent-torven-dir"), StreamReadError);
}

}  // namespace
}  // namespace torven::tables
