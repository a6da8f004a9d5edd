#pragma once
// The p-y curves in use and how they load the wall: each curve is replaced by
// the straight segment that holds the current deflection, interpolated between
// consecutive curves over the stations between them.
#include <vector>

#include "engine/wall_model.h"

namespace torven {

struct PYCurve {
    int fromIndex = 0;  // K = station + 4
    int toIndex = 0;
    int contd = 0;      // 1: interpolate with the next curve
    std::vector<double> y;  // ascending
    std::vector<double> p;  // force per station, opposing the deflection
};

struct Linearised {
    double intercept = 0.0;  // c in p = c - k w
    double stiffness = 0.0;  // k
};

// The segment of `curve` that holds w; sets offCurves when w lies beyond the ends.
Linearised linearise(const PYCurve& curve, double w, bool& offCurves);

enum class SoilLoadStatus { Ok, NotInOrder };

// Adds the linearised soil of every curve to Qw and Sw at the current W.
SoilLoadStatus addSoilContributions(const std::vector<PYCurve>& curves, WallModel& wall, bool& offCurves);

}  // namespace torven
