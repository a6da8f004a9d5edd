// Sand: the wedge and flow-around resistance scaled by the static A and B,
// shaped by the initial line, the parabola and straight segments.
#include "engine/constants.h"
#include "engine/fortran_format.h"
#include "engine/py/frictional_curves.h"
#include "engine/py/frictional_model.h"
#include "engine/py/models.h"
#include "engine/py/py_report.h"
#include "engine/soil/soil_units.h"

namespace torven::py {

namespace {

constexpr ModelStyle kStyle{.points = PointFormat::Fixed};

class Sand : public FrictionalModel {
public:
    explicit Sand(const LayerSetting& s) : FrictionalModel(s, kStyle, k::kPiSingle, {.ofPhi = 0.5}) {}

    SideCurve curve(Side side, double z, double) override {
        const double zp = resistanceDepth(z);
        const double ps = sandPart(z, zp);
        a_ = staticA(z / s_.b);
        bFactor_ = staticB(z / s_.b);
        const double pu = a_ * ps;
        const double pm = bFactor_ * ps;
        addResistance(side, pu);
        const CurvePoints pts =
            sandCurve({.pu = pu, .pm = pm, .b = s_.b, .es = s_.pyLayer().modulusK * zp, .zp = zp});
        return {pts, frictionalShift(s_.sigmaVDredge, coef_.ka, s_.b, 0.0), 0.0};
    }

    void writeHeader(Side, double z) const override {
        Report& r = s_.report;
        const UnitLabels& u = s_.labels;
        r.emptyLines(2);
        r.line(fmt::X(11) + "DEPTH BELOW GS" + fmt::X(2) + "DIAM" + fmt::X(3) + "PHI" + fmt::X(2) + "GAMMA AVG" +
               fmt::X(4) + "A" + fmt::X(4) + "B" + fmt::X(5) + "PCT" + fmt::X(7) + "PCD");
        r.line(fmt::X(17) + u.length3 + fmt::X(9) + u.length3 + fmt::X(9) + soil::unitWeightLabel(u));
        r.line(fmt::X(10) + fmt::F(z, 10, 2) + fmt::X(4) + fmt::F(s_.b, 7, 2) + fmt::F(degrees(phi_), 7, 2) +
               fmt::E(gamma_, 9, 2) + fmt::X(2) + fmt::F(a_, 5, 2) + fmt::F(bFactor_, 5, 2) +
               fmt::E(part_.wedge, 9, 2) + fmt::E(part_.flowAround, 9, 2));
        r.line();
        writePointHeader(r, u, 38, 15);
    }

protected:
    void atDepth(int index, double x) override {
        takeWeight(x);
        takeAngle(s_.profile.phiAt(x));
        if (index == 0 && s_.layer > 0)
            findEquivalentDepth(4, {.force = s_.forceAbove, .b = s_.b, .gammaAvg = gamma_, .phi = phi_, .z = x});
    }

private:
    double a_ = 0.0, bFactor_ = 0.0;
};

}  // namespace

std::unique_ptr<CurveModel> makeSand(const LayerSetting& s) { return std::make_unique<Sand>(s); }

}  // namespace torven::py
