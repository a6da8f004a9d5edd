// The three clay curves against the published formulas: Matlock's soft clay
// with J = 0.5, stiff clay below water with the As table, stiff clay above
// water with the fourth-root curve.
#include <gtest/gtest.h>

#include "engine/py/clay_curves.h"
#include "tests/engine/py/published_curves.h"
#include "tests/engine/py/py_case.h"

namespace torven::py {
namespace {

using test::near;

constexpr double kRel = 1e-6;  // the engine's factors are single-precision values
constexpr double kB = 24, kGamma = 0.07, kEps50 = 0.005;

ClayInput clay(double c, double ca, double z, bool continuous = false) {
    return {.c = c, .ca = ca, .gammaAvg = kGamma, .eps50 = kEps50, .b = kB, .z = z, .zp = z, .k = 500,
            .continuous = continuous};
}

// Resistances to within a millionth of pu: the residual of the stiff clay is a difference of near values.
void expectPoints(const CurvePoints& got, const test::Points& expected, double pu, const std::string& what) {
    for (int k = 0; k < kSidePoints; ++k) {
        EXPECT_TRUE(near(got.y[k], expected[k][0], kRel)) << what << " point " << k + 1;
        EXPECT_TRUE(near(got.p[k], expected[k][1], kRel, kRel * pu)) << what << " point " << k + 1;
    }
}

struct Depth {
    const char* name;
    double c, ca, z;
    bool continuous;
    double pu;  // published ultimate resistance
};

TEST(SoftClayCurve, MatlockStaticCurve) {
    const Depth depths[] = {
        {"shallow", 3, 3, 40, false, (3 + kGamma * 40 / 3 + 0.5 * 40 / kB) * 3 * kB},
        {"Np reaches 9", 1, 1, 200, false, 9 * 1 * kB},
        {"sheet-pile wall", 3, 3, 40, true, (kGamma * 40 + 2 * 3) * kB},
        {"no strength", 0, 0, 40, false, 0},
    };
    for (const Depth& d : depths) {
        const ClayCurve curve = softClayCurve(clay(d.c, d.ca, d.z, d.continuous));
        EXPECT_TRUE(near(curve.pu, d.pu, 1e-12)) << d.name;
        expectPoints(curve.points, test::matlockSoftClay(d.pu, 2.5 * kEps50 * kB), d.pu, d.name);
    }
}

TEST(StiffClayBelowWaterCurve, StaticCurveWithTheAsTable) {
    EXPECT_TRUE(near(staticAs(0), 0.223, kRel));
    EXPECT_TRUE(near(staticAs(2.5), 0.57, kRel));
    EXPECT_TRUE(near(staticAs(9), 0.6, kRel));
    const Depth depths[] = {
        {"below 11 c b", 10, 8, 60, false, 2 * 8 * kB + kGamma * kB * 60 + 2.83 * 8 * 60},
        {"11 c b", 2, 2, 100, false, 11 * 2 * kB},
        {"sheet-pile wall", 10, 8, 60, true, (kGamma * 60 + 2 * 10) * kB},
        // Es = 500 z is small near the surface: the initial line cuts the curve.
        {"initial line", 10, 10, 0.5, false, 2 * 10 * kB + kGamma * kB * 0.5 + 2.83 * 10 * 0.5},
    };
    for (const Depth& d : depths) {
        const ClayCurve curve = stiffClayBelowWaterCurve(clay(d.c, d.ca, d.z, d.continuous));
        EXPECT_TRUE(near(curve.pu, d.pu, kRel)) << d.name;
        const double as = test::publishedAs(d.z / kB);
        expectPoints(curve.points, test::stiffClayBelowWater(d.pu, as, kEps50 * kB, 500 * d.z), d.pu, d.name);
    }
    // The residual is pc (1.225 sqrt(As) - 0.75 As - 0.411), 1.225 standing for sqrt(6) / 2.
    const ClayCurve c = stiffClayBelowWaterCurve(clay(10, 8, 60));
    EXPECT_TRUE(near(c.points.p[16], c.pu * (1.225 * std::sqrt(0.57) - 0.75 * 0.57 - 0.411), 0, 1e-3 * c.pu));
}

TEST(StiffClayAboveWaterCurve, FourthRootCurve) {
    const Depth depths[] = {
        {"below 9 c b", 6, 5, 40, false, 3 * 5 * kB + kGamma * kB * 40 + 0.5 * 5 * 40},
        {"9 c b", 2, 2, 300, false, 9 * 2 * kB},
        {"sheet-pile wall", 6, 5, 40, true, (kGamma * 40 + 2 * 6) * kB},
    };
    for (const Depth& d : depths) {
        const ClayCurve curve = stiffClayAboveWaterCurve(clay(d.c, d.ca, d.z, d.continuous));
        EXPECT_TRUE(near(curve.pu, d.pu, 1e-12)) << d.name;
        expectPoints(curve.points, test::stiffClayAboveWater(d.pu, 2.5 * kEps50 * kB), d.pu, d.name);
    }
}

TEST(ClayShift, ActivePressureAtTheDredgeLineOrNothing) {
    EXPECT_DOUBLE_EQ(clayShift(8.4, 3, 24), (8.4 - 6) * 24);
    EXPECT_EQ(clayShift(8.4, 4.2, 24), 0);
    EXPECT_EQ(clayShift(8.4, 5, 24), 0);
}

}  // namespace
}  // namespace torven::py
