// Silt: the sand part of the resistance with a cohesive part added to pm,
// shaped in one of three ways by where the initial line meets the rest.
#include <cmath>

#include "engine/constants.h"
#include "engine/fortran_format.h"
#include "engine/py/frictional_curves.h"
#include "engine/py/frictional_model.h"
#include "engine/py/models.h"
#include "engine/py/py_report.h"
#include "engine/soil/soil_units.h"

namespace torven::py {

namespace {

constexpr ModelStyle kStyle{.points = PointFormat::Scientific, .rowGap = 2};
constexpr double kNoFriction = 1.0E-10;
const char* const kPhi = "\xED";  // code page 437

class Silt : public FrictionalModel {
public:
    explicit Silt(const LayerSetting& s)
        : FrictionalModel(s, kStyle, 4.0 * std::atan(1.0), {.fixed = k::k0_1745333}) {}

    SideCurve curve(Side side, double z, double) override {
        const double b = s_.b;
        const double zp = resistanceDepth(z);
        ps_ = sandPart(z, zp);
        // Without cohesion Np would divide by zero: the cohesive part is then zero.
        const double np = c_ > 0.0 ? 3.0 + zp * gamma_ / c_ + 0.5 * zp / b : 0.0;
        pc_ = s_.continuous ? z * gamma_ * b + 2.0 * c_ * b : c_ * std::min(np, 9.0) * b;
        a_ = staticA(zp / b);
        bFactor_ = staticB(zp / b);
        const double pu = a_ * ps_;
        const double pm = 1.5 * ps_ + pc_;
        addResistance(side, pu);
        const SiltCurve c = siltCurve({.pu = pu, .pm = pm, .b = b, .es = s_.pyLayer().modulusK * zp, .zp = zp});
        return {c.points, frictionalShift(s_.sigmaVDredge, coef_.ka, b, c_), 0.0};
    }

    void writeHeader(Side, double z) const override {
        Report& r = s_.report;
        const UnitLabels& u = s_.labels;
        r.emptyLines(2);
        r.line(fmt::X(5) + "DEPTH" + fmt::X(6) + "DIAM" + fmt::X(6) + "PHI" + fmt::X(2) + "GAMMA AVG" + fmt::X(8) +
               "A" + fmt::X(9) + "B" + fmt::X(5) + "Puc" + fmt::X(7) + "Pu" + kPhi);
        r.line(fmt::X(7) + u.length3 + fmt::X(8) + u.length3 + fmt::X(12) + soil::unitWeightLabel(u));
        r.line(fmt::F(z, 10, 2) + fmt::F(s_.b, 10, 2) + fmt::F(degrees(phi_), 10, 1) + fmt::E(gamma_, 10, 3) +
               fmt::F(a_, 10, 2) + fmt::F(bFactor_, 10, 2) + fmt::E(pc_, 10, 3) + fmt::E(ps_, 10, 3));
        r.line();
        writePointHeader(r, u, 37, 16);
    }

protected:
    void atDepth(int index, double x) override {
        const double phi = s_.profile.phiAt(x);
        if (std::cos(0.0) * std::cos(0.0) - std::cos(phi) * std::cos(phi) < kNoFriction) stopWithoutFriction();
        c_ = s_.profile.strengthAt(x);
        takeWeight(x);
        takeAngle(phi);
        if (index == 0 && s_.layer > 0)
            findEquivalentDepth(
                5, {.force = s_.forceAbove, .b = s_.b, .c = c_, .ca = c_, .gammaAvg = gamma_, .phi = phi_, .z = x});
    }

private:
    [[noreturn]] void stopWithoutFriction() const {
        stopWithWarning({"", "", fmt::X(7) + "WARNING-------The Angle of the slope can not",
                         fmt::X(7) + "              be greater than the internal  ",
                         fmt::X(7) + "              friction angle of the sand.   ", ""},
                        "THE FRICTION ANGLE OF THE SILT IS ZERO");
    }

    double c_ = 0.0, ps_ = 0.0, pc_ = 0.0, a_ = 0.0, bFactor_ = 0.0;
};

}  // namespace

std::unique_ptr<CurveModel> makeSilt(const LayerSetting& s) { return std::make_unique<Silt>(s); }

}  // namespace torven::py
