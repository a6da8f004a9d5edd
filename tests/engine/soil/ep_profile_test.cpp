// The earth-pressure profile: cuts at the dredge line and the water table,
// vertical stresses, the profile stops and the soil echo.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/engine_run.h"
#include "engine/soil/ep_profile.h"
#include "engine/soil/ep_profile_report.h"

namespace torven::soil {
namespace {

SoilLayer layer(int type, double bottom, double previousBottom, double gamma = 0.07, double c = 0,
                double phi = 30, double ka = 0) {
    SoilLayer l;
    l.type = type;
    l.bottomDepth = bottom;
    l.thickness = bottom - previousBottom;
    const double values[6] = {gamma, c, phi, 0, 0, ka};
    for (int k = 0; k < 6; ++k) l.top[k] = l.bottom[k] = values[k];
    return l;
}

std::vector<double> tops(const EPProfile& p) {
    std::vector<double> z;
    for (const EPLayer& l : p.layers) z.push_back(l.zTop);
    return z;
}

struct CutCase {
    const char* name;
    std::vector<double> bottoms;
    double freeHeight, water;
    std::vector<double> tops;
    int dredge, waterLayer;
};

TEST(EPProfile, CutsAtTheDredgeLineAndTheWaterTable) {
    const CutCase cases[] = {
        {"water below the layers", {600}, 120, 1000, {0, 120}, 1, -1},
        {"water above the dredge line", {600}, 120, 60, {0, 60, 120}, 2, 1},
        {"water below the dredge line", {600}, 120, 300, {0, 120, 300}, 1, 2},
        {"dredge line and water table together", {600}, 120, 120, {0, 120}, 1, 1},
        {"within 1E-5 of each other", {600}, 120, 120.000004, {0, 120}, 1, 1},
        {"layer ends at the dredge line", {120, 400}, 120, 1000, {0, 120}, 1, -1},
        {"layer ends within 1E-5 of it", {120.000004, 400}, 120, 1000, {0, 120.000004}, 1, -1},
        {"cut in a lower layer", {50, 400}, 120, 200, {0, 50, 120, 200}, 2, 3},
        {"water at the surface", {600}, 120, 0, {0, 120}, 1, 0},
        {"water above the surface", {600}, 120, -10, {0, 120}, 1, -1},
        {"layers end above the dredge line", {100}, 120, 1000, {0}, -1, -1},
        {"a zero-thickness layer ends the list", {100, 100, 400}, 120, 1000, {0}, -1, -1},
    };
    for (const CutCase& c : cases) {
        std::vector<SoilLayer> input;
        double previous = 0;
        for (double b : c.bottoms) {
            input.push_back(layer(4, b, previous));
            previous = b;
        }
        const EPProfile p = buildEPProfile(input, c.freeHeight, c.water, 0.8);
        EXPECT_EQ(tops(p), c.tops) << c.name;
        EXPECT_EQ(p.dredgeLayer, c.dredge) << c.name;
        EXPECT_EQ(p.waterLayer, c.waterLayer) << c.name;
        EXPECT_FALSE(p.overflow) << c.name;
        for (const EPLayer& l : p.layers) EXPECT_EQ(l.factor, 0.8) << c.name;
    }
}

TEST(EPProfile, CutLayersKeepTheirValuesAndTypesSetDrainage) {
    const std::vector<SoilLayer> input = {layer(3, 100, 0, 0.07, 5, 0, 0.9), layer(6, 300, 100, 0.09, 800, 0, 75)};
    const EPProfile p = buildEPProfile(input, 150, 50, 1);
    ASSERT_EQ(p.count(), 4);
    const double thick[] = {50, 50, 50, 150};
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(p.layers[i].thick, thick[i]);
    EXPECT_EQ(p.layers[1].cohesion, 5);
    EXPECT_EQ(p.layers[1].kaInput, 0.9);
    EXPECT_FALSE(p.layers[1].drained);
    // Rock: drained, and its sixth value (RQD) is no earth-pressure coefficient.
    EXPECT_TRUE(p.layers[3].drained);
    EXPECT_EQ(p.layers[3].kaInput, 0.0);
    EXPECT_EQ(p.bottom, 300);
}

TEST(EPProfile, MoreThan21LayersAfterTheCutsOverflow) {
    std::vector<SoilLayer> input;
    for (int i = 1; i <= 20; ++i) input.push_back(layer(4, 10.0 * i, 10.0 * (i - 1)));
    EXPECT_FALSE(buildEPProfile(input, 55, 1000, 1).overflow);  // 21 layers fit
    const EPProfile p = buildEPProfile(input, 55, 105, 1);
    EXPECT_TRUE(p.overflow);
    EXPECT_EQ(p.count(), kMaxEPLayers);
}

TEST(EPProfile, EffectiveVerticalStressSubtractsPorePressureInEveryLayerType) {
    const std::vector<SoilLayer> input = {layer(4, 100, 0, 0.07), layer(2, 300, 100, 0.08, 5, 0)};
    EPProfile p = buildEPProfile(input, 150, 50, 1);
    const double gw = 0.036;
    computeVerticalStress(p, 1.0, 50, gw);
    ASSERT_EQ(tops(p), (std::vector<double>{0, 50, 100, 150}));
    const bool below[] = {false, true, true, true};
    // q, + 50 x 0.07, + 50 x 0.07 - 50 gw, + 50 x 0.08 - 100 gw
    const double sigma[] = {1.0, 4.5, 8.0 - 1.8, 12.0 - 3.6};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.layers[i].belowWater, below[i]) << i;
        EXPECT_NEAR(p.layers[i].sigmaV, sigma[i], 1e-12) << i;
    }
    EXPECT_NEAR(p.sigmaVDredge, 8.4, 1e-12);
    EXPECT_EQ(p.bottom, 300);
}

