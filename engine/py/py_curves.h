#pragma once
// The p-y curve generator of a case: the p-y profile and its report, then
// the curves of every layer, handed to the iteration through SOILDATA
// together with the user curves.
#include <iostream>

namespace torven {
class EngineRun;
}

namespace torven::py {

// Writes SOILDATA in the current directory and the curve sections of the
// report; warnings of the soil lookups and stops go to `warnings` as well.
void generatePYCurves(EngineRun& run, std::ostream& warnings = std::cerr);

}  // namespace torven::py
