#include "engine/soil/ep_profile.h"

#include <algorithm>
#include <cmath>

namespace torven::soil {

namespace {

bool isRock(int type) { return type == 6 || type == 7; }

EPLayer fromInput(const SoilLayer& in, double factor) {
    EPLayer l;
    l.gamma = in.top[0];
    l.cohesion = in.top[1];
    l.phi = in.top[2];
    // A rock's sixth value is its RQD, never an earth-pressure coefficient.
    l.kaInput = isRock(in.type) ? 0.0 : in.top[5];
    l.drained = in.type >= 4;
    l.factor = factor;
    return l;
}

// The cut depths below the surface, ascending; near neighbours count once.
std::vector<double> cutDepths(double freeHeight, double waterDepthBackfill) {
    std::vector<double> cuts = {freeHeight, waterDepthBackfill};
    std::sort(cuts.begin(), cuts.end());
    if (cuts[1] - cuts[0] < kDepthTolerance) cuts.pop_back();
    // A depth at or above the surface cuts nothing.
    std::erase_if(cuts, [](double d) { return !(d > kDepthTolerance); });
    return cuts;
}

int lastLayerWithTopAt(const EPProfile& p, double depth) {
    int found = -1;
    for (int i = 0; i < p.count(); ++i)
        if (std::fabs(p.layers[i].zTop - depth) < kDepthTolerance) found = i;
    return found;
}

}  // namespace

EPProfile buildEPProfile(const std::vector<SoilLayer>& input, double freeHeight, double waterDepthBackfill,
                         double activeFactor) {
    EPProfile p;
    const std::vector<double> cuts = cutDepths(freeHeight, waterDepthBackfill);
    std::size_t cut = 0;
    double top = 0.0;
    auto add = [&](EPLayer layer, double thick) {
        if (p.count() == kMaxEPLayers) {
            p.overflow = true;
            return false;
        }
        layer.thick = thick;
        layer.zTop = top;
        p.layers.push_back(layer);
        return true;
    };
    for (const SoilLayer& in : input) {
        if (!(in.thickness > 0.0)) break;
        const EPLayer values = fromInput(in, activeFactor);
        double thick = in.thickness;
        bool room = true;
        while (room) {
            const double bottom = top + thick;
            const bool cutting = cut < cuts.size();
            if (cutting && std::fabs(bottom - cuts[cut]) < kDepthTolerance) {
                room = add(values, thick);
                top = bottom;
                ++cut;
                break;
            }
            if (cutting && bottom > cuts[cut]) {
                room = add(values, cuts[cut] - top);
                top = cuts[cut];
                thick = bottom - cuts[cut];
                ++cut;
                continue;
            }
            room = add(values, thick);
            top = bottom;
            break;
        }
        if (!room) break;
    }
    p.bottom = p.layers.empty() ? 0.0 : p.layers.back().zTop + p.layers.back().thick;
    p.dredgeLayer = lastLayerWithTopAt(p, freeHeight);
    p.waterLayer = lastLayerWithTopAt(p, waterDepthBackfill);
    return p;
}

void computeVerticalStress(EPProfile& p, double uniformSurcharge, double waterDepthBackfill, double gammaWater) {
    std::vector<EPLayer>& l = p.layers;
    for (EPLayer& layer : l) layer.belowWater = layer.zTop >= waterDepthBackfill - kDepthTolerance;
    // Total stresses first; the pore pressure comes off each layer top afterwards.
    for (std::size_t i = 0; i < l.size(); ++i)
        l[i].sigmaV = i == 0 ? uniformSurcharge : l[i - 1].sigmaV + l[i - 1].thick * l[i - 1].gamma;
    for (EPLayer& layer : l)
        if (layer.belowWater) layer.sigmaV -= (layer.zTop - waterDepthBackfill) * gammaWater;
    p.bottom = l.empty() ? 0.0 : l.back().zTop + l.back().thick;
    p.sigmaVDredge = p.dredgeLayer >= 0 ? l[p.dredgeLayer].sigmaV : 0.0;
}

}  // namespace torven::soil
