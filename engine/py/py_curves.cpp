#include "engine/py/py_curves.h"

#include <fstream>

#include "engine/constants.h"
#include "engine/engine_run.h"
#include "engine/fortran_format.h"
#include "engine/py/layer_checks.h"
#include "engine/py/layer_generation.h"
#include "engine/py/py_report.h"

namespace torven::py {

namespace {

const char* const kCurveFile = "SOILDATA";

[[noreturn]] void refuse(EngineRun& run, const std::string& message) {
    run.report().emptyLines(2);
    run.checkStop("     ERROR -- " + message);
}

// Widths and multipliers that every model divides by or scales with.
void checkCase(EngineRun& run) {
    const CaseData& c = run.currentCase();
    if (!(c.soil.wall.widthPY > 0.0)) refuse(run, "THE WIDTH FOR P-Y CURVES MUST BE GREATER THAN ZERO");
    const std::vector<PYModRow>& rows = c.pyMods;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        if (j > 0 && !(rows[j].depth >= rows[j - 1].depth))
            refuse(run, "THE DEPTHS OF THE P-Y MODIFICATION FACTORS MUST NOT DECREASE");
        if (!(rows[j].pMultiplier >= 0.0)) refuse(run, "THE P-MULTIPLIERS MUST NOT BE NEGATIVE");
        if (!(rows[j].yMultiplier > 0.0)) refuse(run, "THE Y-MULTIPLIERS MUST BE GREATER THAN ZERO");
    }
}

Refusal layerRefusal(EngineRun& run, int layer, int soilType) {
    return [&run, layer, soilType](const std::string& reason) {
        refuse(run, layerName(layer, soilType) + ": " + reason);
    };
}

}  // namespace

void generatePYCurves(EngineRun& run, std::ostream& warnings) {
    warnings << " READ SOIL DATA....\n";
    const CaseData& c = run.currentCase();
    const SoilWallRecord& wall = c.soil.wall;
    Report& report = run.report();
    checkCase(run);
    std::ofstream out(kCurveFile, std::ios::binary | std::ios::trunc);
    if (!out) refuse(run, "THE P-Y CURVE FILE " + std::string(kCurveFile) + " CANNOT BE WRITTEN");
    // Consistent units are labelled as English ones here.
    const UnitLabels labels = UnitLabels::forUnits(c.control.units == 2 ? 2 : 1);

    const soil::PYProfile profile({c.soil.layers, wall.freeHeight, wall.waterDepthBackfill, c.wall.numIncrements,
                                   c.wall.incrementLength, c.control.units},
                                  report, warnings);
    profile.writeReport(labels);

    SoilDataFile file(out);
    const int layers = static_cast<int>(profile.layers().size());
    file.countLine(c.control.nPYCurves + soil::kCurvesPerLayer * layers);
    for (const UserCurve& user : c.userCurves) file.userCurve(user);
    if (!c.pyMods.empty()) writeModificationTable(report, c.pyMods);
    report.emptyLines(2);
    report.line(fmt::X(8) + "P-Y CURVES DATA");
    report.line();

    const double ratio = widthRatio(wall);
    const PYMultipliers multipliers(c.pyMods, ratio, wall.freeHeight);
    double force = 0.0;
    for (int layer = 0; layer < layers; ++layer) {
        const int type = profile.layers()[layer].soilType;
        const LayerSetting s{.profile = profile,
                             .layer = layer,
                             .b = wall.widthPY,
                             .continuous = ratio < k::k1_1,
                             .freeHeight = wall.freeHeight,
                             .sigmaVDredge = c.sigmaVDredge,
                             .forceAbove = force,
                             .report = report,
                             .labels = labels,
                             .warnings = warnings,
                             .refuse = layerRefusal(run, layer, type)};
        checkLayerParameters(s);
        force += generateLayer(s, multipliers, file);
    }
}

}  // namespace torven::py
