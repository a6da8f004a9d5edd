#include "engine/py/layer_generation.h"

#include <cmath>

#include "engine/fortran_format.h"
#include "engine/py/clay_curves.h"
#include "engine/py/py_report.h"

namespace torven::py {

namespace {

// Finite points with deflections that never fall; anything else cannot be
// handed to the iteration.
void requireUsable(const LayerSetting& s, const CurvePoints& pts, double x) {
    bool usable = true;
    for (int k = 0; k < kSidePoints; ++k) {
        usable = usable && std::isfinite(pts.y[k]) && std::isfinite(pts.p[k]);
        if (k > 0) usable = usable && pts.y[k] >= pts.y[k - 1];
    }
    if (!usable) s.refuse("ITS PARAMETERS GIVE NO P-Y CURVE AT X =" + fmt::E(x, 10, 3));
}

void writeSide(const LayerSetting& s, const CurveModel& model, const SideCurve& c, Side side, double mp, double my,
               SoilDataFile& file) {
    const ModelStyle& style = model.style();
    for (int k = 0; k < kSidePoints; ++k) {
        double y = c.points.y[k];
        double p = c.points.p[k];
        if (style.warnsTinyDeflection && k > 0 && y < kTinyDeflection)
            writeTinyDeflectionWarning(s.report, c.initialModulus);
        if (!style.rock) p = side == Side::Excavation ? mp * p - c.shift : mp * p + c.shift;
        y = my * y;
        s.report.line(pointLine(style.points, y, p));
        file.row(k + 1, p, y, style.rowGap);
    }
    if (!style.rock) writeMultiplierLine(s.report, mp, my);
}

}  // namespace

double generateLayer(const LayerSetting& s, const PYMultipliers& multipliers, SoilDataFile& file) {
    const std::unique_ptr<CurveModel> model = makeCurveModel(s.pyLayer().soilType, s);
    const std::vector<double>& depths = s.profile.curveDepths();
    for (int i = 0; i < soil::kCurvesPerLayer; ++i) {
        const double x = depths[s.layer * soil::kCurvesPerLayer + i];
        model->enterDepth(i, x);
        const double depth = s.freeHeight + x;
        const double mp = multipliers.p(depth);
        const double my = multipliers.y(depth);
        file.depthLine(depth);
        for (Side side : {Side::Excavation, Side::Backfill}) {
            const double z = side == Side::Excavation ? x : depth;
            const SideCurve c = model->curve(side, z, mp);
            requireUsable(s, c.points, x);
            if (model->style().sideTitle) writeSideTitle(s.report, side);
            model->writeHeader(side, z);
            writeSide(s, *model, c, side, mp, my, file);
        }
    }
    return model->layerResistance();
}

}  // namespace torven::py