// The echo of a profile that must stop: its rows, then the cause.
std::string echoUntilStop(const EPProfile& p, double freeHeight) {
    std::ostringstream out;
    Report report(out);
    EXPECT_THROW(echoSoilInformation(report, p, 1, freeHeight), FatalStop);
    return out.str();
}

TEST(SoilInformation, ProfileErrorsEndTheRunWithTheirCause) {
    std::vector<SoilLayer> many;
    for (int i = 1; i <= 20; ++i) many.push_back(layer(4, 10.0 * i, 10.0 * (i - 1)));
    std::string text = echoUntilStop(buildEPProfile(many, 55, 105, 1), 55);
    EXPECT_NE(text.find("        21      0.83"), std::string::npos) << text;
    EXPECT_NE(text.find("     FATAL ERROR -- MORE THAN 21 SOIL LAYERS AFTER THE CUTS AT THE DREDGE LINE AND THE "
                        "WATER TABLE\n"),
              std::string::npos)
        << text;

    text = echoUntilStop(buildEPProfile({layer(4, 100, 0)}, 120, 1000, 1), 120);
    EXPECT_NE(text.find("     FATAL ERROR -- THE SOIL LAYERS END AT DEPTH 0.100E+03, NOT BELOW THE DREDGE LINE AT "
                        "0.120E+03\n"),
              std::string::npos)
        << text;
}

TEST(SoilInformation, ConsistentUnitsWriteOnlyTheBox) {
    std::ostringstream out;
    Report report(out);
    echoSoilInformation(report, buildEPProfile({layer(4, 600, 0)}, 120, 1000, 1), 3, 120);
    EXPECT_EQ(out.str(), "\n\n      " + std::string(50, '*') + "\n      *        SOIL INFORMATION" +
                             std::string(24, ' ') + "*\n      " + std::string(50, '*') + "\n\n");
}

}  // namespace
}  // namespace torven::soil
