#pragma once
// The curves of one p-y layer: at each of its five curve depths a curve for
// the excavation side and one for the backfill side, with the multipliers
// and the active shift applied, in the report and in SOILDATA.
#include "engine/py/curve_model.h"
#include "engine/py/multipliers.h"
#include "engine/py/soildata_file.h"

namespace torven::py {

// Returns the layer's integrated resistance R for the equivalent depths below it.
double generateLayer(const LayerSetting& s, const PYMultipliers& multipliers, SoilDataFile& file);

}  // namespace torven::py
