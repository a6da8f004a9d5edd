#pragma once
// Report sections of the earth-pressure profile.
#include "engine/report.h"
#include "engine/soil/ep_profile.h"

namespace torven::soil {

// "SOIL INFORMATION"; then ends the run when the profile overflowed or has no
// layer starting at the dredge line.
void echoSoilInformation(Report& report, const EPProfile& profile, int units, double freeHeight);

// "EFFECTIVE OVERBURDEN STRESS".
void writeOverburdenStress(Report& report, const EPProfile& profile, const UnitLabels& labels);

}  // namespace torven::soil
