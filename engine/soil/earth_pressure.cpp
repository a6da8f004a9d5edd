#include "engine/soil/earth_pressure.h"

#include <fstream>
#include <iostream>

#include "engine/engine_run.h"
#include "engine/soil/coefficients.h"
#include "engine/soil/ep_profile.h"
#include "engine/soil/ep_profile_report.h"
#include "engine/soil/pressure_table.h"
#include "engine/soil/resultants.h"
#include "engine/soil/soil_units.h"
#include "engine/soil/surcharge.h"
#include "engine/soil/wall_surcharge_echo.h"

namespace torven::soil {

namespace {

const char* const kPressureFile = "KESTRA.001";
const char* const kDebugFile = "debug.dat";
// Far beyond any wall; keeps a mistyped thickness from exhausting memory.
constexpr long long kMaxRows = 200000;

double wallLength(const CaseData& c) { return c.wall.numIncrements * c.wall.incrementLength; }

void refuse(EngineRun& run, const std::string& message) {
    run.report().emptyLines(2);
    run.checkStop("     ERROR -- " + message);
}

// The surcharge formulas divide by the free height.
void requireFreeHeightForSurcharges(EngineRun& run) {
    const SoilRecord& soil = run.currentCase().soil;
    if (!soil.surcharges.empty() && !(soil.wall.freeHeight > 0.0))
        refuse(run, "SURCHARGE LOADS NEED A FREE HEIGHT GREATER THAN ZERO");
}

void checkCase(EngineRun& run) {
    const CaseData& c = run.currentCase();
    // The trapezoidal diagram is shaped by the supports.
    if (c.control.kep == 3 && c.nSpring + c.control.nTieback == 0)
        refuse(run, "TRAPEZOIDAL EARTH PRESSURE (KEP = 3) NEEDS A SPRING OR A TIEBACK");
    requireFreeHeightForSurcharges(run);
    int number = 0;
    for (const SoilLayer& layer : c.soil.layers) {
        ++number;
        if (!(layer.thickness > 0.0)) break;
        if (layer.type < 1 || layer.type > 7)
            refuse(run, "SOIL LAYER " + std::to_string(number) + " HAS THE UNKNOWN SOIL TYPE " +
                            std::to_string(layer.type));
    }
}

}  // namespace

void generateEarthPressure(EngineRun& run) {
    checkCase(run);
    CaseData& c = run.currentCase();
    SoilRecord& soil = c.soil;
    SoilWallRecord& w = soil.wall;
    Report& report = run.report();
    const int units = c.control.units;
    const double gammaWater = waterUnitWeight(units);
    std::ofstream(kDebugFile, std::ios::trunc).close();

    EPProfile profile = buildEPProfile(soil.layers, w.freeHeight, w.waterDepthBackfill, w.activeFactor);
    echoWallAndSurcharges(report, soil, gammaWater, run.labels());
    echoSoilInformation(report, profile, units, w.freeHeight);

    computeVerticalStress(profile, soil.uniformSurcharge, w.waterDepthBackfill, gammaWater);
    c.sigmaVDredge = profile.sigmaVDredge;
    writeOverburdenStress(report, profile, run.labels());
    const std::vector<Coefficients> coefficients =
        computeCoefficients(profile, w.backfillSlope, w.freeHeight, report, run.monitor());

    const ResultantInputs in{.profile = profile,
                             .coefficients = coefficients,
                             .legacy = legacySurcharge(soil),
                             .freeHeight = w.freeHeight,
                             .waterDepthBackfill = w.waterDepthBackfill,
                             .gammaWater = gammaWater};
    std::vector<LayerResultants> results = computeLayerResultants(in, report, run.labels());
    w.wallCode = computeWaterResultants(in, w.wallCode, results, report);
    checkNetPressure(profile, results, report, std::cerr);

    if (plannedRows(profile, units) > kMaxRows)
        refuse(run, "THE SOIL LAYERS GIVE MORE THAN " + std::to_string(kMaxRows) + " EARTH PRESSURE ROWS");
    const PressureTable computed = buildPressureTable({.profile = profile,
                                                       .coefficients = coefficients,
                                                       .surcharges = soil.surcharges,
                                                       .uniformSurcharge = soil.uniformSurcharge,
                                                       .freeHeight = w.freeHeight,
                                                       .waterDepthBackfill = w.waterDepthBackfill,
                                                       .waterDepthExcavation = w.waterDepthExcavation,
                                                       .gammaWater = gammaWater,
                                                       .wallCode = w.wallCode,
                                                       .units = units,
                                                       .wallLength = wallLength(c)});
    if (c.control.kep == 3) {
        const Supports supports{c.nSpring + c.control.nTieback, run.supportDepths().first, run.supportDepths().last};
        writePressureFile(kPressureFile, apparentPressureRows(computed, supports, w.freeHeight), computed.count);
    } else {
        writePressureFile(kPressureFile, computed.rows, computed.count);
    }
}

double casePressureFromSurcharges(EngineRun& run, double depth) {
    requireFreeHeightForSurcharges(run);
    const CaseData& c = run.currentCase();
    return surchargePressureAt(c.soil.surcharges, depth, c.soil.wall.freeHeight, wallLength(c));
}

}  // namespace torven::soil
