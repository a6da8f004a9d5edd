#include "engine/wall_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace torven {

namespace {

// Used when the running restraint index passes the end of the list: the
// kinds can outnumber the rows once later rows overwrite earlier ones.
constexpr Restraint kNoRestraint{};

}  // namespace

void WallModel::reset(int numIncrements, double incrementLength) {
    n_ = numIncrements;
    h_ = incrementLength;
    const std::size_t size = static_cast<std::size_t>(numIncrements + 8);
    for (std::vector<double>* v : {&EI, &Q, &S, &T, &R, &P, &Qw, &Sw, &W, &A, &B, &C}) {
        v->assign(size, 0.0);
    }
    restraintKind.assign(size, kFree);
    restraints.clear();
    meiCurves.clear();
    appliedMoments.clear();
}

void WallModel::addRestraint(int restraintCase, int station, double deflection, double slope) {
    auto setKind = [this](int st, RestraintKind kind) {
        const int k = index(st);
        if (k >= 1 && k < static_cast<int>(restraintKind.size())) restraintKind[k] = kind;
    };
    if (restraintCase == 2) {
        setKind(station - 1, kSlopeStart);
        setKind(station + 1, kSlopeEnd);
    } else if (restraintCase >= 3) {
        setKind(station - 1, kSlopeStart);
        setKind(station, kDeflectionInSlope);
        setKind(station + 1, kSlopeEnd);
    } else {
        setKind(station, kDeflection);
    }
    restraints.push_back({deflection, slope});
}

void WallModel::updateEI() {
    const int size = static_cast<int>(W.size());
    const double h2 = h_ * h_;
    for (const MomentEICurve& curve : meiCurves) {
        if (!hasStation(curve.fromStation) || !hasStation(curve.toStation)) continue;
        const std::size_t npts = std::min(curve.moment.size(), curve.ei.size());
        if (npts == 0) continue;
        const double* m = curve.moment.data() - 1;  // 1-based, as the points are numbered
        const double* ei = curve.ei.data() - 1;
        for (int s = curve.fromStation; s <= curve.toStation; ++s) {
            const int k = index(s);
            if (npts == 1) {
                EI[k] = ei[1];
                continue;
            }
            const double wAbove = W[k - 1];
            const double wBelow = k + 1 < size ? W[k + 1] : 0.0;
            const double phi = std::fabs(wAbove - 2.0 * W[k] + wBelow) / h2;
            std::size_t j = 2;
            while (j < npts && !(m[j] > phi * ei[j])) ++j;
            const std::size_t i = j - 1;
            const double denom = (ei[j] - ei[i]) * phi - (m[j] - m[i]);
            if (denom == 0.0) {
                // Segment parallel to M = phi*EI: keep its first point.
                EI[k] = ei[i];
                continue;
            }
            const double t = (m[i] - phi * ei[i]) / denom;
            EI[k] = ei[i] + (ei[j] - ei[i]) * t;
        }
    }
}

