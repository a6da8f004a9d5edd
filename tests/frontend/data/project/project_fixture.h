#pragma once
// The main window's tables, a project on them, and short ways to fill and
// inspect them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frontend/data/project/TProgramData.h"
#include "frontend/tables/MainTables.h"
#include "frontend/tables/TGridTable.h"

namespace torven::data::test {

// The wall items of R3 and R11a that the tests vary, in file units.
struct Wall {
    int increments;
    long double incrementLength, maxDeflection, tolerance, freeHeight, widthActive;
    long double widthPY = 0, waterBackfill = 0, waterExcavation = 0;
};
void SetWall(TProgramData& project, const std::string& title, const Wall& wall);

// Cells of one row in column order; integer and choice cells take the value
// as an integer.
using Row = std::vector<long double>;

void SetRow(tables::TGridTable& table, int row, const Row& values);
void SetRows(tables::TGridTable& table, const std::vector<Row>& rows);

// A soil layer with its parameter table's top and bottom rows.
void SetSoilLayer(tables::TGridTable& soil, int row, int type, long double depth, const Row& top, const Row& bottom);

// A p-y curve set (node, multipliers, points) or a moment-EI curve.
void SetPYCurve(tables::TGridTable& sets, int row, int node, long double pMultiplier, long double yMultiplier,
                const std::vector<Row>& points);
void SetMEICurve(tables::TGridTable& curves, int row, int from, int to, const std::vector<Row>& points);

// Every item and switch, then every project table row by row with nested
// tables indented, values to 7 significant digits: two projects that agree
// here agree to the precision the file keeps.
std::string Describe(const TProgramData& project);

class ProjectTest : public ::testing::Test {
protected:
    tables::TableSet tables = tables::LoadMainTables(TORVEN_SOURCE_DIR "/frontend/tables/definitions");
    ProjectCallbacks callbacks;
    std::vector<std::string> messages;  // what inform showed
    std::unique_ptr<TProgramData> project;

    ProjectTest() {
        callbacks.inform = [this](const std::string& message) { messages.push_back(message); };
        project = TProgramData::CreateNew(tables, callbacks);
    }

    tables::TGridTable& Table(std::string_view name) const { return tables.Table(name); }

    // The project read back from a file, replacing the current one.
    void Open(std::filesystem::path file, int variant = 1) {
        project.reset();
        project = TProgramData::CreateFromFile(tables, file, variant, callbacks);
    }
};

}  // namespace torven::data::test
