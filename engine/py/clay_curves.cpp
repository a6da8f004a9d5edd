// Static p-y curves of soft clay, stiff clay below and above the water table.
#include "engine/py/clay_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/constants.h"
#include "engine/py/table_lookup.h"

namespace torven::py {

namespace {

// Deflections over 8 y50 (soft clay) and 16 y50 (stiff clay above water), points 2 on.
constexpr float kSoftClayFactors[kSidePoints - 1] = {0.00025f, 0.0025f, 0.0075f, 0.02f, 0.04f, 0.06f,
                                                     0.1f,     0.15f,   0.225f,  0.3f,  0.4f,  0.5f,
                                                     0.65f,    0.8f,    1.0f,    1.2f};
constexpr float kStiffClayFactors[kSidePoints - 3] = {1.0E-5f, 5.0E-5f, 1.0E-4f, 5.0E-4f, 0.001f, 0.005f, 0.01f,
                                                      0.025f,  0.05f,   0.075f,  0.1f,    0.25f,  0.5f,   1.0f};

constexpr double kShiftFloor = 1.0E-10;

// A wall with a width ratio below 1.1 is continuous: the soil cannot flow around it.
double continuousResistance(const ClayInput& in) { return 2.0 * in.c * in.b + in.z * in.gammaAvg * in.b; }

}  // namespace

double staticAs(double zOverB) {
    static const std::array<double, 6> x = {0, 1, 2, 3, 4, 5};
    static const std::array<double, 6> v = {k::k0_223, k::k0_46, k::k0_55, k::k0_59, k::k0_6, k::k0_6};
    return interpolate(x, v, zOverB);
}

double residualFactor(double as) { return k::k1_225 * std::sqrt(as) - 0.75 * as - k::k0_411; }

double clayShift(double sigmaVDredge, double c, double b) {
    const double pa = (sigmaVDredge - 2.0 * c) * b;
    return pa <= kShiftFloor ? 0.0 : pa;
}

ClayCurve softClayCurve(const ClayInput& in) {
    const double c = in.c, b = in.b, zp = in.zp;
    ClayCurve out;
    const double np = c > 0.0 ? 3.0 + in.gammaAvg * zp / c + 0.5 * zp / b : 0.0;
    double pu = np <= 9.0 ? np * c * b : 9.0 * c * b;
    if (in.continuous) pu = continuousResistance(in);
    const double y50 = 2.5 * in.eps50 * b;
    out.pu = pu;
    out.initialModulus = 0.5 * pu * std::pow(y50 / kTinyDeflection, 2.0 / 3.0) / y50;
    CurvePoints& pts = out.points;
    for (int k = 1; k < kSidePoints; ++k) pts.y[k] = 8.0 * y50 * double(kSoftClayFactors[k - 1]);
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        if (y < kTinyDeflection)
            pts.p[k] = y * out.initialModulus;
        else if (y <= 8.0 * y50)
            pts.p[k] = 0.5 * pu * std::pow(y / y50, 1.0 / 3.0);
        else
            pts.p[k] = pu;
    }
    return out;
}

ClayCurve stiffClayBelowWaterCurve(const ClayInput& in) {
    const double c = in.c, ca = in.ca, b = in.b, z = in.z;
    ClayCurve out;
    const double pct = 2.0 * ca * b + in.gammaAvg * b * z + k::k2_83 * ca * z;
    double pc = std::min(pct, 11.0 * c * b);
    if (in.continuous) pc = continuousResistance(in);
    const double as = staticAs(z / b);
    const double y50 = in.eps50 * b;
    const double es = in.k * z;
    out.pu = pc;
    out.as = as;
    CurvePoints& pts = out.points;
    for (int k = 0; k < 13; ++k) pts.y[k] = k * 0.5 * as * y50;
    pts.y[13] = 10.0 * as * y50;
    pts.y[14] = 14.0 * as * y50;
    pts.y[15] = 18.0 * as * y50;
    pts.y[16] = 200.0 * as * y50;
    const double peakDrop = 0.5 * pc * std::pow(6.0 * as, 0.5) - k::k0_411 * pc;
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        double p;
        if (y <= as * y50)
            p = 0.5 * pc * std::pow(y / y50, 0.5);
        else if (y <= 6.0 * as * y50)
            p = 0.5 * pc * std::pow(y / y50, 0.5) - k::k0_055 * pc * std::pow((y - as * y50) / (as * y50), 1.25);
        else if (y <= 18.0 * as * y50)
            p = peakDrop - (0.0625 * pc / y50) * (y - 6.0 * as * y50);
        else
            p = peakDrop - 0.75 * pc * as;
        pts.p[k] = std::min(p, es * y);
    }
    return out;
}

ClayCurve stiffClayAboveWaterCurve(const ClayInput& in) {
    const double c = in.c, ca = in.ca, b = in.b, z = in.z;
    ClayCurve out;
    double pu = std::min(3.0 * ca * b + in.gammaAvg * b * z + 0.5 * ca * z, 9.0 * c * b);
    if (in.continuous) pu = continuousResistance(in);
    const double y50 = 2.5 * in.eps50 * b;
    out.pu = pu;
    out.initialModulus = 0.5 * pu * std::pow(y50 / kTinyDeflection, 0.75) / y50;
    CurvePoints& pts = out.points;
    for (int k = 1; k < 15; ++k) pts.y[k] = 16.0 * y50 * double(kStiffClayFactors[k - 1]);
    pts.y[15] = 18.0 * y50;
    pts.y[16] = 20.0 * y50;
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        if (y < kTinyDeflection)
            pts.p[k] = y * out.initialModulus;
        else if (y <= 16.0 * y50)
            pts.p[k] = 0.5 * pu * std::pow(y / y50, 0.25);
        else
            pts.p[k] = pu;
    }
    return out;
}

}  // namespace torven::py
