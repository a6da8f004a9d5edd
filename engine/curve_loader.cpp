// Loading the p-y curves of a case: user curves from the data file, generated
// curves read back from the generator's scratch file, their echo and plot records.
#include <cmath>
#include <fstream>

#include "engine/engine_run.h"
#include "engine/fortran_format.h"

namespace torven {

namespace {

const char* const kCurveFile = "SOILDATA";
constexpr int kMaxCurves = 63;
constexpr int kSidePoints = 17;
constexpr int kGeneratedPoints = 2 * kSidePoints - 1;

}  // namespace

void EngineRun::loadCurves() {
    curves_.clear();
    const ControlRecord& c = case_.control;
    const bool generated = c.kpy == 2;
    if (c.nPYCurves > 0) {
        report_->sectionBox("     INPUTTED  SOIL RESISTANCE (P-Y) CURVES");
        if (c.nPYCurves > kMaxCurves) checkStop("     TOO MUCH DATA FOR AVAILABLE STORAGE");
        if (!generated) plot_->beginCurveBlock(c.units, c.nPYCurves);
        int previousContd = 0;
        for (int i = 0; i < c.nPYCurves; ++i) readUserCurve(generated, previousContd);
    }
    if (generated) {
        readGeneratedCurves();
    } else if (c.nPYCurves == 0) {
        plot_->beginCurveBlock(c.units, 0);
    }
    plot_->endCurveBlock();
}

void EngineRun::readUserCurve(bool withGenerated, int& previousContd) {
    ListReader& in = *reader_;
    const double h = wall_.h();
    in.beginRecord();
    UserCurve user;
    user.station = in.readInt("P-Y CURVE STATION");
    const int points = in.readInt("NO OF P-Y CURVE POINTS");
    user.pMultiplier = in.readReal("P-MULTIPLIER");
    user.yMultiplier = in.readReal("Y-MULTIPLIER");
    if (points < 0) checkStop("     ERROR -- THE NUMBER OF POINTS OF A P-Y CURVE CANNOT BE NEGATIVE");
    checkRangeStations(user.station, user.station);

    PYCurve curve;
    curve.fromIndex = curve.toIndex = WallModel::index(user.station);
    curve.contd = withGenerated ? 0 : (user.station * h < case_.wall.freeHeight ? 0 : 1);

    Report& r = *report_;
    r.line();
    r.line("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS");
    r.line();
    r.line();
    const int form = withGenerated ? 3 : 2 * previousContd + curve.contd + 1;
    previousContd = curve.contd;
    std::string line;
    if (form == 2)
        line = fmt::X(5) + fmt::I(user.station, 4) + fmt::X(4) + fmt::I(curve.contd, 3);
    else if (form == 1)
        line = fmt::X(5) + fmt::I(user.station, 4) + fmt::I(user.station, 4) + fmt::I(curve.contd, 3);
    else
        line = fmt::X(9) + fmt::I(user.station, 4) + fmt::I(curve.contd, 3);
    line += fmt::X(5) + fmt::E(user.pMultiplier, 14, 3) + fmt::E(user.yMultiplier, 14, 3);
    line += form == 1 ? fmt::X(8) + fmt::I(points, 4) : fmt::X(10) + fmt::I(points, 3);
    r.line(line);
    if (!withGenerated) plot_->writeCurveHeader(user.station * h, points, false);

    r.line(fmt::X(18) + "    Y    " + fmt::X(12) + "   P    ");
    r.line(fmt::X(21) + labels_.length3 + fmt::X(16) + labels_.force3 + "/" + labels_.length2);
    r.line(fmt::X(18) + "---------" + fmt::X(12) + "--------");
    for (int j = 0; j < points; ++j) {
        in.beginRecord();
        CurvePoint point;
        point.y = in.readReal("P-Y CURVE DEFLECTION");
        point.p = in.readReal("P-Y CURVE RESISTANCE");
        user.points.push_back(point);
        const double y = point.y * user.yMultiplier;
        const double p = point.p * user.pMultiplier;
        r.line(fmt::X(17) + fmt::E(y, 10, 3) + fmt::X(10) + fmt::E(p, 10, 3));
        if (!withGenerated) plot_->writeCurvePoint(y, p);
        curve.y.push_back(y);
        curve.p.push_back(p * h);
    }
    for (std::size_t j = 1; j < curve.y.size(); ++j) {
        if (!(curve.y[j] > curve.y[j - 1])) {
            r.emptyLines(2);
            checkStop("     ERROR -- P-Y CURVE AT STATION " + std::to_string(user.station) +
                      ": DEFLECTIONS MUST BE IN ASCENDING ORDER");
        }
    }
    case_.userCurves.push_back(user);
    curves_.push_back(std::move(curve));
}

void EngineRun::readGeneratedCurves() {
    generators.pyCurves(*this);
    std::ifstream file(kCurveFile, std::ios::binary);
    if (!file) {
        report_->emptyLines(2);
        checkStop("     ERROR -- THE P-Y CURVE FILE " + std::string(kCurveFile) + " CANNOT BE OPENED");
    }
    const ControlRecord& c = case_.control;
    const double h = wall_.h();
    ListReader in(file);
    try {
        in.beginRecord();
        const int count = in.readInt("NO OF P-Y CURVES");
        if (count > kMaxCurves) checkStop("     TOO MUCH DATA FOR AVAILABLE STORAGE");
        if (count < c.nPYCurves) {
            report_->emptyLines(2);
            checkStop("     ERROR -- " + std::string(kCurveFile) + " HOLDS FEWER CURVES THAN THE USER CURVES");
        }
        plot_->beginCurveBlock(c.units, count);
        const bool userFirst = c.nPYCurves > 0;
        for (int i = 0; i < count; ++i) {
            in.beginRecord();
            if (i < c.nPYCurves) {
                // The user curve keeps its entered points; the generator's copy is skipped.
                in.readInt("P-Y CURVE STATION");
                const int points = in.readInt("NO OF P-Y CURVE POINTS");
                for (int j = 0; j < points; ++j) {
                    in.beginRecord();
                    in.readInt("POINT INDEX");
                    in.readReal("P");
                    in.readReal("Y");
                }
                PYCurve& curve = curves_[i];
                const UserCurve& user = case_.userCurves[i];
                plot_->writeCurveHeader(user.station * h, static_cast<int>(user.points.size()), false);
                for (const CurvePoint& point : user.points) plot_->writeCurvePoint(point.y, point.p);
                curve.y.clear();
                curve.p.clear();
                for (const CurvePoint& point : user.points) {
                    curve.y.push_back(point.y);
                    curve.p.push_back(point.p * h);
                }
                continue;
            }
            const double depth = in.readReal("P-Y CURVE DEPTH");
            in.readInt("NO OF P-Y CURVE POINTS");
            double rowsP[2 * kSidePoints], rowsY[2 * kSidePoints];
            for (int j = 0; j < 2 * kSidePoints; ++j) {
                in.beginRecord();
                in.readInt("POINT INDEX");
                rowsP[j] = in.readReal("P");
                rowsY[j] = in.readReal("Y");
            }
            const double station = std::round(depth / h);
            if (!(std::fabs(station) < 1e9)) checkStop("     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
            checkRangeStations(static_cast<int>(station), static_cast<int>(station));
            PYCurve curve;
            curve.fromIndex = curve.toIndex = WallModel::index(static_cast<int>(station));
            curve.contd = 1;
            // Mirror the first side to negative deflections so the curve runs
            // from the largest negative to the largest positive deflection.
            for (int k = 1; k <= kSidePoints; ++k) {
                curve.y.push_back(-rowsY[35 - k - 1]);
                curve.p.push_back(rowsP[35 - k - 1]);
            }
            for (int k = kSidePoints + 1; k <= kGeneratedPoints; ++k) {
                curve.y.push_back(rowsY[k - 16 - 1]);
                curve.p.push_back(-rowsP[k - 16 - 1]);
            }
            plot_->writeCurveHeader(depth, kGeneratedPoints, !userFirst);
            for (int k = 0; k < kGeneratedPoints; ++k) {
                plot_->writeCurvePoint(curve.y[k], curve.p[k]);
                curve.p[k] *= h;
            }
            curves_.push_back(std::move(curve));
        }
    } catch (const InputError& e) {
        report_->emptyLines(2);
        checkStop("     ERROR -- " + std::string(kCurveFile) + ": " + e.what());
    }
}

}  // namespace torven
