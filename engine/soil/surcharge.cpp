#include "engine/soil/surcharge.h"

#include <cmath>

#include "engine/constants.h"

namespace torven::soil {

namespace {

constexpr int kSteps = 200;
constexpr int kSlices = 10;
constexpr double kLoadThreshold = 1.0E-4;

double point(double q, const SurchargeGeometry& g, double z) {
    const double h = g.height;
    const double m = g.distance / h;
    const double n = z / h;
    if (m <= k::k0_4) {
        const double d = k::k0_16 + n * n;
        return k::k0_28 * q * (n * n) / (h * h * (d * d * d));
    }
    const double d = m * m + n * n;
    return k::k1_77 * q * (m * m) * (n * n) / (h * h * (d * d * d));
}

double line(double q, const SurchargeGeometry& g, double z, PiForm form) {
    const double h = g.height;
    const double m = g.distance / h;
    const double n = z / h;
    if (m <= k::k0_4) {
        const double d = k::k0_16 + n * n;
        return k::k0_203 * q * n / (h * (d * d));
    }
    const double d = m * m + n * n;
    if (form == PiForm::Resultants) return k::k1_273 * q * (m * m) * n / (h * (d * d));
    return 4.0 * q * (m * m) * n / (k::kPiSingle * h * (d * d));
}

double strip(double q, const SurchargeGeometry& g, double z, PiForm form) {
    const double theta1 = std::atan((g.distance - g.width / 2.0) / z);
    const double theta2 = std::atan((g.distance + g.width / 2.0) / z);
    const double beta = theta2 - theta1;
    const double shape = beta - std::sin(beta) * std::cos(theta1 + theta2);
    if (form == PiForm::Resultants) return k::k0_6366 * q * shape;
    return 2.0 * q / k::kPiSingle * shape;
}

}  // namespace

SurchargeKind surchargeKind(int type) {
    if (type == 2) return SurchargeKind::Line;
    if (type == 3) return SurchargeKind::Strip;
    return SurchargeKind::Point;
}

double lateralPressure(SurchargeKind kind, double magnitude, const SurchargeGeometry& g, double z, PiForm form) {
    switch (kind) {
        case SurchargeKind::Line: return line(magnitude, g, z, form);
        case SurchargeKind::Strip: return strip(magnitude, g, z, form);
        case SurchargeKind::Point: break;
    }
    return point(magnitude, g, z);
}

double surchargePressureAt(const std::vector<SurchargeLoad>& loads, double z, double height, double wallLength) {
    const double step = wallLength / kSteps;
    int last = 0;
    for (int j = 1; j <= kSteps; ++j)
        if (j * step < z) last = j;
    double sum = 0.0;
    if (last == 0) return sum;
    for (const SurchargeLoad& load : loads) {
        const SurchargeGeometry g{load.distance, load.width, height};
        sum += lateralPressure(surchargeKind(load.type), load.magnitude, g, last * step, PiForm::Table);
    }
    return sum;
}

LegacySurcharge legacySurcharge(const SoilRecord& soil) {
    const double* v = soil.legacySurcharge;
    LegacySurcharge l{v[0], v[1], v[2], v[3], v[4]};
    if (soil.surcharges.empty()) return l;
    const SurchargeLoad& last = soil.surcharges.back();
    l = LegacySurcharge{last.distance, 0.0, 0.0, 0.0, l.width};
    switch (surchargeKind(last.type)) {
        case SurchargeKind::Point: l.point = last.magnitude; break;
        case SurchargeKind::Line: l.line = last.magnitude; break;
        case SurchargeKind::Strip:
            l.strip = last.magnitude;
            l.width = last.width;
            break;
    }
    return l;
}

double addLegacyResultant(double pa1, const LegacySurcharge& legacy, double zTop, double thick, double height) {
    const SurchargeGeometry g{legacy.distance, legacy.width, height};
    const std::pair<SurchargeKind, double> loads[] = {
        {SurchargeKind::Point, legacy.point}, {SurchargeKind::Line, legacy.line}, {SurchargeKind::Strip, legacy.strip}};
    for (const auto& [kind, magnitude] : loads) {
        if (!(magnitude > kLoadThreshold)) continue;
        for (int j = 1; j <= kSlices; ++j) {
            const double z = zTop + j * thick / kSlices;
            pa1 += thick / kSlices * lateralPressure(kind, magnitude, g, z, PiForm::Resultants);
        }
    }
    return pa1;
}

}  // namespace torven::soil
