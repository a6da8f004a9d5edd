#pragma once
// Rankine earth-pressure coefficients of every profile layer.
#include <ostream>
#include <vector>

#include "engine/report.h"
#include "engine/soil/ep_profile.h"

namespace torven::soil {

struct Coefficients {
    double ka = 0.0;      // in use: computed, or the entered value
    double sqrtKa = 0.0;  // factor of the cohesion term; 0 for an entered Ka
    double kp = 0.0;      // reported only
};

// Level backfill, or Rankine's sloping backfill when the slope is flatter than
// the friction angle. Writes "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT"
// and, for a slope too steep above the dredge line, a warning to the report
// and the monitor file.
std::vector<Coefficients> computeCoefficients(const EPProfile& profile, double slopeDegrees, double freeHeight,
                                              Report& report, std::ostream& monitor);

}  // namespace torven::soil
