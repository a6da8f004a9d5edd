#include "engine/py/layer_checks.h"

#include "engine/constants.h"
#include "engine/fortran_format.h"

namespace torven::py {

namespace {

constexpr double kMaxRqd = 100.0;

struct Values {
    const soil::StrengthPoint& top;
    const soil::StrengthPoint& bottom;

    // True when `ok` holds at the top and at the bottom of the layer.
    template <typename Ok>
    bool both(double soil::StrengthPoint::*field, Ok ok) const {
        return ok(top.*field) && ok(bottom.*field);
    }
};

bool positive(double v) { return v > 0.0; }
bool notNegative(double v) { return v >= 0.0; }
bool belowRightAngle(double phi) { return phi < 90.0 * k::kPiSingle / 180.0; }
bool percentage(double v) { return v >= 0.0 && v <= kMaxRqd; }

void checkClay(const LayerSetting& s, const Values& v, int type) {
    if (!v.both(&soil::StrengthPoint::eps50, positive)) s.refuse("THE STRAIN E50 MUST BE GREATER THAN ZERO");
    if (!v.both(&soil::StrengthPoint::strength, notNegative)) s.refuse("THE SHEAR STRENGTH MUST NOT BE NEGATIVE");
    if (type == 2 && !positive(s.pyLayer().modulusK))
        s.refuse("THE MODULUS OF SUBGRADE REACTION K MUST BE GREATER THAN ZERO");
}

void checkFrictional(const LayerSetting& s, const Values& v, bool silt) {
    // Silt with a friction angle of zero is stopped by its model.
    if (silt ? !v.both(&soil::StrengthPoint::phi, notNegative) : !v.both(&soil::StrengthPoint::phi, positive))
        s.refuse(silt ? "THE FRICTION ANGLE MUST NOT BE NEGATIVE" : "THE FRICTION ANGLE MUST BE GREATER THAN ZERO");
    if (!v.both(&soil::StrengthPoint::phi, belowRightAngle)) s.refuse("THE FRICTION ANGLE MUST BE LESS THAN 90 DEGREES");
    if (silt && !v.both(&soil::StrengthPoint::strength, notNegative)) s.refuse("THE COHESION MUST NOT BE NEGATIVE");
    if (!positive(s.pyLayer().modulusK)) s.refuse("THE MODULUS OF SUBGRADE REACTION K MUST BE GREATER THAN ZERO");
}

void checkWeakRock(const LayerSetting& s, const Values& v) {
    // A strength of zero deeper than the first curve is stopped by the model.
    if (!v.both(&soil::StrengthPoint::strength, notNegative))
        s.refuse("THE UNIAXIAL COMPRESSIVE STRENGTH MUST NOT BE NEGATIVE");
    if (!v.both(&soil::StrengthPoint::eps50, positive)) s.refuse("THE CONSTANT KRM MUST BE GREATER THAN ZERO");
    if (!positive(s.pyLayer().modulusK)) s.refuse("THE ROCK MASS MODULUS MUST BE GREATER THAN ZERO");
    if (!v.both(&soil::StrengthPoint::sixth, percentage)) s.refuse("THE RQD MUST LIE BETWEEN 0 AND 100");
}

}  // namespace

std::string soilName(int soilType) {
    switch (soilType) {
        case 2: return "STIFF CLAY BELOW THE WATER TABLE";
        case 3: return "STIFF CLAY ABOVE THE WATER TABLE";
        case 4: return "SAND";
        case 5: return "SILT";
        case 6: return "ROCK";
        case 7: return "WEAK ROCK";
        default: return "SOFT CLAY";
    }
}

std::string layerName(int layer, int soilType) {
    return "LAYER" + fmt::I(layer + 1, 3) + " (" + soilName(soilType) + ")";
}

void checkLayerParameters(const LayerSetting& s) {
    const auto& points = s.profile.strengthDist();
    const Values v{points[2 * s.layer], points[2 * s.layer + 1]};
    switch (s.pyLayer().soilType) {
        case 4: checkFrictional(s, v, false); break;
        case 5: checkFrictional(s, v, true); break;
        case 6:
            if (!v.both(&soil::StrengthPoint::strength, positive))
                s.refuse("THE UNIAXIAL COMPRESSIVE STRENGTH MUST BE GREATER THAN ZERO");
            break;
        case 7: checkWeakRock(s, v); break;
        default: checkClay(s, v, s.pyLayer().soilType); break;
    }
}

}  // namespace torven::py
