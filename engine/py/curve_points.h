#pragma once
// The 17 points of one side of a generated p-y curve.
#include <array>

namespace torven::py {

inline constexpr int kSidePoints = 17;

struct CurvePoints {
    std::array<double, kSidePoints> y{};
    std::array<double, kSidePoints> p{};
};

enum class Side { Excavation, Backfill };

}  // namespace torven::py
