#pragma once
// Unit-dependent constants and the compound unit labels of the soil sections.
#include <string>

#include "engine/report.h"

namespace torven::soil {

// Unit weight of water: kN/m^3 for SI, lb/in^3 otherwise (also for consistent units).
double waterUnitWeight(int units);

std::string stressLabel(const UnitLabels& u);          // " LBS/IN**2"
std::string unitWeightLabel(const UnitLabels& u);      // " LBS/IN**3"
std::string forcePerLengthLabel(const UnitLabels& u);  // " LBS/IN"

}  // namespace torven::soil
