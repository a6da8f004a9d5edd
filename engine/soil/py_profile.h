#pragma once
// The p-y profile: the soil layers below the excavation surface, measured by
// X from that surface down to two increments below the wall tip, with the
// distributions of effective unit weight and strength, the depths at which
// p-y curves are generated, and the lookups the curve generators share.
#include <iostream>
#include <vector>

#include "engine/case_data.h"
#include "engine/report.h"

namespace torven::soil {

// Curves generated per p-y layer.
inline constexpr int kCurvesPerLayer = 5;

struct PYLayer {
    double xTop = 0.0;
    double xBottom = 0.0;
    int soilType = 0;
    double modulusK = 0.0;  // top-set position 5
};

struct GammaPoint {
    double x = 0.0;
    double gamma = 0.0;  // effective unit weight
};

// Two per layer, at its top and bottom; equal X marks a layer boundary.
struct StrengthPoint {
    double x = 0.0;
    double strength = 0.0;  // c, or qu for rock
    double phi = 0.0;       // radians
    double eps50 = 0.0;     // or krm for weak rock
    double sixth = 0.0;     // position 6: Ka, or RQD for weak rock
};

struct PYProfileInput {
    const std::vector<SoilLayer>& layers;
    double freeHeight = 0.0;
    double waterDepthBackfill = 0.0;
    int numIncrements = 0;
    double incrementLength = 0.0;
    int units = 1;
};

class PYProfile {
public:
    // Ends the run when no soil lies below the excavation surface within the
    // wall. Stops of the lookups name their cause in `report`; the strength
    // and friction-angle warnings also go to `warnings`.
    PYProfile(const PYProfileInput& in, Report& report, std::ostream& warnings = std::cerr);

    const std::vector<PYLayer>& layers() const { return layers_; }
    const std::vector<GammaPoint>& gammaDist() const { return gamma_; }
    const std::vector<StrengthPoint>& strengthDist() const { return strength_; }
    // kCurvesPerLayer X values per layer, layer by layer.
    const std::vector<double>& curveDepths() const { return curveDepths_; }
    // The layer (0-based) of curve `curve` (0-based).
    static int layerOfCurve(int curve) { return curve / kCurvesPerLayer; }
    double freeHeight() const { return freeHeight_; }

    // Values on the strength distribution at X. Beyond its end strengthAt and
    // phiAt stop the run; eps50At gives the last value.
    double strengthAt(double x) const;
    double phiAt(double x) const;
    double eps50At(double x) const;
    // Position 6 (RQD for weak rock), looked up like eps50At.
    double sixthAt(double x) const;
    // Mean strength of `layer` (0-based) from its top to X; beyond the end of
    // the distribution a warning in the report, and the run goes on.
    double strengthAvg(int layer, double x) const;
    // Mean effective unit weight from the excavation surface to X; beyond the
    // end of the distribution the run stops.
    double gammaAvg(double x) const;

    // "SOIL LAYERS AND STRENGTH DATA" and the two distribution tables.
    void writeReport(const UnitLabels& labels) const;

private:
    void addLayer(const SoilLayer& in, double xTop, double thick, double xMax);
    void buildGammaDist(const std::vector<double>& topGamma, double waterDepthBackfill, double gammaWater);
    void buildCurveDepths(int units);
    [[noreturn]] void beyondStrengthCurve(double x, const char* beyond, const char* curve) const;

    std::vector<PYLayer> layers_;
    std::vector<GammaPoint> gamma_;
    std::vector<StrengthPoint> strength_;
    std::vector<double> curveDepths_;
    double freeHeight_ = 0.0;
    Report* report_;
    std::ostream* warnings_;
};

}  // namespace torven::soil
