#pragma once
// Composes an input data file record by record, with defaults for a small wall.
#include <sstream>
#include <string>
#include <vector>

namespace torven::test {

struct CaseBuilder {
    std::string title = "Echo test";
    int units = 1, kep = 1, kpy = 0, numStages = 1;
    std::string wall = "40 6\t10\t1E-5\t120\t12";
    std::vector<std::string> restraints;  // case | station | defl | slope
    std::vector<std::string> stiffness = {"0\t40\t1\t29000000"};
    std::vector<std::string> loads = {"1\t0\t0\t1000\t0\t0"};
    std::vector<std::string> springs;
    std::vector<std::string> tiebacks;
    std::vector<std::string> pyMods;
    std::vector<std::string> pressure = {"0\t0", "120\t100"};
    std::vector<std::string> soil;         // R11 lines, when present
    std::vector<std::string> curveLines;   // R12 lines
    int nPYCurves = 0;
    std::vector<std::string> meiLines;     // R13 lines
    int nMEI = 0;
    int endCode = 0;

    std::string str() const {
        std::ostringstream s;
        s << title << "\r\n"
          << units << ' ' << restraints.size() << '\t' << stiffness.size() << '\t' << pyMods.size() << '\t' << kep
          << '\t' << kpy << ' ' << nPYCurves << ' ' << numStages << ' ' << nMEI << ' ' << tiebacks.size() << "\r\n"
          << wall << "\r\n";
        auto lines = [&s](const std::vector<std::string>& v) {
            for (const std::string& l : v) s << l << "\r\n";
        };
        lines(restraints);
        lines(stiffness);
        s << loads.size() << "\r\n";
        lines(loads);
        s << springs.size() << "\r\n";
        lines(springs);
        lines(tiebacks);
        lines(pyMods);
        if (kep == 1) {
            s << pressure.size() << "\r\n";
            lines(pressure);
        }
        lines(soil);
        lines(curveLines);
        lines(meiLines);
        s << endCode << "\r\n";
        return s.str();
    }
};

}  // namespace torven::test
