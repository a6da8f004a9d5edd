#include "frontend/tables/MainTables.h"

#include <algorithm>
#include <array>
#include <string>

#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TGridTableChart.h"
#include "frontend/tables/TableDefinitionFile.h"

namespace torven::tables {

namespace {

constexpr std::array<std::string_view, 16> kGridTables = {
    "SoilLayer", "PileSect", "BoundCond", "SoilStrength", "TiebackTable1", "PYMod",    "DistLoad", "LongDist",
    "SurchargeTable", "NewSoil", "LongSoil", "TblClay1",   "TblSand1",     "TblSilt1", "TblRock1", "TblRock2"};

constexpr std::array<std::string_view, 4> kCurveTables = {"PYCurves2", "PYCurve2", "MEICurves2", "Rows2"};

constexpr auto kAll = [] {
    std::array<std::string_view, kGridTables.size() + kCurveTables.size()> all{};
    std::size_t i = 0;
    for (auto name : kGridTables) all[i++] = name;
    for (auto name : kCurveTables) all[i++] = name;
    return all;
}();

}  // namespace

std::span<const std::string_view> MainTableNames() { return kAll; }

TableSet LoadMainTables(const std::filesystem::path& directory) {
    TableSet tables = LoadTableDefinitions(directory / kMainTablesFile);
    for (std::string_view name : kAll) {
        const TGridTable* table = tables.Find(name);
        const bool curve = std::ranges::find(kCurveTables, name) != kCurveTables.end();
        if (table == nullptr || (dynamic_cast<const TGridTableChart*>(table) != nullptr) != curve) {
            throw StreamReadError(std::string(kMainTablesFile) + " does not define the " +
                                  (curve ? "curve table " : "grid table ") + std::string(name));
        }
    }
    return tables;
}

}  // namespace torven::tables
