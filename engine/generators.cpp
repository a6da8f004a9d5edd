// The soil generators a run uses unless a caller puts others in their place.
#include "engine/engine_run.h"

namespace torven {

Generators defaultGenerators() {
    Generators g;
    g.earthPressure = [](EngineRun& run) {
        run.report().emptyLines(2);
        run.checkStop("     ERROR -- GENERATED EARTH PRESSURE IS NOT AVAILABLE IN THIS VERSION");
    };
    g.surchargePressureAt = [](EngineRun& run, double) -> double {
        run.report().emptyLines(2);
        run.checkStop("     ERROR -- SURCHARGE PRESSURES ARE NOT AVAILABLE IN THIS VERSION");
    };
    g.pyCurves = [](EngineRun& run) {
        run.report().emptyLines(2);
        run.checkStop("     ERROR -- GENERATED P-Y CURVES ARE NOT AVAILABLE IN THIS VERSION");
    };
    return g;
}

}  // namespace torven
