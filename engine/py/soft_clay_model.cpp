// Soft clay: Matlock's static curve with J = 0.5, from the equivalent depth
// below the first layer.
#include "engine/fortran_format.h"
#include "engine/py/clay_model.h"
#include "engine/py/models.h"
#include "engine/soil/soil_units.h"

namespace torven::py {

namespace {

constexpr ModelStyle kStyle{.points = PointFormat::Fixed, .warnsTinyDeflection = true};

class SoftClay : public ClayModel {
public:
    explicit SoftClay(const LayerSetting& s) : ClayModel(s, kStyle) {}

    SideCurve curve(Side side, double z, double) override {
        const ClayCurve c = softClayCurve({.c = c_,
                                           .gammaAvg = gamma_,
                                           .eps50 = eps50_,
                                           .b = s_.b,
                                           .z = z,
                                           .zp = resistanceDepth(z),
                                           .continuous = s_.continuous});
        if (side == Side::Excavation && index_ > 0) resistance_ += c.pu * dx_;
        return ClayModel::side(c);
    }

    void writeHeader(Side, double z) const override {
        Report& r = s_.report;
        const UnitLabels& u = s_.labels;
        r.line();
        r.line(fmt::X(9) + "DEPTH BELOW GS" + fmt::X(6) + "DIAM" + fmt::X(8) + "C" + fmt::X(6) + "GAMMA AVG" +
               fmt::X(6) + "E50");
        r.line(fmt::X(15) + u.length3 + fmt::X(13) + u.length3 + fmt::X(5) + soil::stressLabel(u) + fmt::X(2) +
               soil::unitWeightLabel(u));
        r.line(fmt::X(8) + fmt::F(z, 10, 2) + fmt::X(6) + fmt::F(s_.b, 10, 3) + fmt::X(1) + fmt::E(c_, 10, 4) +
               fmt::X(1) + fmt::E(gamma_, 10, 4) + fmt::X(1) + fmt::E(eps50_, 12, 4));
        r.line();
        r.line(fmt::X(37) + "Y," + u.length3 + fmt::X(13) + "P," + soil::forcePerLengthLabel(u));
    }

protected:
    void atDepth(int index, double x) override {
        lookUp(x);
        if (index == 0 && s_.layer > 0)
            findEquivalentDepth(1, {.force = s_.forceAbove, .b = s_.b, .c = c_, .ca = c_, .gammaAvg = gamma_, .z = x});
    }
};

}  // namespace

std::unique_ptr<CurveModel> makeSoftClay(const LayerSetting& s) { return std::make_unique<SoftClay>(s); }

}  // namespace torven::py
