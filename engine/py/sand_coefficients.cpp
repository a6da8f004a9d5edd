#include "engine/py/sand_coefficients.h"

#include <array>
#include <cmath>

#include "engine/constants.h"
#include "engine/py/table_lookup.h"

namespace torven::py {

namespace {

const std::array<double, 10> kXOverB = {0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};

// Single-precision table values, widened.
std::array<double, 10> widened(const std::array<float, 10>& v) {
    std::array<double, 10> out{};
    for (std::size_t i = 0; i < v.size(); ++i) out[i] = double(v[i]);
    return out;
}

}  // namespace

SandCoefficients sandCoefficients(double phi, double pi) {
    SandCoefficients s;
    s.phi = phi;
    s.alpha = phi / 2.0;
    s.beta = pi / 4.0 + phi / 2.0;
    s.k0 = k::k0_4;
    const double ta = std::tan(pi / 4.0 - phi / 2.0);
    const double tp = std::tan(pi / 4.0 + phi / 2.0);
    s.ka = ta * ta;
    s.kp = tp * tp;
    return s;
}

double staticA(double xOverB) {
    static const std::array<double, 10> a =
        widened({2.83f, 2.48f, 2.11f, 1.76f, 1.48f, 1.23f, 1.06f, 0.9f, 0.88f, 0.88f});
    return interpolate(kXOverB, a, xOverB);
}

double staticB(double xOverB) {
    static const std::array<double, 10> b =
        widened({2.14f, 1.83f, 1.54f, 1.27f, 1.05f, 0.86f, 0.71f, 0.53f, 0.5f, 0.5f});
    return interpolate(kXOverB, b, xOverB);
}

SandResistance sandResistance(const SandCoefficients& s, double g, double d, double b) {
    const double tp = std::tan(s.phi);
    const double tb = std::tan(s.beta);
    const double ta = std::tan(s.alpha);
    const double sb = std::sin(s.beta);
    const double tbp = std::tan(s.beta - s.phi);
    const double k0 = s.k0;
    SandResistance r;
    r.wedge = g * d *
              (k0 * d * tp * sb / (tbp * std::cos(s.alpha)) + (tb / tbp) * (b + d * tb * ta) +
               k0 * d * tb * (tp * sb - ta) - s.ka * b);
    const double tb2 = tb * tb;
    const double tb4 = tb2 * tb2;
    const double tb8 = tb4 * tb4;
    r.flowAround = s.ka * b * g * d * (tb8 - 1.0) + k0 * b * g * d * tp * tb4;
    return r;
}

double coulombPassive(double phi, double delta) {
    const double cp = std::cos(phi);
    const double root = 1.0 - std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return cp * cp / (std::cos(delta) * (root * root));
}

}  // namespace torven::py
