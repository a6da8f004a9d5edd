#pragma once
// Reads the plot data file back as a stream of blank-separated numbers, block
// by block, as its consumer does.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace torven::test {

struct PlotCurve {
    double depth = 0.0;
    std::vector<std::array<double, 2>> points;
};

struct PlotBlock {
    std::vector<std::array<double, 4>> pressure;
    int units = 0;
    std::vector<PlotCurve> curves;
    int blockCount = 0;
    int resultUnits = 0;
    std::vector<std::array<double, 5>> rows;  // depth, deflection, moment, shear, net reaction
};

// Parses every block; fails the test when a count promises more than follows.
inline std::vector<PlotBlock> readPlotBlocks(const std::string& text) {
    std::istringstream in(text);
    std::vector<PlotBlock> blocks;
    auto need = [&in](auto& value) {
        in >> value;
        if (!in) throw std::runtime_error("plot data file ends inside a block");
    };
    int nep = 0;
    while (in >> nep) {
        PlotBlock b;
        b.pressure.resize(nep);
        for (auto& row : b.pressure)
            for (double& v : row) need(v);
        int count = 0;
        need(b.units);
        need(count);
        b.curves.resize(count);
        for (PlotCurve& c : b.curves) {
            int points = 0;
            need(c.depth);
            need(points);
            c.points.resize(points);
            for (auto& p : c.points) need(p[0]), need(p[1]);
        }
        int nrow = 0;
        need(b.blockCount);
        need(nrow);
        need(b.resultUnits);
        b.rows.resize(nrow);
        for (auto& row : b.rows)
            for (double& v : row) need(v);
        blocks.push_back(std::move(b));
    }
    if (!in.eof()) throw std::runtime_error("plot data file holds a non-number");
    return blocks;
}

}  // namespace torven::test
