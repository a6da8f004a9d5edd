#pragma once
// The earth-pressure generator and the surcharge pressure of a case, as the
// run calls them.
namespace torven {
class EngineRun;
}

namespace torven::soil {

// Writes the soil sections of the report and KESTRA.001 for a case with
// generated earth pressure.
void generateEarthPressure(EngineRun& run);

// Pressure from the case's surcharge rows per unit width at a depth.
double casePressureFromSurcharges(EngineRun& run, double depth);

}  // namespace torven::soil
