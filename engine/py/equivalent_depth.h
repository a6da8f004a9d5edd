#pragma once
// Equivalent depth of the top of a lower layer: the depth at which a
// homogeneous soil of the layer's kind would have built up, from its own
// surface, the integrated ultimate resistance F of all layers above.
#include <optional>

namespace torven::py {

struct EquivalentDepthInput {
    double force = 0.0;     // F
    double b = 0.0;
    double c = 0.0;
    double ca = 0.0;
    double gammaAvg = 0.0;
    double phi = 0.0;       // radians
    double z = 0.0;         // current curve depth (sand and silt beyond the transition)
};

// Empty when a division of the formula fails for these parameters (a clay
// with c = 0 under a layer with resistance, for example).
std::optional<double> equivalentDepth(int soilType, const EquivalentDepthInput& in);

std::optional<double> softClayEquivalentDepth(const EquivalentDepthInput& in);
std::optional<double> stiffClayBelowWaterEquivalentDepth(const EquivalentDepthInput& in);
std::optional<double> stiffClayAboveWaterEquivalentDepth(const EquivalentDepthInput& in);
std::optional<double> sandEquivalentDepth(const EquivalentDepthInput& in);
std::optional<double> siltEquivalentDepth(const EquivalentDepthInput& in);

// The value when it is a finite number.
std::optional<double> finiteOrNone(double value);

}  // namespace torven::py
