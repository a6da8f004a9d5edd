#include "engine/wall_model.h"

#include <algorithm>

namespace torven {

bool RangeDistributor::add(int fromStation, int toStation, int contd, const RangeValues& v,
                           RangeForm& form) {
    const int open = contd != 0 ? 1 : 0;
    const int rowCase = 2 * previousContd_ + open + 1;
    previousContd_ = open;
    const int kf = WallModel::index(fromStation);
    const int kt = WallModel::index(toStation);

    switch (rowCase) {
        case 1:
            form = RangeForm::Full;
            return spread(kf, v, kt, v);
        case 2:
            form = RangeForm::Opens;
            startIndex_ = kf;
            startValues_ = v;
            return true;
        default: {
            form = RangeForm::Closes;
            if (!spread(startIndex_, startValues_, kt, v)) return false;
            if (rowCase == 4) {
                startIndex_ = kt;
                startValues_ = v;
            }
            return true;
        }
    }
}

bool RangeDistributor::spread(int ks, const RangeValues& vs, int ke, const RangeValues& ve) {
    if (ke < ks) return false;
    const int last = static_cast<int>(wall_.EI.size()) - 1;
    const bool startInside = ks >= 1 && ks <= last;
    const bool endInside = ke >= 1 && ke <= last;

    auto spreadOne = [&](std::vector<double>& arr, double s, double e) {
        if (ke == ks) {
            if (endInside) arr[ke] += e;
            return;
        }
        const double span = ke - ks;
        for (int k = std::max(ks, 1); k <= std::min(ke, last); ++k) {
            arr[k] += s + (e - s) * (k - ks) / span;
        }
        if (startInside) arr[ks] -= 0.5 * s;
        if (endInside) arr[ke] -= 0.5 * e;
    };
    spreadOne(wall_.EI, vs.ei, ve.ei);
    spreadOne(wall_.Q, vs.q, ve.q);
    spreadOne(wall_.S, vs.s, ve.s);
    spreadOne(wall_.T, vs.t, ve.t);
    spreadOne(wall_.R, vs.r, ve.r);
    spreadOne(wall_.P, vs.p, ve.p);
    return true;
}

}  // namespace torven
