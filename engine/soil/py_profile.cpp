#include "engine/soil/py_profile.h"

#include "engine/constants.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/soil_units.h"

namespace torven::soil {

namespace {

StrengthPoint strengthPoint(double x, const double* values) {
    return {x, values[1], values[2] * k::kPiSingle / 180.0, values[3], values[5]};
}

}  // namespace

PYProfile::PYProfile(const PYProfileInput& in, Report& report, std::ostream& warnings)
    : freeHeight_(in.freeHeight), report_(&report), warnings_(&warnings) {
    const double h = in.incrementLength;
    // Curves reach two increments below the tip.
    const double xMax = in.numIncrements * h + 2.0 * h - in.freeHeight;
    std::vector<double> topGamma;
    double cumulative = 0.0;
    bool started = false;
    for (const SoilLayer& layer : in.layers) {
        if (!(layer.thickness > 0.0)) break;
        cumulative += layer.thickness;
        double thick = layer.thickness;
        if (!started) {
            if (!(cumulative > in.freeHeight)) continue;
            started = true;
            thick = cumulative - in.freeHeight;
        }
        const double xTop = layers_.empty() ? 0.0 : layers_.back().xBottom;
        if (!(xMax > xTop)) break;
        addLayer(layer, xTop, thick, xMax);
        topGamma.push_back(layer.top[0]);
        if (!(layers_.back().xBottom < xMax)) break;
    }
    if (layers_.empty()) fatalStop(report, "NO SOIL LAYER LIES BELOW THE EXCAVATION SURFACE WITHIN THE WALL");
    buildGammaDist(topGamma, in.waterDepthBackfill, waterUnitWeight(in.units));
    buildCurveDepths(in.units);
}

void PYProfile::addLayer(const SoilLayer& in, double xTop, double thick, double xMax) {
    PYLayer layer{xTop, xTop + thick, in.type, in.top[4]};
    StrengthPoint bottom = strengthPoint(layer.xBottom, in.bottom);
    if (layer.xBottom > xMax) {
        // The cut layer ends on the straight line between its top and bottom values.
        const StrengthPoint top = strengthPoint(xTop, in.top);
        const double f = (xMax - xTop) / (layer.xBottom - xTop);
        auto at = [f](double a, double b) { return a + (b - a) * f; };
        bottom = {xMax, at(top.strength, bottom.strength), at(top.phi, bottom.phi), at(top.eps50, bottom.eps50),
                  at(top.sixth, bottom.sixth)};
        layer.xBottom = xMax;
    }
    layers_.push_back(layer);
    strength_.push_back(strengthPoint(xTop, in.top));
    strength_.push_back(bottom);
}

void PYProfile::buildGammaDist(const std::vector<double>& topGamma, double waterDepth, double gammaWater) {
    const double h = freeHeight_;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        const PYLayer& l = layers_[i];
        const double dry = topGamma[i];
        const double submerged = dry - gammaWater;
        // A top at the water table is submerged when the soil above ends there too.
        const bool topAtWater = h + l.xTop == waterDepth && (gamma_.empty() || h + gamma_.back().x == waterDepth);
        GammaPoint top{l.xTop, h + l.xTop > waterDepth || topAtWater ? submerged : dry};
        if (!gamma_.empty() && top.x > gamma_.back().x) top.x = gamma_.back().x;
        gamma_.push_back(top);
        if (h + l.xTop < waterDepth && waterDepth < h + l.xBottom)
            gamma_.push_back({waterDepth - h, dry});
        else
            gamma_.push_back({l.xBottom, h + l.xBottom > waterDepth ? submerged : dry});
    }
    const GammaPoint last = gamma_.back();
    const double end = strength_.back().x;
    if (last.x < end) {
        gamma_.push_back({last.x, last.gamma - gammaWater});
        gamma_.push_back({end, last.gamma - gammaWater});
    }
}

void PYProfile::buildCurveDepths(int units) {
    const double d = units == 2 ? k::k0_01 : k::k0_1;
    for (const PYLayer& l : layers_) {
        const double t = l.xBottom - l.xTop;
        for (double x : {l.xTop + d, l.xTop + 0.25 * t, l.xTop + 0.5 * t, l.xTop + 0.75 * t, l.xBottom - d})
            curveDepths_.push_back(x);
    }
}

}  // namespace torven::soil
