#pragma once
// p- and y-multipliers by depth below the top of the backfill: from the
// entered modification table, or the reduction for closely spaced elements.
#include <vector>

#include "engine/case_data.h"

namespace torven::py {

// WidthActive / WidthPY, at least 1; WidthPY must be positive.
double widthRatio(const SoilWallRecord& wall);

class PYMultipliers {
public:
    PYMultipliers(const std::vector<PYModRow>& table, double widthRatio, double freeHeight)
        : table_(table), ratio_(widthRatio), freeHeight_(freeHeight) {}

    double p(double depth) const;
    double y(double depth) const;

private:
    double fromTable(double depth, double PYModRow::*field) const;

    std::vector<PYModRow> table_;
    double ratio_;
    double freeHeight_;
};

}  // namespace torven::py
