#include "engine/py/soildata_file.h"

#include "engine/fortran_format.h"
#include "engine/py/curve_points.h"

namespace torven::py {

void SoilDataFile::countLine(int count) { out_ << fmt::ListInt(count) << '\n'; }

void SoilDataFile::userCurve(const UserCurve& curve) {
    out_ << fmt::ListInt(curve.station) << fmt::ListInt(static_cast<long long>(curve.points.size())) << '\n';
    int index = 0;
    for (const CurvePoint& point : curve.points) {
        out_ << fmt::ListInt(++index) << fmt::ListReal(point.p * curve.pMultiplier)
             << fmt::ListReal(point.y * curve.yMultiplier) << '\n';
    }
}

void SoilDataFile::depthLine(double depth) { out_ << fmt::ListReal(depth) << fmt::ListInt(2 * kSidePoints) << '\n'; }

void SoilDataFile::row(int index, double p, double y, int gap) {
    out_ << fmt::I(index, 5) << fmt::X(gap) << fmt::E(p, 10, 3) << fmt::X(gap) << fmt::E(y, 10, 3) << '\n';
}

}  // namespace torven::py
