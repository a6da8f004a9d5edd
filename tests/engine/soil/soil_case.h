#pragma once
// Composes the soil record (R11) of a data file and reads KESTRA.001 back.
#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/case_builder.h"

namespace torven::test {

// Six values at the top of a layer and six at its bottom.
struct LayerLines {
    int type = 4;
    double bottom = 0.0;
    std::array<double, 6> top{};
    std::array<double, 6> base{};
};

inline LayerLines sand(double bottom, double gamma, double phi, double ka = 0.0) {
    return {4, bottom, {gamma, 0, phi, 0, 90, ka}, {gamma, 0, phi, 0, 90, ka}};
}

inline LayerLines clay(double bottom, double gamma, double c, int type = 3) {
    return {type, bottom, {gamma, c, 0, 0.005, 500, 0}, {gamma, c, 0, 0.005, 500, 0}};
}

inline std::string numbers(std::initializer_list<double> values) {
    std::ostringstream s;
    s.precision(17);
    for (double v : values) s << v << ' ';
    return s.str();
}

struct SoilCase {
    double freeHeight = 120, widthActive = 12, widthPY = 24;
    double waterBackfill = 1000, waterExcavation = 1000, factor = 1;
    int wallCode = 1;
    double slope = 0, uniform = 0;
    std::array<double, 5> legacy{};
    std::vector<std::string> surcharges;  // type Q X W
    std::vector<LayerLines> layers;

    std::vector<std::string> lines() const {
        std::ostringstream wall;
        wall.precision(17);
        wall << freeHeight << '\t' << widthActive << '\t' << widthPY << '\t' << waterBackfill << '\t'
             << waterExcavation << '\t' << factor << '\t' << wallCode << '\t' << slope;
        std::vector<std::string> out = {wall.str(),
                                        numbers({uniform, legacy[0], legacy[1], legacy[2], legacy[3], legacy[4]}),
                                        std::to_string(surcharges.size())};
        out.insert(out.end(), surcharges.begin(), surcharges.end());
        out.push_back(std::to_string(layers.size()));
        for (const LayerLines& l : layers) {
            out.push_back(std::to_string(l.type) + " " + numbers({l.bottom}));
            const auto& t = l.top;
            const auto& b = l.base;
            out.push_back(numbers({t[0], t[1], t[2], t[3], t[4], t[5]}));
            out.push_back(numbers({b[0], b[1], b[2], b[3], b[4], b[5]}));
        }
        return out;
    }

    // A case with generated earth pressure on a wall of N increments of h.
    CaseBuilder builder(int kep = 2, int n = 60, double h = 6) const {
        CaseBuilder b;
        b.kep = kep;
        b.wall = std::to_string(n) + " " + numbers({h}) + "\t10\t1E-5\t" + numbers({freeHeight}) + "\t" +
                 numbers({widthActive});
        b.stiffness = {"0\t" + std::to_string(n) + "\t1\t29000000000"};
        b.loads.clear();
        b.soil = lines();
        return b;
    }
};

struct PressureFile {
    long long count = -1;
    std::vector<std::array<double, 4>> rows;  // depth, total, soils, surcharges

    // The row at `depth` (the last one when a depth is written twice).
    const std::array<double, 4>* at(double depth) const {
        const std::array<double, 4>* found = nullptr;
        for (const auto& r : rows)
            if (std::abs(r[0] - depth) < 1e-9 * std::max(1.0, depth)) found = &r;
        return found;
    }
};

inline PressureFile readPressureFile(const std::string& path = "KESTRA.001") {
    PressureFile f;
    std::ifstream in(path);
    in >> f.count;
    std::array<double, 4> r{};
    while (in >> r[0] >> r[1] >> r[2] >> r[3]) f.rows.push_back(r);
    return f;
}

}  // namespace torven::test
