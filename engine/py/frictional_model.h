#pragma once
// What sand and silt share around their curves: the mean unit weight and
// friction angle at the curve depth, the wedge or flow-around resistance of
// the sand part, and the layer resistance R.
#include "engine/py/curve_model.h"
#include "engine/py/sand_coefficients.h"

namespace torven::py {

// Wall friction of a continuous wall: a share of phi plus a fixed angle.
struct WallFriction {
    double ofPhi = 0.0;
    double fixed = 0.0;
};

class FrictionalModel : public CurveModel {
protected:
    FrictionalModel(const LayerSetting& s, ModelStyle style, double pi, WallFriction friction);

    // Mean unit weight at X = x.
    void takeWeight(double x);
    // The friction angle at the curve depth and its coefficients.
    void takeAngle(double phi);
    // ps at the side depth z from zp: the smaller of wedge and flow-around,
    // or Coulomb's passive wedge for a continuous wall.
    double sandPart(double z, double zp);
    // R += the trapezoid of pu to the previous depth, and below the last
    // depth pu down to the layer bottom (excavation side).
    void addResistance(Side side, double pu);

    double gamma_ = 0.0;
    double phi_ = 0.0;
    SandCoefficients coef_;
    SandResistance part_;  // of the side last computed

private:
    double pi_;
    WallFriction friction_;
    double previousPu_ = 0.0;
};

}  // namespace torven::py
