#include "engine/py/multipliers.h"

#include <algorithm>
#include <cmath>

#include "engine/constants.h"

namespace torven::py {

double widthRatio(const SoilWallRecord& wall) { return std::max(1.0, wall.widthActive / wall.widthPY); }

double PYMultipliers::p(double depth) const {
    if (!table_.empty()) return fromTable(depth, &PYModRow::pMultiplier);
    // Closely spaced elements shade each other below the dredge line.
    if (ratio_ >= k::k1_1 && ratio_ < k::k3_1 && depth >= freeHeight_)
        return k::k0_5292 * std::pow(ratio_, k::k0_5659);
    return 1.0;
}

double PYMultipliers::y(double depth) const {
    if (!table_.empty()) return fromTable(depth, &PYModRow::yMultiplier);
    return 1.0;
}

double PYMultipliers::fromTable(double depth, double PYModRow::*field) const {
    const std::vector<PYModRow>& t = table_;
    if (depth < t.front().depth || depth > t.back().depth) return 1.0;
    for (std::size_t j = 1; j < t.size(); ++j) {
        if (!(depth <= t[j].depth)) continue;
        if (depth != t[j].depth) {
            const PYModRow& a = t[j - 1];
            return a.*field + (t[j].*field - a.*field) * (depth - a.depth) / (t[j].depth - a.depth);
        }
        // Two rows at one depth make a step: the lower row holds below it.
        if (j + 1 < t.size() && t[j + 1].depth == t[j].depth) return t[j + 1].*field;
        return t[j].*field;
    }
    return 1.0;
}

}  // namespace torven::py
