#pragma once
// Lateral pressure on the wall from point, line and strip loads on the
// retained ground (elastic solutions as adjusted for walls).
#include <vector>

#include "engine/case_data.h"

namespace torven::soil {

enum class SurchargeKind { Point, Line, Strip };

// Types 1, 2, 3; any other code is a point load.
SurchargeKind surchargeKind(int type);

// The pressure table writes pi as 3.1416; the layer resultants write 4/pi
// and 2/pi as 1.273 and 0.6366.
enum class PiForm { Table, Resultants };

struct SurchargeGeometry {
    double distance = 0.0;  // wall to the load, or to the middle of a strip
    double width = 0.0;     // strip width
    double height = 0.0;    // free height of the wall
};

// Pressure per unit width at depth z (below the top of the backfill).
double lateralPressure(SurchargeKind kind, double magnitude, const SurchargeGeometry& g, double z, PiForm form);

// Sum over the rows of each row's pressure at the last of 200 equal steps down
// the wall that lies strictly above z.
double surchargePressureAt(const std::vector<SurchargeLoad>& loads, double z, double height, double wallLength);

// The single surcharge of the soil record: distance, point, line and strip
// magnitudes, strip width.
struct LegacySurcharge {
    double distance = 0.0, point = 0.0, line = 0.0, strip = 0.0, width = 0.0;
};

// The record's values, or the last surcharge row as its echo leaves them.
LegacySurcharge legacySurcharge(const SoilRecord& soil);

// pa1 plus the legacy loads' pressure summed over ten slices of the layer
// from zTop to zTop + thick.
double addLegacyResultant(double pa1, const LegacySurcharge& legacy, double zTop, double thick, double height);

}  // namespace torven::soil
