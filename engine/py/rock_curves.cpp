// p-y curves of strong rock (two straight lines and a residual) and weak
// rock (initial line and a fourth-root curve up to pur).
#include "engine/py/rock_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/constants.h"

namespace torven::py {

namespace {

// Deflections over yrm.
constexpr float kWeakRockFactors[kSidePoints] = {0.0005f, 0.001f, 0.003f, 0.006f, 0.009f, 0.02f,
                                                 0.04f,   0.06f,  0.08f,  0.1f,   0.25f,  0.5f,
                                                 0.75f,   1.0f,   4.0f,   8.0f,   12.0f};

}  // namespace

CurvePoints strongRockCurve(const StrongRockInput& in) {
    const double su = in.su, b = in.b, mp = in.pMultiplier;
    const double es = 2000.0 * su;
    const double y1 = k::k0_0004 * b;
    const double p1 = es * y1;
    const double pu = su * b;
    const double y2 = (pu - p1) / (100.0 * su) + y1;
    CurvePoints pts;
    for (int k = 1; k < kSidePoints; ++k) pts.y[k] = pts.y[k - 1] + y2 / 15.0;
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        if (y < y1)
            pts.p[k] = mp * es * y;
        else if (y < y2)
            pts.p[k] = mp * (p1 + 100.0 * su * (y - y1));
        else
            pts.p[k] = 0.5 * in.gammaAvg * in.z * b;  // crushed rock: no multiplier
    }
    return pts;
}

WeakRockCurve weakRockCurve(const WeakRockInput& in) {
    const double b = in.b, xr = in.xr;
    const double alpha = 1.0 - in.rqd / 150.0;
    WeakRockCurve out;
    if (xr <= 3.0 * b) {
        out.pur = alpha * in.qa * b * (1.0 + k::k1_4 * xr / b);
        out.kir = in.er * (100.0 + 400.0 * xr / (3.0 * b));
    } else {
        out.pur = k::k5_2 * alpha * in.qa * b;
        out.kir = 500.0 * in.er;
    }
    const double yrm = in.krm * b;
    const double c = 0.5 * out.pur / std::pow(yrm, 0.25);
    const double ya = std::pow(c / out.kir, 4.0 / 3.0);
    CurvePoints& pts = out.points;
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = yrm * double(kWeakRockFactors[k]);
        const double p = y < ya ? out.kir * y : std::min(0.5 * out.pur * std::pow(y / yrm, 0.25), out.pur);
        pts.y[k] = y;
        pts.p[k] = in.pMultiplier * p;
    }
    return out;
}

}  // namespace torven::py
