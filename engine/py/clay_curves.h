#pragma once
// The static p-y curves of the three clay models, as functions of their
// parameters at one depth and side.
#include "engine/py/curve_points.h"

namespace torven::py {

struct ClayInput {
    double c = 0.0;         // undrained shear strength at the curve depth
    double ca = 0.0;        // mean strength above it (stiff clays)
    double gammaAvg = 0.0;
    double eps50 = 0.0;
    double b = 0.0;
    double z = 0.0;         // depth of the side
    double zp = 0.0;        // depth for the ultimate resistance (soft clay)
    double k = 0.0;         // modulus of subgrade reaction (stiff clay below water)
    bool continuous = false;
};

struct ClayCurve {
    double pu = 0.0;              // pu, or pc of the stiff clay below water
    double as = 0.0;              // static coefficient As (stiff clay below water)
    double initialModulus = 0.0;  // Ei below a deflection of 1.0E-14
    CurvePoints points;
};

ClayCurve softClayCurve(const ClayInput& in);
ClayCurve stiffClayBelowWaterCurve(const ClayInput& in);
ClayCurve stiffClayAboveWaterCurve(const ClayInput& in);

// As of the stiff clay below water at z/b.
double staticAs(double zOverB);
// Residual resistance over pc: 1.225 sqrt(As) - 0.75 As - 0.411.
double residualFactor(double as);
// Active pressure of the retained soil at the dredge line that the clay curves carry.
double clayShift(double sigmaVDredge, double c, double b);

// Below this deflection the clay curves use their initial modulus.
inline constexpr double kTinyDeflection = 1.0E-14;

}  // namespace torven::py
