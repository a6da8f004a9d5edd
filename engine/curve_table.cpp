#include "engine/curve_table.h"

#include <algorithm>

namespace torven {

Linearised linearise(const PYCurve& curve, double w, bool& offCurves) {
    const int n = static_cast<int>(curve.y.size());
    if (n < 2) {
        offCurves = true;
        return {};
    }
    // Points are numbered from 1 as in the curve tables; j is the segment's upper point.
    int j = n;
    if (n == 2) {
        offCurves = true;
    } else {
        int found = 0;
        for (int i = 2; i <= n; ++i) {
            if (w <= curve.y[i - 1]) {
                found = i;
                break;
            }
        }
        if (w < curve.y[0]) offCurves = true;
        if (found == 0)
            offCurves = true;
        else
            j = found;
    }
    const double y0 = curve.y[j - 2], y1 = curve.y[j - 1];
    const double p0 = curve.p[j - 2], p1 = curve.p[j - 1];
    if (y1 == y0) return {};
    const double k = -(p1 - p0) / (y1 - y0);
    return {p0 + k * y0, k};
}

namespace {

void addRange(const PYCurve& first, const PYCurve& second, int ks, int ke, WallModel& wall, bool& offCurves) {
    const int tip = wall.lastIndex();
    if (ks > tip || (ks >= tip && ke > ks)) return;
    ke = std::min(ke, tip);
    for (int k = ks; k <= ke; ++k) {
        const Linearised a = linearise(first, wall.W[k], offCurves);
        const Linearised b = linearise(second, wall.W[k], offCurves);
        const double t = ke == ks ? 0.0 : static_cast<double>(k - ks) / static_cast<double>(ke - ks);
        const double c = a.intercept + (b.intercept - a.intercept) * t;
        const double s = a.stiffness + (b.stiffness - a.stiffness) * t;
        wall.Qw[k] += c;
        wall.Sw[k] += s;
        // The end stations of a range carry half, as for the input range rows.
        if (ke > ks && (k == ks || k == ke)) {
            wall.Qw[k] -= 0.5 * c;
            wall.Sw[k] -= 0.5 * s;
        }
    }
}

}  // namespace

SoilLoadStatus addSoilContributions(const std::vector<PYCurve>& curves, WallModel& wall, bool& offCurves) {
    int previousContd = 0;
    const PYCurve* start = nullptr;
    for (const PYCurve& curve : curves) {
        if (previousContd == 0) {
            if (curve.contd == 1) {
                start = &curve;
            } else {
                if (curve.toIndex < curve.fromIndex) return SoilLoadStatus::NotInOrder;
                addRange(curve, curve, curve.fromIndex, curve.toIndex, wall, offCurves);
            }
        } else {
            const int ks = start->fromIndex;
            const int ke = curve.toIndex;
            if (ke < ks) return SoilLoadStatus::NotInOrder;
            // Two different curves at one station cancel out to nothing.
            if (ke > ks) addRange(*start, curve, ks, ke, wall, offCurves);
            if (curve.contd == 1) start = &curve;
        }
        previousContd = curve.contd;
    }
    return SoilLoadStatus::Ok;
}

}  // namespace torven
