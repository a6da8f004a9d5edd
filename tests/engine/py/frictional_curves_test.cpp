// Sand and silt curves: the wedge and flow-around resistance and the sand
// curve against the published formulas, the A and B tables, Coulomb's
// coefficient of a continuous wall, and the three shapes of the silt curve.
#include <gtest/gtest.h>

#include "engine/constants.h"
#include "engine/py/frictional_curves.h"
#include "engine/py/sand_coefficients.h"
#include "tests/engine/py/published_curves.h"
#include "tests/engine/py/py_case.h"

namespace torven::py {
namespace {

using test::near;

constexpr double kRel = 1e-6;

double radians(double degrees) { return degrees * k::kPiSingle / 180.0; }

TEST(SandResistance, WedgeAndFlowAroundAgainstThePublishedFormulas) {
    struct Depth {
        double phi, z;
    };
    for (const Depth& d : {Depth{35, 18}, Depth{30, 60}, Depth{32, 0.1}, Depth{38, 300}}) {
        const SandResistance got = sandResistance(sandCoefficients(radians(d.phi), k::kPiSingle), 0.065, d.z, 24);
        const test::PublishedSand expected = test::reeseSandResistance(d.phi, 0.065, d.z, 24);
        EXPECT_TRUE(near(got.wedge, expected.wedge, kRel)) << d.phi << " at " << d.z;
        EXPECT_TRUE(near(got.flowAround, expected.flowAround, kRel)) << d.phi << " at " << d.z;
    }
}

TEST(SandResistance, NothingAtZeroDepth) {
    const SandResistance r = sandResistance(sandCoefficients(radians(30), k::kPiSingle), 0.065, 0, 24);
    EXPECT_EQ(r.wedge, 0);
    EXPECT_EQ(r.flowAround, 0);
}

TEST(StaticCoefficients, TablesInterpolatedAndConstantBeyond) {
    struct Row {
        double xOverB, a, b;
    };
    for (const Row& r : {Row{0, 2.83, 2.14}, Row{0.75, 2.295, 1.685}, Row{3.5, 0.98, 0.62}, Row{6, 0.88, 0.5},
                         Row{20, 0.88, 0.5}}) {
        EXPECT_TRUE(near(staticA(r.xOverB), r.a, kRel)) << r.xOverB;
        EXPECT_TRUE(near(staticB(r.xOverB), r.b, kRel)) << r.xOverB;
    }
}

TEST(StaticCoefficients, CoulombPassiveWithWallFrictionOfHalfPhi) {
    // cos^2 30 / (cos 15 (1 - sqrt(sin 45 sin 30 / cos 15))^2)
    EXPECT_NEAR(coulombPassive(radians(30), radians(30) / 2), 4.97653, 1e-5);
}

TEST(SandCurve, ParabolaThroughYmPmAgainstThePublishedCurve) {
    // z / b = 0.75: A = 2.295, B = 1.685; k = 90 meets the parabola below ym,
    // k = 5 only beyond yu, which compresses the curve onto the initial line.
    const double ps = test::reeseSandResistance(35, 0.065, 18, 24).wedge;
    for (double k : {90.0, 5.0}) {
        const double pu = 2.295 * ps, pm = 1.685 * ps;
        const CurvePoints got = sandCurve({.pu = pu, .pm = pm, .b = 24, .es = k * 18, .zp = 18});
        const test::Points expected = test::reeseSand(pu, pm, 24, k * 18);
        for (int i = 0; i < kSidePoints; ++i) {
            EXPECT_TRUE(near(got.y[i], expected[i][0], kRel)) << k << " point " << i + 1;
            EXPECT_TRUE(near(got.p[i], expected[i][1], kRel)) << k << " point " << i + 1;
        }
    }
    const CurvePoints stiff = sandCurve({.pu = 2.295 * ps, .pm = 1.685 * ps, .b = 24, .es = 90 * 18, .zp = 18});
    EXPECT_DOUBLE_EQ(stiff.y[12], 0.4);  // ym = b / 60
    EXPECT_TRUE(near(stiff.p[12], 1.685 * ps, 1e-12));
    EXPECT_DOUBLE_EQ(stiff.y[15], 0.9);  // yu = 3 b / 80
    EXPECT_TRUE(near(stiff.p[15], 2.295 * ps, 1e-12));
}

TEST(SandCurve, NoResistanceAtTheSurfaceGivesAFlatCurve) {
    const CurvePoints flat = sandCurve({.pu = 0, .pm = 0, .b = 24, .es = 0, .zp = 0});
    for (int i = 0; i < kSidePoints; ++i) EXPECT_EQ(flat.p[i], 0) << i;
    for (int i = 1; i < kSidePoints; ++i) EXPECT_GT(flat.y[i], flat.y[i - 1]) << i;
}

TEST(SiltCurve, EachShapeReachedByItsInitialModulus) {
    // pu = 1000, pm = 800 on b = 24: ym = 0.4, yu = 0.9, the line through (ym, pm) has slope 400.
    struct Shape {
        double es;
        int shape;
    };
    for (const Shape& s : {Shape{20000, 1}, Shape{1800, 2}, Shape{1000, 3}}) {
        const SiltCurve c = siltCurve({.pu = 1000, .pm = 800, .b = 24, .es = s.es, .zp = 18});
        EXPECT_EQ(c.shape, s.shape) << s.es;
        const CurvePoints& p = c.points;
        switch (s.shape) {
            case 1:  // the parabola reaches pm at ym
                EXPECT_DOUBLE_EQ(p.y[12], 0.4);
                EXPECT_TRUE(near(p.p[12], 800, 1e-12));
                EXPECT_TRUE(near(p.p[15], 1000, 1e-12));
                break;
            case 2: {  // the initial line meets the line through (ym, pm) at y1
                const double y1 = (800 - 400 * 0.4) / (1800 - 400.0);
                EXPECT_TRUE(near(p.y[8], y1, 1e-12));
                EXPECT_TRUE(near(p.p[8], 1800 * y1, 1e-12));
                EXPECT_TRUE(near(p.p[14], 1800 * y1 + 400 * (0.9 - y1), 1e-12));
                break;
            }
            case 3:  // the initial line runs up to pu
                EXPECT_TRUE(near(p.y[12], 1.0, 1e-12));
                EXPECT_TRUE(near(p.p[12], 1000, 1e-12));
                EXPECT_TRUE(near(p.p[5], 1000 * 5 / 12.0, 1e-12));
                break;
        }
        EXPECT_EQ(p.p[16], 1000) << s.es;
        for (int i = 1; i < kSidePoints; ++i) EXPECT_GT(p.y[i], p.y[i - 1]) << s.es << " point " << i + 1;
    }
}

TEST(FrictionalShift, ActivePressureLessTheCohesion) {
    EXPECT_DOUBLE_EQ(frictionalShift(8, 0.25, 12, 0), 8 * 0.25 * 12);
    EXPECT_DOUBLE_EQ(frictionalShift(8, 0.25, 12, 1), 8 * 0.25 * 12 - 2 * 1 * 0.5 * 12);
    EXPECT_EQ(frictionalShift(8, 0.25, 12, 2), 0);
}

}  // namespace
}  // namespace torven::py
