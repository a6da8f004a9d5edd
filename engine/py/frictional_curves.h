#pragma once
// The static p-y curves of sand and silt from their ultimate resistance pu,
// the resistance pm at ym and the initial modulus Es.
#include "engine/py/curve_points.h"

namespace torven::py {

struct FrictionalInput {
    double pu = 0.0;
    double pm = 0.0;
    double b = 0.0;
    double es = 0.0;  // k zp
    double zp = 0.0;
};

CurvePoints sandCurve(const FrictionalInput& in);

struct SiltCurve {
    int shape = 1;  // 1 parabola, 2 initial line meets the line through (ym, pm), 3 initial line to pu
    CurvePoints points;
};

SiltCurve siltCurve(const FrictionalInput& in);

// Active pressure at the dredge line carried by the curves (c = 0 for sand).
double frictionalShift(double sigmaVDredge, double ka, double b, double c);

}  // namespace torven::py
