#pragma once
// Parameters that leave a layer's curves undefined are refused before its
// first curve, with the reason in the report.
#include <string>

#include "engine/py/curve_model.h"

namespace torven::py {

// "SOFT CLAY", "SAND", ... for the messages; any other code is soft clay.
std::string soilName(int soilType);
// "LAYER  2 (SAND)", the p-y layer counted from 0.
std::string layerName(int layer, int soilType);

// Refuses the layer (LayerSetting::refuse) when a value at its top or bottom
// lies outside what its model can use.
void checkLayerParameters(const LayerSetting& s);

}  // namespace torven::py
