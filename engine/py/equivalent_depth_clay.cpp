// Equivalent depths of the clay models, and the choice by soil type.
#include <cmath>

#include "engine/constants.h"
#include "engine/py/clay_curves.h"
#include "engine/py/equivalent_depth.h"

namespace torven::py {

namespace {

constexpr int kStiffClaySteps = 40;

// Up to the transition depth xr the resistance grows with Np < 9, beyond it linearly.
std::optional<double> aroundTransition(const EquivalentDepthInput& in, double xr) {
    const double c = in.c, b = in.b, g = in.gammaAvg, f = in.force;
    const double fr = 3.0 * c * b * xr + g * b * (xr * xr) / 2.0 + c * (xr * xr) / 4.0;
    if (f <= fr) {
        const double a = c / 4.0 + g * b / 2.0;
        const double d = 3.0 * c * b;
        return finiteOrNone((-d + std::sqrt(d * d + 4.0 * a * f)) / (2.0 * a));
    }
    return finiteOrNone((f - fr) / (9.0 * c * b) + xr);
}

}  // namespace

std::optional<double> finiteOrNone(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> softClayEquivalentDepth(const EquivalentDepthInput& in) {
    const double xr = 6.0 * in.c * in.b / (0.5 * in.c + in.gammaAvg * in.b);
    return aroundTransition(in, xr);
}

std::optional<double> stiffClayAboveWaterEquivalentDepth(const EquivalentDepthInput& in) {
    const double xr = (9.0 * in.c * in.b - 3.0 * in.ca * in.b) / (0.5 * in.c + in.gammaAvg * in.b);
    return aroundTransition(in, xr);
}

std::optional<double> stiffClayBelowWaterEquivalentDepth(const EquivalentDepthInput& in) {
    const double c = in.c, ca = in.ca, b = in.b, g = in.gammaAvg, f = in.force;
    const double xr = (11.0 * c * b - 2.0 * ca * b) / (k::k2_83 * ca + g * b);
    const double step = xr / kStiffClaySteps;
    double sum = 0.0;
    double fs = 0.0;
    for (int i = 1; i <= kStiffClaySteps; ++i) {
        const double z = i * step;
        fs = residualFactor(staticAs(z / b));
        const double previous = sum;
        sum = sum + (2.0 * ca * b + g * b * z + k::k2_83 * ca * z) * fs * step;
        if (sum > f) return finiteOrNone(z - (sum - f) * step / (sum - previous));
    }
    return finiteOrNone((f - sum) / (11.0 * c * b * fs) + xr);
}

std::optional<double> equivalentDepth(int soilType, const EquivalentDepthInput& in) {
    switch (soilType) {
        case 2: return stiffClayBelowWaterEquivalentDepth(in);
        case 3: return stiffClayAboveWaterEquivalentDepth(in);
        case 4: return sandEquivalentDepth(in);
        case 5: return siltEquivalentDepth(in);
        default: return softClayEquivalentDepth(in);
    }
}

}  // namespace torven::py
