// p- and y-multipliers: the reduction for closely spaced elements and the
// entered modification table.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/py/multipliers.h"

namespace torven::py {
namespace {

TEST(PYMultipliers, ReductionForCloselySpacedElements) {
    struct Ratio {
        double widthActive, widthPY, p;
    };
    const Ratio ratios[] = {
        {48, 24, 0.5292 * std::pow(2.0, 0.5659)},  // r = 2: 0.783
        {24, 24, 1},                              // sheet-pile wall
        {12, 24, 1},                              // r below 1 counts as 1
        {74.4, 24, 1},                            // r = 3.1
        {96, 24, 1},
    };
    for (const Ratio& r : ratios) {
        SoilWallRecord wall;
        wall.widthActive = r.widthActive;
        wall.widthPY = r.widthPY;
        const PYMultipliers m({}, widthRatio(wall), 120);
        EXPECT_NEAR(m.p(240), r.p, 1e-6) << r.widthActive;
        EXPECT_EQ(m.y(240), 1) << r.widthActive;
    }
    EXPECT_NEAR(0.5292 * std::pow(2.0, 0.5659), 0.783, 5e-4);
    // Above the dredge line nothing is reduced.
    EXPECT_EQ(PYMultipliers({}, 2, 120).p(119), 1);
}

TEST(PYMultipliers, ModificationTableWithAStep) {
    const std::vector<PYModRow> table = {{0, 1, 1}, {240, 1, 2}, {240, 0.5, 3}, {480, 0.5, 3}};
    const PYMultipliers m(table, 2, 120);
    struct At {
        double depth, p, y;
    };
    for (const At& at : {At{120, 1, 1.5}, At{240, 0.5, 3}, At{360, 0.5, 3}, At{480, 0.5, 3}, At{481, 1, 1},
                         At{0, 1, 1}, At{-1, 1, 1}}) {
        EXPECT_DOUBLE_EQ(m.p(at.depth), at.p) << at.depth;
        EXPECT_DOUBLE_EQ(m.y(at.depth), at.y) << at.depth;
    }
}

TEST(PYMultipliers, SingleRowTableGivesOneEverywhere) {
    const PYMultipliers m({{240, 0.5, 2}}, 2, 120);
    for (double depth : {0.0, 240.0, 480.0}) {
        EXPECT_EQ(m.p(depth), 1) << depth;
        EXPECT_EQ(m.y(depth), 1) << depth;
    }
}

}  // namespace
}  // namespace torven::py
