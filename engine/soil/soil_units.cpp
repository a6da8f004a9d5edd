#include "engine/soil/soil_units.h"

#include "engine/constants.h"

namespace torven::soil {

double waterUnitWeight(int units) { return units == 2 ? k::kGravity : k::kKipFactor; }

std::string stressLabel(const UnitLabels& u) { return u.force4 + "/" + u.length2 + "**2"; }

std::string unitWeightLabel(const UnitLabels& u) { return u.force4 + "/" + u.length2 + "**3"; }

std::string forcePerLengthLabel(const UnitLabels& u) { return u.force4 + "/" + u.length2; }

}  // namespace torven::soil
