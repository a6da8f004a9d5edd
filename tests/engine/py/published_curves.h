#pragma once
// The published p-y curves of the clay models, written out here from their
// formulas so the engine's curves can be held against them.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace torven::test {

using Points = std::vector<std::array<double, 2>>;  // y, p

// Matlock, soft clay, static: p = 0.5 pu (y / y50)^(1/3) up to 8 y50.
inline Points matlockSoftClay(double pu, double y50) {
    const double f[17] = {0,     0.00025, 0.0025, 0.0075, 0.02, 0.04, 0.06, 0.1, 0.15,
                          0.225, 0.3,     0.4,    0.5,    0.65, 0.8,  1.0,  1.2};
    Points out;
    for (double fk : f) {
        const double y = 8 * y50 * fk;
        out.push_back({y, y <= 8 * y50 ? 0.5 * pu * std::cbrt(y / y50) : pu});
    }
    return out;
}

// As of the stiff clay below water, static loading.
inline double publishedAs(double zOverB) {
    const double as[6] = {0.223, 0.46, 0.55, 0.59, 0.6, 0.6};
    if (zOverB >= 5) return 0.6;
    const int i = static_cast<int>(zOverB);
    return as[i] + (as[i + 1] - as[i]) * (zOverB - i);
}

// Stiff clay below water, static: square-root curve, its softening, the
// falling line and the residual, cut by the initial line Es y.
inline Points stiffClayBelowWater(double pc, double as, double y50, double es) {
    const double steps[17] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 10, 14, 18, 200};
    const double ay = as * y50;
    Points out;
    for (double s : steps) {
        const double y = s * ay;
        double p;
        if (y <= ay)
            p = 0.5 * pc * std::sqrt(y / y50);
        else if (y <= 6 * ay)
            p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - ay) / ay, 1.25);
        else if (y <= 18 * ay)
            p = 0.5 * pc * std::sqrt(6 * as) - 0.411 * pc - 0.0625 * pc / y50 * (y - 6 * ay);
        else
            p = 0.5 * pc * std::sqrt(6 * as) - 0.411 * pc - 0.75 * pc * as;
        out.push_back({y, std::min(p, es * y)});
    }
    return out;
}

// Stiff clay above water, static: p = 0.5 pu (y / y50)^(1/4) up to 16 y50.
inline Points stiffClayAboveWater(double pu, double y50) {
    const double f[15] = {0, 1e-5, 5e-5, 1e-4, 5e-4, 0.001, 0.005, 0.01, 0.025, 0.05, 0.075, 0.1, 0.25, 0.5, 1.0};
    Points out;
    for (int k = 0; k < 17; ++k) {
        const double y = k < 15 ? 16 * y50 * f[k] : (k == 15 ? 18 : 20) * y50;
        out.push_back({y, y <= 16 * y50 ? 0.5 * pu * std::sqrt(std::sqrt(y / y50)) : pu});
    }
    return out;
}

}  // namespace torven::test

namespace torven::test {

inline constexpr double kPublishedPi = 3.1416;

struct PublishedSand {
    double wedge = 0.0, flowAround = 0.0;
};

// Reese's static sand: the wedge near the surface and the flow around the pile at depth.
inline PublishedSand reeseSandResistance(double phiDegrees, double gamma, double z, double b) {
    const double phi = phiDegrees * kPublishedPi / 180, alpha = phi / 2, beta = kPublishedPi / 4 + phi / 2;
    const double k0 = 0.4, ka = std::pow(std::tan(kPublishedPi / 4 - phi / 2), 2);
    const double tp = std::tan(phi), tb = std::tan(beta), ta = std::tan(alpha), tbp = std::tan(beta - phi);
    PublishedSand r;
    r.wedge = gamma * z *
              (k0 * z * tp * std::sin(beta) / (tbp * std::cos(alpha)) + tb / tbp * (b + z * tb * ta) +
               k0 * z * tb * (tp * std::sin(beta) - ta) - ka * b);
    r.flowAround = ka * b * gamma * z * (std::pow(tb, 8) - 1) + k0 * b * gamma * z * tp * std::pow(tb, 4);
    return r;
}

// Static A and B of Reese's sand at x / b, linear between the tabulated points.
inline double publishedSandCoefficient(const std::array<double, 10>& v, double xOverB) {
    const double x[10] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
    if (xOverB >= 6) return v[9];
    int i = 0;
    while (xOverB > x[i + 1]) ++i;
    return v[i] + (v[i + 1] - v[i]) * (xOverB - x[i]) / (x[i + 1] - x[i]);
}
inline double publishedA(double xOverB) {
    return publishedSandCoefficient({2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.9, 0.88, 0.88}, xOverB);
}
inline double publishedB(double xOverB) {
    return publishedSandCoefficient({2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.5, 0.5}, xOverB);
}

// Reese's static sand curve: initial line Es y, parabola C y^(1/n) to (ym, pm),
// straight line to (yu, pu), then pu; compressed onto the initial line when it
// reaches pu before yu.
inline Points reeseSand(double pu, double pm, double b, double es) {
    double yu = 3 * b / 80, ym = b / 60;
    const double m = (pu - pm) / (yu - ym), n = pm / (m * ym), c = pm / std::pow(ym, 1 / n);
    double yk = std::pow(c / es, n / (n - 1));
    if (yk > yu) {
        ym = ym * pu / es / yu;
        yu = pu / es;
        yk = ym / 10;
    }
    const double y0 = yk <= ym / 5 ? yk : ym / 10;
    std::vector<double> ys = {0, y0 / 2, y0};
    for (int k = 4; k <= 12; ++k) ys.push_back(y0 + (ym - y0) * (k - 3) / 10);
    for (double y : {ym, (2 * ym + yu) / 3, (2 * yu + ym) / 3, yu, 1.2 * yu}) ys.push_back(y);
    Points out;
    for (double y : ys) {
        double p = es * y;
        if (y > yk || y >= ym) p = y < ym ? c * std::pow(y, 1 / n) : (y < yu ? pm + m * (y - ym) : pu);
        out.push_back({y, std::min(p, es * y)});
    }
    return out;
}

}  // namespace torven::test