SolveCounts WallModel::solve(double maxDeflection, double deflTolerance) {
    SolveCounts counts;
    const int n = n_;
    if (n < 0 || W.size() < static_cast<std::size_t>(n + 8)) return counts;

    const double h = h_;
    const double hQuarter = h / 4.0;
    const double h3 = h * h * h;
    const double h2Half = h * h / 2.0;
    const double twoH = 2.0 * h;

    const double* ei = EI.data();
    const double* p = P.data();
    const double* r = R.data();
    const double* t = T.data();
    const double* sw = Sw.data();
    const double* qw = Qw.data();
    const int* kind = restraintKind.data();
    double* a_ = A.data();
    double* b_ = B.data();
    double* c_ = C.data();
    double* w = W.data();

    a_[1] = a_[2] = b_[1] = b_[2] = c_[1] = c_[2] = 0.0;

    const std::size_t listSize = restraints.size();
    std::size_t j = 0;
    double g0 = 0.0, c0 = 0.0, b0 = 0.0, a0 = 0.0;

    for (int k = 3; k <= n + 5; ++k) {
        const double a = ei[k - 1] - hQuarter * (h * p[k - 1] + r[k - 1]);
        const double b = -2.0 * (ei[k - 1] + ei[k]);
        const double c = ei[k - 1] + 4.0 * ei[k] + ei[k + 1] + h3 * sw[k] +
                         hQuarter * (h * p[k - 1] + r[k - 1] + h * p[k + 1] + r[k + 1]);
        const double d = -2.0 * (ei[k] + ei[k + 1]);
        const double e = ei[k + 1] - hQuarter * (h * p[k + 1] + r[k + 1]);
        const double f = h3 * qw[k] - h2Half * (t[k - 1] - t[k + 1]);

        const double E = a * b_[k - 2] + b;
        const double D = a * c_[k - 2] + E * b_[k - 1] + c;
        const double G = D == 0.0 ? 0.0 : -1.0 / D;
        c_[k] = e * G;
        b_[k] = (E * c_[k - 1] + d) * G;
        a_[k] = (E * a_[k - 1] + a * a_[k - 2] - f) * G;

        const int kd = kind[k];
        if (kd == kFree) continue;
        const Restraint& rs = j < listSize ? restraints[j] : kNoRestraint;
        switch (kd) {
            case kSlopeStart:
                g0 = G;
                c0 = c_[k];
                b0 = b_[k];
                a0 = a_[k];
                c_[k] = 1.0;
                b_[k] = 0.0;
                a_[k] = -twoH * rs.slope;
                break;
            case kDeflectionInSlope:
                a_[k] = rs.deflection;
                b_[k] = 0.0;
                c_[k] = 0.0;
                break;
            case kSlopeEnd: {
                const double x = g0 == 0.0 ? 0.0 : (b0 * b_[k - 1] + c0 - 1.0) * G / g0;
                if (g0 == 0.0 || 1.0 - x == 0.0) {
                    // No usable opening row to close against: hold the station.
                    a_[k] = b_[k] = c_[k] = 0.0;
                } else {
                    const double gm = 1.0 / (1.0 - x);
                    c_[k] = gm * c_[k];
                    b_[k] = gm * (b0 * c_[k - 1] * G / g0 + b_[k]);
                    a_[k] = gm * (a_[k] + (b0 * a_[k - 1] + a0 + twoH * rs.slope) * G / g0);
                }
                ++j;
                break;
            }
            default:
                a_[k] = rs.deflection;
                b_[k] = 0.0;
                c_[k] = 0.0;
                ++j;
                break;
        }
    }

    w[n + 6] = 0.0;
    w[n + 7] = 0.0;
    w[n + 5] = a_[n + 5] + b_[n + 5] * w[n + 6] + c_[n + 5] * w[n + 7];
    for (int k = n + 4; k >= 4; --k) {
        const double w0 = w[k];
        w[k] = a_[k] + b_[k] * w[k + 1] + c_[k] * w[k + 2];
        if (std::fabs(w[k]) > maxDeflection) ++counts.exceeded;
        if (std::fabs(w[k] - w0) > deflTolerance) ++counts.notClosed;
    }
    w[3] = a_[3] + b_[3] * w[4] + c_[3] * w[5];
    return counts;
}

std::vector<StationResult> WallModel::stationResults() {
    const int n = n_;
    if (n < 0 || W.size() < static_cast<std::size_t>(n + 8)) return {};
    const double h = h_;
    const double h2 = h * h;
    const double twoH = 2.0 * h;

    W[2] = 2.0 * W[3] - W[4];
    W[n + 6] = 2.0 * W[n + 5] - W[n + 4];

    std::vector<double> moment(W.size(), 0.0);
    for (int k = 2; k <= n + 6; ++k) {
        moment[k] = EI[k] == 0.0 ? 0.0 : EI[k] * (W[k - 1] - 2.0 * W[k] + W[k + 1]) / h2;
    }

    std::vector<StationResult> out(static_cast<std::size_t>(n + 3));
    for (int s = -1; s <= n + 1; ++s) {
        const int k = index(s);
        StationResult& res = out[static_cast<std::size_t>(s + 1)];
        res.depth = s * h;
        res.deflection = W[k];
        res.slope = (W[k + 1] - W[k - 1]) / twoH;
        res.moment = moment[k];
        res.shear = (moment[k + 1] - moment[k - 1]) / twoH;
        res.netReaction = (moment[k - 1] - 2.0 * moment[k] + moment[k + 1]) / h;
        res.ei = EI[k];
    }

    auto at = [&](int station) -> StationResult* {
        if (station < -1 || station > n + 1) return nullptr;
        return &out[static_cast<std::size_t>(station + 1)];
    };
    for (const AppliedMoment& am : appliedMoments) {
        const double v = am.value;
        if (StationResult* r = at(am.station)) r->shear -= v;
        if (StationResult* r = at(am.station + 1)) {
            r->shear -= 0.5 * v;
            r->netReaction += v;
        }
        if (StationResult* r = at(am.station - 1)) {
            r->shear -= 0.5 * v;
            r->netReaction -= v;
        }
    }
    return out;
}

}  // namespace torven
