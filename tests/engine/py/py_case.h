#pragma once
// Cases with generated p-y curves, and readers of what the generator
// leaves: the SOILDATA file and the curve lines of the report.
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"
#include "tests/engine/soil/soil_case.h"

namespace torven::test {

// A layer whose six parameters are the same at its top and bottom.
inline LayerLines uniform(int type, double bottom, std::array<double, 6> values) {
    return {type, bottom, values, values};
}

// Generated earth pressure (KEP 2) and generated curves (KPY 2) on a wall of
// N increments of h.
inline CaseBuilder generatedCase(const SoilCase& soil, int n = 60, double h = 6) {
    CaseBuilder b = soil.builder(2, n, h);
    b.kpy = 2;
    return b;
}

struct SoilDataRow {
    int index = 0;
    double p = 0.0, y = 0.0;
};

struct SoilDataCurve {
    double depth = 0.0;  // station for a user curve
    int points = 0;
    std::vector<SoilDataRow> rows;
};

struct SoilData {
    int count = -1;
    std::vector<SoilDataCurve> user, generated;
};

inline SoilData readSoilData(int userCurves, const std::string& path = "SOILDATA") {
    std::ifstream in(path);
    SoilData d;
    in >> d.count;
    for (int i = 0; in && i < d.count; ++i) {
        SoilDataCurve c;
        in >> c.depth >> c.points;
        const int rows = i < userCurves ? c.points : 34;
        for (int j = 0; in && j < rows; ++j) {
            SoilDataRow r;
            in >> r.index >> r.p >> r.y;
            c.rows.push_back(r);
        }
        (i < userCurves ? d.user : d.generated).push_back(c);
    }
    return d;
}

// One side of a generated curve as the report shows it.
struct ReportSide {
    std::string title;
    std::vector<std::array<double, 2>> points;  // y, p
    double pMultiplier = 0.0, yMultiplier = 0.0;
};

// Reads "Y P" lines: 21 blanks and exactly two numbers of 20 columns.
inline bool pointLine(std::string line, std::array<double, 2>& out) {
    if (line.size() != 61 || line.compare(0, 21, std::string(21, ' ')) != 0) return false;
    for (char& ch : line)
        if (ch == 'D') ch = 'E';
    std::istringstream s(line);
    std::string rest;
    return static_cast<bool>(s >> out[0] >> out[1]) && !(s >> rest);
}

// Every side in report order: a side starts at its title (or the strong-rock header).
inline std::vector<ReportSide> readReportSides(const std::string& report) {
    std::vector<ReportSide> sides;
    for (const std::string& line : splitLines(report)) {
        const auto start = line.find_first_not_of(' ');
        const std::string text = start == std::string::npos ? "" : line.substr(start);
        if (text == "AT THE EXCAVATION SIDE" || text == "AT THE BACKFILL SIDE" ||
            text.starts_with("DEPTH-EXCAVATION SIDE") || text.starts_with("DEPTH-BACKFILL SIDE")) {
            ReportSide side;
            side.title = text.substr(0, text.find("  "));
            sides.push_back(side);
            continue;
        }
        if (sides.empty()) continue;
        std::array<double, 2> point{};
        if (pointLine(line, point)) {
            sides.back().points.push_back(point);
        } else if (const auto at = line.find(" P-Multiplier = "); at != std::string::npos) {
            std::istringstream s(line.substr(at + 16, 10) + " " + line.substr(at + 16 + 10 + 16));
            s >> sides.back().pMultiplier >> sides.back().yMultiplier;
        }
    }
    return sides;
}

// Agreement within a relative tolerance, or an absolute one near zero.
inline ::testing::AssertionResult near(double got, double expected, double relative, double absolute = 1e-9) {
    if (std::fabs(got - expected) <= std::max(absolute, relative * std::fabs(expected)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " differs from " << expected;
}

}  // namespace torven::test
