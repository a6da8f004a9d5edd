// Equivalent depths: a soft clay layer under a stiffer one against a hand
// calculation, no resistance above giving 0, and failing divisions.
#include <gtest/gtest.h>

#include "engine/constants.h"
#include "engine/py/equivalent_depth.h"

namespace torven::py {
namespace {

// Soft clay, c = 3, gamma = 0.07 on b = 24: Np reaches 9 at xr = 432 / 3.18.
EquivalentDepthInput softClay(double force) {
    return {.force = force, .b = 24, .c = 3, .ca = 3, .gammaAvg = 0.07, .z = 80.1};
}

// Resistance of the soft clay from its surface to x: the integral of (3 c + gamma z + c z / (2 b)) b.
double softClayResistance(double x) { return 3 * 3 * 24 * x + 0.07 * 24 * x * x / 2 + 3 * x * x / 4; }

TEST(EquivalentDepth, SoftClayBuildsUpTheResistanceAbove) {
    const double xr = 432 / 3.18;
    ASSERT_LT(softClayResistance(xr - 1), 58686.8);
    const std::optional<double> shallow = softClayEquivalentDepth(softClay(20000));
    ASSERT_TRUE(shallow);
    EXPECT_NEAR(*shallow, 63.1951037, 1e-6);
    EXPECT_NEAR(softClayResistance(*shallow), 20000, 1e-6);

    // A strong upper layer: beyond xr the resistance grows by 9 c b per unit depth.
    const std::optional<double> deep = softClayEquivalentDepth(softClay(100000));
    ASSERT_TRUE(deep);
    EXPECT_GT(*deep, xr);
    EXPECT_NEAR(*deep, 199.6040065, 1e-6);
    EXPECT_NEAR(softClayResistance(xr) + 9 * 3 * 24 * (*deep - xr), 100000, 1e-6);
}

TEST(EquivalentDepth, NoResistanceAboveGivesZero) {
    const EquivalentDepthInput clay = softClay(0);
    EquivalentDepthInput sand{.force = 0, .b = 24, .gammaAvg = 0.065, .phi = 32 * k::kPiSingle / 180, .z = 80.1};
    EquivalentDepthInput silt = sand;
    silt.c = 2;
    EXPECT_EQ(equivalentDepth(1, clay), 0.0);
    EXPECT_EQ(equivalentDepth(3, clay), 0.0);
    // The stepped sums interpolate back to their start.
    EXPECT_NEAR(*equivalentDepth(2, clay), 0.0, 1e-12);
    EXPECT_NEAR(*equivalentDepth(4, sand), 0.0, 1e-12);
    EXPECT_NEAR(*equivalentDepth(5, silt), 0.0, 1e-12);
}

TEST(EquivalentDepth, SandGrowsWithTheResistanceAbove) {
    EquivalentDepthInput sand{.force = 0, .b = 24, .gammaAvg = 0.065, .phi = 32 * k::kPiSingle / 180, .z = 80.1};
    double previous = 0;
    for (double force : {1e3, 1e4, 1e5, 1e6, 1e7}) {
        sand.force = force;
        const double x = *sandEquivalentDepth(sand);
        EXPECT_GT(x, previous) << force;
        previous = x;
    }
}

TEST(EquivalentDepth, ClayWithoutStrengthUnderResistanceHasNone) {
    for (int type : {1, 2, 3}) {
        EquivalentDepthInput in = softClay(20000);
        in.c = in.ca = 0;
        EXPECT_FALSE(equivalentDepth(type, in)) << type;
    }
}

}  // namespace
}  // namespace torven::py
