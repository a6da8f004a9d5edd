// Stiff clay below the water table and above it. Both take the mean strength
// ca above the curve depth and the actual depth of the side.
#include "engine/fortran_format.h"
#include "engine/py/clay_model.h"
#include "engine/py/models.h"
#include "engine/py/py_report.h"
#include "engine/soil/soil_units.h"

namespace torven::py {

namespace {

constexpr ModelStyle kStyle{.points = PointFormat::Fixed};

// Column layout of the header and parameter lines, which differ by model.
struct HeaderLayout {
    int indent, diamGap, cavgGap, e50Gap;
    std::string fieldGap;  // before each of c, ca and the mean unit weight
    bool pointHeader;
};

class StiffClay : public ClayModel {
public:
    StiffClay(const LayerSetting& s, int soilType, HeaderLayout layout)
        : ClayModel(s, kStyle), type_(soilType), layout_(std::move(layout)) {}

    SideCurve curve(Side s, double z, double) override {
        const ClayCurve c = build({.c = c_,
                                   .ca = ca_,
                                   .gammaAvg = gamma_,
                                   .eps50 = eps50_,
                                   .b = s_.b,
                                   .z = z,
                                   .zp = z,
                                   .k = s_.pyLayer().modulusK,
                                   .continuous = s_.continuous});
        if (s == Side::Excavation) {
            if (index_ > 0) resistance_ += 0.5 * (previous_ + c.pu) * resistanceShare(c) * dx_;
            previous_ = c.pu;
        }
        return side(c);
    }

    void writeHeader(Side, double z) const override {
        Report& r = s_.report;
        const UnitLabels& u = s_.labels;
        const HeaderLayout& l = layout_;
        const std::string& gap = l.fieldGap;
        r.emptyLines(2);
        r.line(fmt::X(l.indent) + "DEPTH BELOW GS" + fmt::X(l.diamGap) + "DIAM" + fmt::X(8) + "C" + fmt::X(l.cavgGap) +
               "CAVG" + fmt::X(4) + "GAMMA AVG" + fmt::X(l.e50Gap) + "E50");
        r.line(fmt::X(l.indent + 7) + u.length3 + fmt::X(12) + u.length3 + gap + soil::stressLabel(u) + gap +
               soil::stressLabel(u) + gap + soil::unitWeightLabel(u));
        r.line(fmt::X(l.indent) + fmt::F(z, 10, 2) + fmt::X(5) + fmt::F(s_.b, 10, 3) + gap + fmt::E(c_, 10, 2) + gap +
               fmt::E(ca_, 10, 2) + gap + fmt::E(gamma_, 10, 2) + fmt::E(eps50_, 12, 4));
        if (l.pointHeader) writePointHeader(r, u, 38, 15);
    }

protected:
    virtual ClayCurve build(const ClayInput& in) const = 0;
    // The part of the mean ultimate resistance that R takes.
    virtual double resistanceShare(const ClayCurve&) const { return 1.0; }
    // Called after the XEQ line; the stiff clays report XEq but resist from the actual depth.
    virtual void equivalentDepthFound(double) {}

    void atDepth(int index, double x) override {
        lookUp(x);
        ca_ = meanStrength(index, x);
        if (index == 0 && s_.layer > 0) {
            findEquivalentDepth(type_, {.force = s_.forceAbove, .b = s_.b, .c = c_, .ca = c_, .gammaAvg = gamma_});
            writeEquivalentDepthLine(x);
            equivalentDepthFound(x);
        }
    }

private:
    // Trapezoidal mean of c from the layer's first curve depth; in the first
    // layer the mean from the layer top.
    double meanStrength(int index, double x) {
        double ca = c_;
        if (index == 0) {
            integral_ = 0.0;
            firstX_ = x;
        } else {
            integral_ += 0.5 * (previousC_ + c_) * (x - previousX_);
            ca = integral_ / (x - firstX_);
        }
        previousC_ = c_;
        previousX_ = x;
        if (s_.layer == 0) ca = s_.profile.strengthAvg(s_.layer, x);
        return ca;
    }

    int type_;
    HeaderLayout layout_;
    double ca_ = 0.0;
    double previous_ = 0.0;  // pu or pc at the previous curve depth (excavation side)
    double integral_ = 0.0, firstX_ = 0.0, previousC_ = 0.0, previousX_ = 0.0;
};

class StiffClayBelowWater : public StiffClay {
public:
    explicit StiffClayBelowWater(const LayerSetting& s) : StiffClay(s, 2, {9, 6, 9, 6, " ", false}) {}

protected:
    ClayCurve build(const ClayInput& in) const override { return stiffClayBelowWaterCurve(in); }
    double resistanceShare(const ClayCurve& c) const override { return residualFactor(c.as); }
};

class StiffClayAboveWater : public StiffClay {
public:
    explicit StiffClayAboveWater(const LayerSetting& s) : StiffClay(s, 3, {10, 5, 7, 5, "", true}) {}

protected:
    ClayCurve build(const ClayInput& in) const override { return stiffClayAboveWaterCurve(in); }
    void equivalentDepthFound(double x) override {
        xEq_ = s_.pyLayer().xTop;
        writeEquivalentDepthLine(x);
    }
};

}  // namespace

std::unique_ptr<CurveModel> makeStiffClayBelowWater(const LayerSetting& s) {
    return std::make_unique<StiffClayBelowWater>(s);
}

std::unique_ptr<CurveModel> makeStiffClayAboveWater(const LayerSetting& s) {
    return std::make_unique<StiffClayAboveWater>(s);
}

}  // namespace torven::py
