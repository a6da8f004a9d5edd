#pragma once
// Resultants of the active and water pressure of the layers above the dredge
// line, with their report sections and the check of the net pressure.
#include <ostream>
#include <vector>

#include "engine/report.h"
#include "engine/soil/coefficients.h"
#include "engine/soil/ep_profile.h"
#include "engine/soil/surcharge.h"

namespace torven::soil {

struct LayerResultants {
    double pa1 = 0.0, pa2 = 0.0, pa3 = 0.0, pa4 = 0.0;
    double z1 = -1000.0, z2 = -1000.0, z3 = -1.0E-5;
    double pw1 = 0.0, pw2 = 0.0;  // stored negative
    double zeroDepth = 0.0;
};

struct ResultantInputs {
    const EPProfile& profile;
    const std::vector<Coefficients>& coefficients;
    LegacySurcharge legacy;
    double freeHeight = 0.0;
    double waterDepthBackfill = 0.0;
    double gammaWater = 0.0;
};

// One entry per profile layer; the layers at and below the dredge line keep
// zeros. Writes "ACTIVE EARTH PRESSURE OF EACH LAYER".
std::vector<LayerResultants> computeLayerResultants(const ResultantInputs& in, Report& report,
                                                    const UnitLabels& labels);

// Water resultants of the drained layers from the water table down to the
// dredge line, and their section. Returns the wall code, 1 once water acts.
int computeWaterResultants(const ResultantInputs& in, int wallCode, std::vector<LayerResultants>& results,
                           Report& report);

// A message to the report and the warning stream when the sum of the
// resultants above the dredge line is not positive; the run goes on.
void checkNetPressure(const EPProfile& profile, const std::vector<LayerResultants>& results, Report& report,
                      std::ostream& warnings);

}  // namespace torven::soil
