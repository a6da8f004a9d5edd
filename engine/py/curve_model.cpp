#include "engine/py/curve_model.h"

#include <ostream>

#include "engine/fortran_format.h"
#include "engine/py/layer_checks.h"
#include "engine/soil/soil_report.h"

namespace torven::py {

void CurveModel::enterDepth(int index, double x) {
    if (index > 0) dx_ = x - x_;
    index_ = index;
    x_ = x;
    atDepth(index, x);
}

void CurveModel::findEquivalentDepth(int soilType, const EquivalentDepthInput& in) {
    if (const std::optional<double> xEq = equivalentDepth(soilType, in)) {
        xEq_ = *xEq;
        return;
    }
    xEq_ = s_.pyLayer().xTop;
    Report& r = s_.report;
    r.line();
    r.line("     WARNING -- LAYER" + fmt::I(s_.layer + 1, 3) +
           ": ITS PARAMETERS GIVE NO EQUIVALENT DEPTH (A DIVISION BY ZERO);");
    r.line("     THE ACTUAL DEPTH IS USED");
}

double CurveModel::resistanceDepth(double z) const {
    if (s_.layer == 0) return z;
    return z - s_.pyLayer().xTop + xEq_;
}

void CurveModel::writeEquivalentDepthLine(double x) const {
    s_.report.line(" XEQ" + fmt::ListInt(s_.layer + 1) + fmt::ListReal(xEq_) + fmt::ListReal(x));
}

void CurveModel::stopWithWarning(const std::vector<std::string>& lines, const std::string& cause) const {
    for (const std::string& line : lines) {
        s_.warnings << line << '\n';
        s_.report.line(line);
    }
    s_.warnings.flush();
    soil::fatalStop(s_.report, layerName(s_.layer, s_.pyLayer().soilType) + ": " + cause);
}

}  // namespace torven::py
