#pragma once
// Echo of the soil-wall record and the surcharges ahead of the soil sections.
#include "engine/case_data.h"
#include "engine/report.h"

namespace torven::soil {

// "WALL INFORMATION" and "SURCHARGE INFORMATION" with one block per load.
void echoWallAndSurcharges(Report& report, const SoilRecord& soil, double gammaWater, const UnitLabels& labels);

}  // namespace torven::soil
