// Strong rock and weak rock: no shift, no equivalent depth, the p-multiplier
// inside the resistance.
#include "engine/fortran_format.h"
#include "engine/py/models.h"
#include "engine/py/py_report.h"
#include "engine/py/rock_curves.h"
#include "engine/soil/soil_units.h"

namespace torven::py {

namespace {

constexpr ModelStyle kStrongStyle{.points = PointFormat::DExponent, .sideTitle = false, .rock = true};
constexpr ModelStyle kWeakStyle{.points = PointFormat::Scientific, .rowGap = 2, .rock = true};
constexpr double kNoStrength = 1.0E-10;
// Keeps the depth below the rock surface off zero.
constexpr double kBelowSurface = 1.0E-8;

class StrongRock : public CurveModel {
public:
    explicit StrongRock(const LayerSetting& s) : CurveModel(s, kStrongStyle) {}

    SideCurve curve(Side, double z, double pMultiplier) override {
        return {strongRockCurve({.su = su_, .gammaAvg = gamma_, .b = s_.b, .z = z, .pMultiplier = pMultiplier})};
    }

    void writeHeader(Side side, double z) const override {
        Report& r = s_.report;
        const UnitLabels& u = s_.labels;
        r.emptyLines(2);
        r.line(fmt::X(17) + (side == Side::Excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ") +
               fmt::X(5) + "DIAM" + fmt::X(8) + "C" + fmt::X(7));
        r.line(fmt::X(30) + u.length3 + fmt::X(12) + u.length3 + fmt::X(5) + soil::stressLabel(u));
        r.line(fmt::X(24) + fmt::F(z, 10, 2) + fmt::X(5) + fmt::F(s_.b, 10, 3) + fmt::E(su_, 10, 1));
        writePointHeader(r, u, 38, 15);
    }

protected:
    void atDepth(int, double x) override {
        su_ = s_.profile.strengthAt(x) / 2.0;
        gamma_ = s_.profile.gammaAvg(x);
    }

private:
    double su_ = 0.0, gamma_ = 0.0;
};

class WeakRock : public CurveModel {
public:
    explicit WeakRock(const LayerSetting& s) : CurveModel(s, kWeakStyle) {}

    SideCurve curve(Side, double z, double pMultiplier) override {
        const double xr = z - s_.pyLayer().xTop + kBelowSurface;
        const WeakRockCurve c = weakRockCurve(
            {.qa = qa_, .rqd = rqd_, .krm = krm_, .er = er_, .b = s_.b, .xr = xr, .pMultiplier = pMultiplier});
        return {c.points};
    }

    void writeHeader(Side, double z) const override {
        Report& r = s_.report;
        const UnitLabels& u = s_.labels;
        r.emptyLines(2);
        r.line(fmt::X(14) + "DEPTH" + fmt::X(5) + "DIAM" + fmt::X(7) + "Qu" + fmt::X(7) + " Eu " + fmt::X(3) +
               "GAMMA AVG" + fmt::X(6) + "E50");
        r.line(fmt::X(17) + u.length3 + fmt::X(7) + u.length3 + soil::stressLabel(u) + soil::stressLabel(u) +
               soil::unitWeightLabel(u));
        r.line(fmt::X(10) + fmt::F(z, 10, 2) + fmt::F(s_.b, 10, 3) + fmt::E(qu_, 10, 2) + fmt::E(er_, 10, 2) +
               fmt::E(gamma_, 10, 2) + fmt::E(krm_, 12, 3));
        writePointHeader(r, u, 37, 16);
    }

protected:
    void atDepth(int index, double x) override {
        const soil::PYProfile& p = s_.profile;
        qu_ = p.strengthAt(x);
        if (index > 0 && qu_ < kNoStrength) stopWithoutStrength();
        qa_ = s_.layer == 0 ? p.strengthAvg(s_.layer, x) : (p.strengthAt(s_.pyLayer().xTop + kBelowSurface) + qu_) / 2.0;
        krm_ = p.eps50At(x);
        er_ = s_.pyLayer().modulusK;
        rqd_ = p.sixthAt(x);
        gamma_ = p.gammaAvg(x);
    }

private:
    [[noreturn]] void stopWithoutStrength() const {
        stopWithWarning({"", fmt::X(7) + "--------------------WARNING----------------------",
                         fmt::X(7) + "THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT",
                         fmt::X(7) + "DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN."},
                        "THE COMPRESSIVE STRENGTH OF THE WEAK ROCK IS ZERO BELOW ITS FIRST CURVE");
    }

    double qu_ = 0.0, qa_ = 0.0, krm_ = 0.0, er_ = 0.0, rqd_ = 0.0, gamma_ = 0.0;
};

}  // namespace

std::unique_ptr<CurveModel> makeStrongRock(const LayerSetting& s) { return std::make_unique<StrongRock>(s); }
std::unique_ptr<CurveModel> makeWeakRock(const LayerSetting& s) { return std::make_unique<WeakRock>(s); }

}  // namespace torven::py
