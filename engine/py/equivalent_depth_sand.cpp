// Equivalent depths of sand and silt: the resistance of the wedge, scaled by
// A, summed in steps up to the transition depth, linear beyond it.
#include <cmath>

#include "engine/constants.h"
#include "engine/py/equivalent_depth.h"
#include "engine/py/sand_coefficients.h"

namespace torven::py {

namespace {

constexpr int kSandSteps = 100;
constexpr int kSiltSteps = 50;

std::optional<double> frictional(const EquivalentDepthInput& in, int steps, bool cohesive) {
    const SandCoefficients s = sandCoefficients(in.phi, k::kPiSingle);
    const double tp = std::tan(s.phi);
    const double ta = std::tan(s.alpha);
    const double c1 = std::tan(s.beta) *
                      (s.kp * ta + s.k0 * (tp * std::sin(s.beta) * (1.0 / std::cos(s.alpha) + 1.0) - ta));
    const double c2 = s.kp * s.kp * (s.kp + s.k0 * tp) - s.ka;
    const double b = in.b, g = in.gammaAvg, c = in.c, f = in.force;
    const double zt = (c2 - (s.kp - s.ka)) * b / c1;
    const double step = zt / steps;
    double sum = 0.0;
    for (int i = 1; i <= steps; ++i) {
        const double z = i * step;
        const double zb = z / b;
        const double previous = sum;
        sum = sum + staticA(zb) * g * (b * b) * ((zb * zb) * c1 + z * (s.kp - s.ka) / b) * step;
        if (cohesive) sum = sum + (0.5 * z * c + z * g * b + 3.0 * c * b) * step;
        if (sum > f) return finiteOrNone(z - (sum - f) * step / (sum - previous));
    }
    double beyond = k::k0_88 * g * (b * b) * c2 * in.z / b;
    if (cohesive) beyond = 9.0 * c * b + beyond;
    return finiteOrNone((f - sum) / beyond + zt);
}

}  // namespace

std::optional<double> sandEquivalentDepth(const EquivalentDepthInput& in) {
    return frictional(in, kSandSteps, false);
}

std::optional<double> siltEquivalentDepth(const EquivalentDepthInput& in) {
    return frictional(in, kSiltSteps, true);
}

}  // namespace torven::py
