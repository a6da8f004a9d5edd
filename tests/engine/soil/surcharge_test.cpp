// Lateral pressure of point, line and strip surcharges against hand values.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/soil/surcharge.h"

namespace torven::soil {
namespace {

struct FormulaCase {
    const char* name;
    SurchargeKind kind;
    double magnitude, distance, width, z;
    PiForm form;
    double expected;
};

TEST(SurchargeFormula, ClosedFormsAtChosenDepths) {
    // H = 100 everywhere: m = distance / 100, n = z / 100.
    const FormulaCase cases[] = {
        {"point m 0.2", SurchargeKind::Point, 1000, 20, 0, 50, PiForm::Table, 0.101565561},
        {"point m 0.6", SurchargeKind::Point, 1000, 60, 0, 50, PiForm::Table, 0.0701820857},
        // m = 0.4 belongs to the near branch (the far one would give 0.60594).
        {"line m 0.4", SurchargeKind::Line, 100, 40, 0, 50, PiForm::Table, 0.603807258},
        {"line m 0.6", SurchargeKind::Line, 100, 60, 0, 50, PiForm::Table, 0.615916641},
        {"line m 0.6, 1.273", SurchargeKind::Line, 100, 60, 0, 50, PiForm::Resultants, 0.615802204},
        // Middle of the strip at the wall: (2Q/pi)(beta - sin beta), beta = pi/2 at z = W/2.
        {"strip at wall", SurchargeKind::Strip, 2, 0, 40, 20, PiForm::Table, 0.726758756},
        {"strip off wall", SurchargeKind::Strip, 2, 60, 40, 40, PiForm::Table, 0.536988228},
        {"strip off wall, 0.6366", SurchargeKind::Strip, 2, 60, 40, 40, PiForm::Resultants, 0.536972806},
    };
    for (const FormulaCase& c : cases) {
        const SurchargeGeometry g{c.distance, c.width, 100.0};
        EXPECT_NEAR(lateralPressure(c.kind, c.magnitude, g, c.z, c.form), c.expected, 2e-6 * c.expected) << c.name;
    }
}

TEST(SurchargeFormula, NearPointLoadPeaksAtNOf0_2828) {
    const SurchargeGeometry g{20, 0, 100};
    auto at = [&g](double z) { return lateralPressure(SurchargeKind::Point, 1000, g, z, PiForm::Table); };
    EXPECT_GT(at(28.28), at(27.0));
    EXPECT_GT(at(28.28), at(29.5));
}

TEST(SurchargeFormula, UnknownTypesActAsPointLoads) {
    EXPECT_EQ(surchargeKind(1), SurchargeKind::Point);
    EXPECT_EQ(surchargeKind(2), SurchargeKind::Line);
    EXPECT_EQ(surchargeKind(3), SurchargeKind::Strip);
    EXPECT_EQ(surchargeKind(4), SurchargeKind::Point);
    EXPECT_EQ(surchargeKind(0), SurchargeKind::Point);
}

TEST(SurchargePressureAt, StepsOf200AlongTheWallLaggingOneStep) {
    // Wall 200 long: steps of 1.
    const std::vector<SurchargeLoad> loads = {{2, 100, 60, 0}, {4, 1000, 20, 0}};
    const double height = 100, length = 200;
    auto exact = [&](double z) {
        return lateralPressure(SurchargeKind::Line, 100, {60, 0, height}, z, PiForm::Table) +
               lateralPressure(SurchargeKind::Point, 1000, {20, 0, height}, z, PiForm::Table);
    };
    EXPECT_EQ(surchargePressureAt(loads, 0.99, height, length), 0.0);
    EXPECT_EQ(surchargePressureAt(loads, 1.0, height, length), 0.0);
    EXPECT_DOUBLE_EQ(surchargePressureAt(loads, 3.5, height, length), exact(3.0));
    EXPECT_DOUBLE_EQ(surchargePressureAt(loads, 3.0, height, length), exact(2.0));
    EXPECT_DOUBLE_EQ(surchargePressureAt(loads, 250.0, height, length), exact(200.0));
    EXPECT_EQ(surchargePressureAt({}, 50.0, height, length), 0.0);
}

TEST(LegacySurcharge, LastRowReplacesTheRecordValues) {
    SoilRecord soil;
    soil.legacySurcharge[0] = 5;
    soil.legacySurcharge[1] = 7;
    soil.legacySurcharge[4] = 9;
    LegacySurcharge l = legacySurcharge(soil);
    EXPECT_EQ(l.distance, 5);
    EXPECT_EQ(l.point, 7);
    EXPECT_EQ(l.width, 9);

    soil.surcharges = {{1, 500, 30, 0}, {3, 2, 48, 24}};
    l = legacySurcharge(soil);
    EXPECT_EQ(l.distance, 48);
    EXPECT_EQ(l.point, 0);
    EXPECT_EQ(l.line, 0);
    EXPECT_EQ(l.strip, 2);
    EXPECT_EQ(l.width, 24);

    soil.surcharges = {{2, 100, 60, 0}};
    l = legacySurcharge(soil);
    EXPECT_EQ(l.line, 100);
    EXPECT_EQ(l.strip, 0);
}

TEST(LegacySurcharge, LayerResultantOfAWideStripIsTwiceItsPressureOverTheLayer) {
    // A strip centred on the wall and very wide: beta -> pi, sigma -> 0.6366 pi Q.
    LegacySurcharge wide;
    wide.strip = 3;
    wide.width = 1e9;
    const double pa1 = addLegacyResultant(10.0, wide, 20, 100, 120);
    EXPECT_NEAR(pa1, 10.0 + 100 * 0.6366 * 3.1415927 * 3, 1e-3);
    // Loads of 1.0E-4 and less are left out.
    LegacySurcharge tiny;
    tiny.point = 1e-4;
    tiny.distance = 10;
    EXPECT_EQ(addLegacyResultant(10.0, tiny, 20, 100, 120), 10.0);
}

}  // namespace
}  // namespace torven::soil
