#pragma once
// The p-y curves of strong and weak rock. Both apply the p-multiplier inside
// their resistance; the framework multiplies the deflections.
#include "engine/py/curve_points.h"

namespace torven::py {

struct StrongRockInput {
    double su = 0.0;  // half the uniaxial compressive strength
    double gammaAvg = 0.0;
    double b = 0.0;
    double z = 0.0;
    double pMultiplier = 1.0;
};

CurvePoints strongRockCurve(const StrongRockInput& in);

struct WeakRockInput {
    double qa = 0.0;   // mean compressive strength from the rock surface
    double rqd = 0.0;
    double krm = 0.0;
    double er = 0.0;   // rock mass modulus
    double b = 0.0;
    double xr = 0.0;   // depth below the rock surface
    double pMultiplier = 1.0;
};

struct WeakRockCurve {
    double pur = 0.0;
    double kir = 0.0;
    CurvePoints points;
};

WeakRockCurve weakRockCurve(const WeakRockInput& in);

}  // namespace torven::py
