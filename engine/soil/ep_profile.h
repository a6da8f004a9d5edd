#pragma once
// The earth-pressure profile: the soil layers from the backfill surface down,
// cut at the dredge line and at the backfill water table, with the effective
// vertical stress at the top of every layer.
#include <vector>

#include "engine/case_data.h"

namespace torven::soil {

// Beyond this many layers after the cuts the profile is refused.
inline constexpr int kMaxEPLayers = 21;
// Depths closer than this are one depth.
inline constexpr double kDepthTolerance = 1.0E-5;

struct EPLayer {
    double thick = 0.0;
    double zTop = 0.0;
    double gamma = 0.0;     // total unit weight
    double cohesion = 0.0;  // c, or qu for rock
    double phi = 0.0;       // degrees
    double kaInput = 0.0;   // entered active coefficient, 0 = compute
    bool drained = false;
    double factor = 0.0;    // ActiveFactor
    bool belowWater = false;
    double sigmaV = 0.0;    // effective vertical stress at the layer top
};

struct EPProfile {
    std::vector<EPLayer> layers;
    double bottom = 0.0;    // depth of the bottom of the last layer
    int dredgeLayer = -1;   // index of the layer whose top is the dredge line, -1 when none
    int waterLayer = -1;    // index of the layer whose top is the water table, -1 when none
    bool overflow = false;  // the cuts would pass kMaxEPLayers
    double sigmaVDredge = 0.0;

    int count() const { return static_cast<int>(layers.size()); }
    // Depth of the top of layer i; i == count() gives the bottom of the profile.
    double zTop(int i) const { return i < count() ? layers[i].zTop : bottom; }
};

// Unit weight for the active pressure: submerged for a drained layer below water.
inline double effectiveGamma(const EPLayer& l, double gammaWater) {
    return l.drained && l.belowWater ? l.gamma - gammaWater : l.gamma;
}

// Copies and cuts the input layers; the list of layers ends at the first one
// whose thickness is not positive.
EPProfile buildEPProfile(const std::vector<SoilLayer>& input, double freeHeight, double waterDepthBackfill,
                         double activeFactor);

// Fills belowWater, sigmaV, bottom and sigmaVDredge.
void computeVerticalStress(EPProfile& profile, double uniformSurcharge, double waterDepthBackfill,
                           double gammaWater);

}  // namespace torven::soil
