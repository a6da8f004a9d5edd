// Static p-y curves of sand and silt: an initial straight line, a parabola
// up to ym and straight segments to yu and beyond.
#include "engine/py/frictional_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/constants.h"

namespace torven::py {

namespace {

constexpr double kShiftFloor = 1.0E-5;

struct Shape {
    double yu = 0.0, ym = 0.0;
    double m = 0.0, n = 0.0, c = 0.0, yk = 0.0;
};

// Parabola C y^(1/n) through (ym, pm) that meets the initial line at yk. The
// silt's line through (ym, pm) may fall: its exponent takes the steepness.
Shape parabola(const FrictionalInput& in, bool steepness, bool noInitialLine) {
    Shape s;
    s.yu = 3.0 * in.b / 80.0;
    s.ym = in.b / 60.0;
    s.m = (in.pu - in.pm) / (s.yu - s.ym);
    s.n = in.pm / ((steepness ? std::fabs(s.m) : s.m) * s.ym);
    s.c = in.pm / std::pow(s.ym, 1.0 / s.n);
    s.yk = noInitialLine ? 2.0 * in.b : std::pow(s.c / in.es, s.n / (s.n - 1.0));
    return s;
}

// When the initial line reaches pu before yu, the curve is compressed onto it.
void rescaleToInitialLine(Shape& s, const FrictionalInput& in) {
    if (!(s.yu < s.yk)) return;
    s.ym = s.ym * (in.pu / in.es) / s.yu;
    s.yu = in.pu / in.es;
    s.yk = s.ym / 10.0;
}

double firstKnee(const Shape& s) { return s.yk <= s.ym / 5.0 ? s.yk : s.ym / 10.0; }

void sandGrid(CurvePoints& pts, double y0, double ym, double yu) {
    pts.y[0] = 0.0;
    pts.y[1] = y0 / 2.0;
    pts.y[2] = y0;
    for (int k = 4; k <= 12; ++k) pts.y[k - 1] = y0 + (ym - y0) * (k - 3) / 10.0;
    pts.y[12] = ym;
    pts.y[13] = (2.0 * ym + yu) / 3.0;
    pts.y[14] = (2.0 * yu + ym) / 3.0;
    pts.y[15] = yu;
    pts.y[16] = k::k1_2 * yu;
}

// No resistance at all (zero depth, or no weight and no cohesion): flat at zero.
bool flat(const FrictionalInput& in, CurvePoints& pts) {
    if (in.pu != 0.0 || in.pm != 0.0) return false;
    const double ym = in.b / 60.0;
    sandGrid(pts, ym / 10.0, ym, 3.0 * in.b / 80.0);
    return true;
}

void siltParabolaCase(Shape s, const FrictionalInput& in, CurvePoints& pts) {
    rescaleToInitialLine(s, in);
    const double y0 = firstKnee(s);
    sandGrid(pts, y0, s.ym, s.yu);
    if (y0 > 0.75 * s.ym) {
        for (int k = 2; k <= 6; ++k) pts.y[k - 1] = y0 * (k - 1) / 6.0;
        pts.y[6] = y0;
        for (int k = 8; k <= 12; ++k) pts.y[k - 1] = y0 + (s.ym - y0) * (k - 7) / 6.0;
    }
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        double p;
        if (y <= s.yk)
            p = in.es * y;
        else if (y <= s.ym)
            p = s.c * std::pow(y, 1.0 / s.n);
        else if (y <= s.yu)
            p = in.pm + s.m * (y - s.ym);
        else
            p = in.pu;
        pts.p[k] = std::min(p, in.es * y);
    }
}

void siltMeetingCase(const Shape& s, double y1, const FrictionalInput& in, CurvePoints& pts) {
    for (int k = 2; k <= 8; ++k) pts.y[k - 1] = y1 * (k - 1) / 8.0;
    pts.y[8] = y1;
    for (int k = 10; k <= 14; ++k) pts.y[k - 1] = y1 + (s.yu - y1) * (k - 9) / 6.0;
    pts.y[14] = s.yu;
    pts.y[15] = k::k1_1 * s.yu;
    pts.y[16] = k::k1_2 * s.yu;
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        double p;
        if (y <= y1)
            p = in.es * y;
        else if (y <= s.yu)
            p = in.es * y1 + s.m * (y - y1);
        else
            p = in.pu;
        pts.p[k] = std::min(p, in.es * y);
    }
}

void siltInitialLineCase(double y2, const FrictionalInput& in, CurvePoints& pts) {
    for (int k = 2; k <= 12; ++k) pts.y[k - 1] = y2 * (k - 1) / 12.0;
    pts.y[12] = y2;
    pts.y[13] = k::k1_05 * y2;
    pts.y[14] = k::k1_1 * y2;
    pts.y[15] = k::k1_15 * y2;
    pts.y[16] = k::k1_2 * y2;
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        const double p = y <= y2 ? in.es * y : in.pu;
        pts.p[k] = std::min(p, in.es * y);
    }
}

}  // namespace

CurvePoints sandCurve(const FrictionalInput& in) {
    CurvePoints pts;
    if (flat(in, pts)) return pts;
    Shape s = parabola(in, false, in.zp <= 0.0);
    rescaleToInitialLine(s, in);
    sandGrid(pts, firstKnee(s), s.ym, s.yu);
    for (int k = 0; k < kSidePoints; ++k) {
        const double y = pts.y[k];
        double p;
        if (y > s.yk || y >= s.ym) {
            if (y < s.ym)
                p = s.c * std::pow(y, 1.0 / s.n);
            else if (y < s.yu)
                p = in.pm + s.m * (y - s.ym);
            else
                p = in.pu;
        } else {
            p = in.es * y;
        }
        pts.p[k] = std::min(p, in.es * y);
    }
    return pts;
}

SiltCurve siltCurve(const FrictionalInput& in) {
    SiltCurve out;
    if (flat(in, out.points)) return out;
    const Shape s = parabola(in, true, in.zp < 0.0);
    if (0.0 <= s.yk && s.yk < s.ym) {
        siltParabolaCase(s, in, out.points);
        return out;
    }
    const double y1 = (in.pm - s.m * s.ym) / (in.es - s.m);
    if (s.ym <= y1 && y1 < s.yu) {
        out.shape = 2;
        siltMeetingCase(s, y1, in, out.points);
        return out;
    }
    const double y2 = in.pu / in.es;
    if (y2 >= s.yu) {
        out.shape = 3;
        siltInitialLineCase(y2, in, out.points);
        return out;
    }
    siltParabolaCase(s, in, out.points);
    return out;
}

double frictionalShift(double sigmaVDredge, double ka, double b, double c) {
    const double pa = sigmaVDredge * ka * b - 2.0 * c * std::sqrt(ka) * b;
    return pa < kShiftFloor ? 0.0 : pa;
}

}  // namespace torven::py
