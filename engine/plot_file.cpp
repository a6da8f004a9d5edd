#include "engine/plot_file.h"

#include "engine/fortran_format.h"

namespace torven {

namespace {
// A zero soil pressure is written as this value so the reader never sees 0.
constexpr double kZeroSoilPressure = 1.0E-7;
}

void PlotFile::writePressureBlock(const std::vector<PressureRow>& rows) {
    stage_ = Stage::PressureWritten;
    out_ << fmt::ListInt(static_cast<long long>(rows.size())) << '\n';
    for (const PressureRow& r : rows) {
        const double soil = r.soil == 0.0 ? kZeroSoilPressure : r.soil;
        for (double v : {r.depth, r.total, soil, r.surcharge}) out_ << "  " << fmt::E(v, 10, 3);
        out_ << '\n';
    }
}

void PlotFile::beginCurveBlock(int units, int count) {
    curves_.str(std::string());
    curves_ << fmt::ListInt(units) << fmt::ListInt(count) << '\n';
}

void PlotFile::writeCurveHeader(double depth, int points, bool fixedDepth) {
    if (fixedDepth)
        curves_ << ' ' << fmt::F(depth, 10, 2) << ' ' << fmt::I(points, 5) << '\n';
    else
        curves_ << fmt::ListReal(depth) << fmt::ListInt(points) << '\n';
}

void PlotFile::writeCurvePoint(double y, double p) {
    curves_ << fmt::ListReal(y) << fmt::ListReal(p) << '\n';
}

void PlotFile::endCurveBlock() {
    out_ << curves_.str();
    curves_.str(std::string());
    stage_ = Stage::CurvesWritten;
}

void PlotFile::writeResultBlock(int blockCount, int units, const std::vector<StationResult>& rows) {
    if (stage_ == Stage::Start) writePressureBlock({});
    if (stage_ == Stage::PressureWritten) {
        beginCurveBlock(units, 0);
        endCurveBlock();
    }
    stage_ = Stage::Start;
    out_ << fmt::ListInt(blockCount) << fmt::ListInt(static_cast<long long>(rows.size())) << fmt::ListInt(units)
         << '\n';
    for (const StationResult& r : rows) {
        for (double v : {r.depth, r.deflection, r.moment, r.shear, r.netReaction}) out_ << ' ' << fmt::E(v, 13, 4);
        out_ << '\n';
    }
}

}  // namespace torven
