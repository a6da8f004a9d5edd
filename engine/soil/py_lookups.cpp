// Lookups on the distributions of the p-y profile.
#include <cmath>

#include "engine/fortran_format.h"
#include "engine/soil/py_profile.h"
#include "engine/soil/soil_report.h"

namespace torven::soil {

namespace {

constexpr double kNegligible = 1.0E-20;
constexpr double kAtTop = 1.0E-5;
constexpr double kThin = 1.0E-6;

// First point j >= 1 with x <= X(j); -1 beyond the last point.
int pointAtOrBelow(const std::vector<StrengthPoint>& p, double x) {
    for (std::size_t j = 1; j < p.size(); ++j)
        if (x <= p[j].x) return static_cast<int>(j);
    return -1;
}

// At a layer boundary the mean of the two layers' values, unless one of them is negligible.
double boundaryMean(double upper, double lower) {
    if (upper < kNegligible && !(lower < kNegligible)) return lower;
    if (lower < kNegligible && !(upper < kNegligible)) return upper;
    return (upper + lower) / 2.0;
}

enum class AtBoundary { Lower, Mean };

double valueAt(const std::vector<StrengthPoint>& p, int j, double x, double StrengthPoint::*field, AtBoundary rule) {
    const StrengthPoint& a = p[j - 1];
    const StrengthPoint& b = p[j];
    if (x != b.x) return a.*field + (b.*field - a.*field) * (x - a.x) / (b.x - a.x);
    if (j + 1 < static_cast<int>(p.size()) && p[j + 1].x == b.x) {
        const double lower = p[j + 1].*field;
        if (rule == AtBoundary::Mean) return boundaryMean(b.*field, lower);
        return lower < kNegligible ? b.*field : lower;
    }
    return b.*field;
}

// The mean at a layer boundary; beyond the last point its value.
double meanOrLast(const std::vector<StrengthPoint>& p, double x, double StrengthPoint::*field) {
    const int j = pointAtOrBelow(p, x);
    if (j < 0) return p.back().*field;
    return valueAt(p, j, x, field, AtBoundary::Mean);
}

}  // namespace

void PYProfile::beyondStrengthCurve(double x, const char* beyond, const char* curve) const {
    for (int copy = 0; copy < 2; ++copy) {
        *warnings_ << '\n'
                   << fmt::X(29) << "**** WARNING ****\n"
                   << fmt::X(5) << "THE VALUE OF X =" << fmt::D(x, 9, 1) << beyond << '\n'
                   << fmt::X(5) << curve << '\n';
    }
    fatalStop(*report_, "X =" + fmt::D(x, 9, 1) + " IS BEYOND THE EXTENT OF " + curve);
}

double PYProfile::strengthAt(double x) const {
    const int j = pointAtOrBelow(strength_, x);
    if (j < 0) beyondStrengthCurve(x, "IS BEYOND THE EXTENT OF", "THE INPUT STRENGTH CURVE");
    return valueAt(strength_, j, x, &StrengthPoint::strength, AtBoundary::Lower);
}

double PYProfile::phiAt(double x) const {
    const int j = pointAtOrBelow(strength_, x);
    if (j < 0) beyondStrengthCurve(x, " IS BEYOND THE EXTENT OF", "THE INPUT PHI CURVE");
    return valueAt(strength_, j, x, &StrengthPoint::phi, AtBoundary::Mean);
}

double PYProfile::eps50At(double x) const { return meanOrLast(strength_, x, &StrengthPoint::eps50); }

double PYProfile::sixthAt(double x) const { return meanOrLast(strength_, x, &StrengthPoint::sixth); }

double PYProfile::strengthAvg(int layer, double x) const {
    const StrengthPoint& top = strength_[2 * layer];
    const StrengthPoint& bottom = strength_[2 * layer + 1];
    if (x - top.x < kAtTop) return strengthAt(x);
    if (x > strength_.back().x) {
        Report& r = *report_;
        r.line();
        r.line(fmt::X(29) + "**** WARNING ****");
        r.line(fmt::X(5) + "THE VALUE OF X =" + fmt::E(x, 9, 2) + "IS BEYOND THE EXTENT OF THE");
        r.line(fmt::X(5) + "INPUT CURVE FOR STRENGTH");
    }
    if (bottom.x - top.x < kThin) return 0.0;
    const double atX = top.strength + (bottom.strength - top.strength) * (x - top.x) / (bottom.x - top.x);
    return (top.strength + atX) / 2.0;
}

double PYProfile::gammaAvg(double x) const {
    const std::vector<GammaPoint>& g = gamma_;
    if (x < kThin) {
        for (const GammaPoint& p : g)
            if (p.gamma > 0.0) return p.gamma;
        return g.back().gamma;
    }
    if (x > g.back().x)
        fatalStop(*report_, "X =" + fmt::D(x, 9, 1) + " IS BEYOND THE EXTENT OF THE EFFECTIVE UNIT WEIGHT CURVE");
    double area = 0.0;
    for (std::size_t k = 0; k + 1 < g.size(); ++k) {
        const GammaPoint& a = g[k];
        const GammaPoint& b = g[k + 1];
        if (b.x - a.x < kThin) continue;
        if (x >= b.x) {
            area += (a.gamma + b.gamma) / 2.0 * (b.x - a.x);
            continue;
        }
        if (x > a.x) {
            const double atX = a.gamma + (b.gamma - a.gamma) * (x - a.x) / (b.x - a.x);
            area += (a.gamma + atX) / 2.0 * (x - a.x);
        }
        break;
    }
    return area / x;
}

}  // namespace torven::soil
