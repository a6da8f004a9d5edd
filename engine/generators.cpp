// The soil generators a run uses unless a caller puts others in their place.
#include "engine/engine_run.h"
#include "engine/py/py_curves.h"
#include "engine/soil/earth_pressure.h"

namespace torven {

Generators defaultGenerators() {
    Generators g;
    g.earthPressure = [](EngineRun& run) { soil::generateEarthPressure(run); };
    g.surchargePressureAt = [](EngineRun& run, double depth) { return soil::casePressureFromSurcharges(run, depth); };
    g.pyCurves = [](EngineRun& run) { py::generatePYCurves(run); };
    return g;
}

}  // namespace torven
