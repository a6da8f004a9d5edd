// The p-y profile: layers below the excavation, the tip cut, the unit-weight
// and strength distributions, curve depths, lookups and the report.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/constants.h"
#include "engine/engine_run.h"
#include "engine/soil/py_profile.h"
#include "tests/engine/engine_fixture.h"

namespace torven::soil {
namespace {

constexpr double kRad = k::kPiSingle / 180.0;

SoilLayer layer(int type, double bottom, double previous, std::array<double, 6> top, std::array<double, 6> base) {
    SoilLayer l;
    l.type = type;
    l.bottomDepth = bottom;
    l.thickness = bottom - previous;
    for (int k = 0; k < 6; ++k) l.top[k] = top[k], l.bottom[k] = base[k];
    return l;
}

// Sand to 200 in over soft clay to 480 in; excavation at 120 in, wall tip at 360 in.
std::vector<SoilLayer> sandOverClay(double sandBottom = 200) {
    return {layer(4, sandBottom, 0, {0.065, 0, 30, 0, 90, 0}, {0.065, 0, 32, 0, 90, 0}),
            layer(1, 480, sandBottom, {0.07, 2, 0, 0.005, 500, 0}, {0.07, 6, 0, 0.003, 500, 0})};
}

struct Built {
    std::ostringstream report, warnings;
    Report out{report};
    std::unique_ptr<PYProfile> profile;
};

std::unique_ptr<Built> build(const std::vector<SoilLayer>& layers, double freeHeight, double water, int units = 1,
                             int n = 60, double h = 6) {
    auto b = std::make_unique<Built>();
    b->profile = std::make_unique<PYProfile>(PYProfileInput{layers, freeHeight, water, n, h, units}, b->out,
                                             b->warnings);
    return b;
}

TEST(PYProfile, LayersBelowTheExcavationCutTwoIncrementsBelowTheTip) {
    auto b = build(sandOverClay(), 120, 150);
    const PYProfile& p = *b->profile;
    ASSERT_EQ(p.layers().size(), 2u);
    EXPECT_EQ(p.layers()[0].xTop, 0);
    EXPECT_EQ(p.layers()[0].xBottom, 80);
    EXPECT_EQ(p.layers()[0].modulusK, 90);
    EXPECT_EQ(p.layers()[1].xTop, 80);
    EXPECT_EQ(p.layers()[1].xBottom, 252);  // 60 x 6 + 2 x 6 - 120
    EXPECT_EQ(p.layers()[1].soilType, 1);

    const std::vector<StrengthPoint>& s = p.strengthDist();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_DOUBLE_EQ(s[0].phi, 30 * kRad);
    EXPECT_DOUBLE_EQ(s[1].phi, 32 * kRad);
    EXPECT_EQ(s[2].strength, 2);
    // The cut bottom lies on the line from 2 at X = 80 to 6 at X = 360.
    EXPECT_DOUBLE_EQ(s[3].strength, 2 + 4 * 172.0 / 280.0);
    EXPECT_DOUBLE_EQ(s[3].eps50, 0.005 - 0.002 * 172.0 / 280.0);

    const double d = k::k0_1;
    const std::vector<double> depths = {d, 20, 40, 60, 80 - d, 80 + d, 123, 166, 209, 252 - d};
    ASSERT_EQ(p.curveDepths().size(), depths.size());
    for (std::size_t i = 0; i < depths.size(); ++i) EXPECT_DOUBLE_EQ(p.curveDepths()[i], depths[i]) << i;
    EXPECT_EQ(PYProfile::layerOfCurve(4), 0);
    EXPECT_EQ(PYProfile::layerOfCurve(5), 1);
}

TEST(PYProfile, LayerEndingAtTheExcavationIsLeftOut) {
    auto b = build(sandOverClay(120), 120, 1000);
    ASSERT_EQ(b->profile->layers().size(), 1u);
    EXPECT_EQ(b->profile->layers()[0].soilType, 1);
    EXPECT_EQ(b->profile->layers()[0].xTop, 0);
}

TEST(PYProfile, NoSoilBelowTheExcavationEndsTheRun) {
    std::ostringstream report;
    Report out(report);
    const std::vector<SoilLayer> shallow = {sandOverClay()[0]};
    EXPECT_THROW(PYProfile(PYProfileInput{shallow, 240, 1000, 60, 6, 1}, out), FatalStop);
    EXPECT_NE(report.str().find("FATAL ERROR -- NO SOIL LAYER LIES BELOW THE EXCAVATION SURFACE WITHIN THE WALL"),
              std::string::npos);
}

struct GammaCase {
    const char* name;
    double water;
    std::vector<std::pair<double, double>> points;
};

TEST(PYProfile, EffectiveUnitWeightAroundTheWaterTable) {
    const double gw = k::kKipFactor;
    const double sand = 0.065, clay = 0.07;
    const GammaCase cases[] = {
        // The layer holding the water table ends there; the clay's submerged weight starts there.
        {"inside the upper layer", 150, {{0, sand}, {30, sand}, {30, clay - gw}, {252, clay - gw}}},
        {"at the layer boundary", 200, {{0, sand}, {80, sand}, {80, clay - gw}, {252, clay - gw}}},
        {"at the surface", 0, {{0, sand - gw}, {80, sand - gw}, {80, clay - gw}, {252, clay - gw}}},
        {"at the excavation", 120, {{0, sand - gw}, {80, sand - gw}, {80, clay - gw}, {252, clay - gw}}},
        {"inside the last layer", 300, {{0, sand}, {80, sand}, {80, clay}, {180, clay}, {180, clay - gw},
                                        {252, clay - gw}}},
        {"below the profile", 1000, {{0, sand}, {80, sand}, {80, clay}, {252, clay}}},
    };
    for (const GammaCase& c : cases) {
        auto b = build(sandOverClay(), 120, c.water);
        std::vector<std::pair<double, double>> got;
        for (const GammaPoint& g : b->profile->gammaDist()) got.push_back({g.x, g.gamma});
        EXPECT_EQ(got, c.points) << c.name;
    }
}

TEST(PYLookups, InterpolateAndChooseAtLayerBoundaries) {
    auto b = build(sandOverClay(), 120, 150);
    const PYProfile& p = *b->profile;
    const double cutStrength = 2 + 4 * 172.0 / 280.0;
    EXPECT_EQ(p.strengthAt(40), 0);
    EXPECT_DOUBLE_EQ(p.strengthAt(166), 2 + (cutStrength - 2) * 0.5);
    EXPECT_DOUBLE_EQ(p.phiAt(20), 30 * kRad + (2 * kRad) * 0.25);
    // At the boundary: the lower strength; the non-zero one of two friction angles or strains.
    EXPECT_EQ(p.strengthAt(80), 2);
    EXPECT_DOUBLE_EQ(p.phiAt(80), 32 * kRad);
    EXPECT_EQ(p.eps50At(80), 0.005);
    EXPECT_DOUBLE_EQ(p.eps50At(300), 0.005 - 0.002 * 172.0 / 280.0);
    EXPECT_EQ(b->report.str(), "");
}

TEST(PYLookups, MeanStrengthOfALayer) {
    auto b = build(sandOverClay(), 120, 150);
    const PYProfile& p = *b->profile;
    const double cutStrength = 2 + 4 * 172.0 / 280.0;
    EXPECT_DOUBLE_EQ(p.strengthAvg(1, 166), (2 + (2 + (cutStrength - 2) * 0.5)) / 2);
    EXPECT_DOUBLE_EQ(p.strengthAvg(1, 80.000001), p.strengthAt(80.000001));
    EXPECT_EQ(b->report.str(), "");
    // Beyond the profile: the layer's line extended, with a warning in the report.
    EXPECT_DOUBLE_EQ(p.strengthAvg(1, 260), (2 + (2 + (cutStrength - 2) * 180.0 / 172.0)) / 2);
    EXPECT_EQ(b->report.str(), "\n" + std::string(29, ' ') +
                                   "**** WARNING ****\n"
                                   "     THE VALUE OF X = 0.26E+03IS BEYOND THE EXTENT OF THE\n"
                                   "     INPUT CURVE FOR STRENGTH\n");
}

TEST(PYLookups, MeanEffectiveUnitWeight) {
    auto b = build(sandOverClay(), 120, 150);
    const PYProfile& p = *b->profile;
    const double submerged = 0.07 - k::kKipFactor;
    EXPECT_DOUBLE_EQ(p.gammaAvg(30), 0.065);
    EXPECT_DOUBLE_EQ(p.gammaAvg(130), (30 * 0.065 + 100 * submerged) / 130);
    EXPECT_DOUBLE_EQ(p.gammaAvg(252), (30 * 0.065 + 222 * submerged) / 252);
    EXPECT_EQ(p.gammaAvg(0), 0.065);
    EXPECT_EQ(p.gammaAvg(1e-7), 0.065);
}

TEST(PYLookups, BeyondTheDistributionsTheRunStops) {
    struct StopCase {
        const char* name;
        std::function<void(const PYProfile&)> lookup;
        std::string stderrText;
        std::string cause;
    };
    const std::string warning = "\n" + std::string(29, ' ') + "**** WARNING ****\n     THE VALUE OF X =  0.3D+03";
    const StopCase cases[] = {
        {"strength", [](const PYProfile& p) { p.strengthAt(253); },
         warning + "IS BEYOND THE EXTENT OF\n     THE INPUT STRENGTH CURVE\n",
         "X =  0.3D+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE"},
        {"friction angle", [](const PYProfile& p) { p.phiAt(253); },
         warning + " IS BEYOND THE EXTENT OF\n     THE INPUT PHI CURVE\n",
         "X =  0.3D+03 IS BEYOND THE EXTENT OF THE INPUT PHI CURVE"},
        {"unit weight", [](const PYProfile& p) { p.gammaAvg(253); }, "",
         "X =  0.3D+03 IS BEYOND THE EXTENT OF THE EFFECTIVE UNIT WEIGHT CURVE"},
    };
    for (const StopCase& c : cases) {
        auto b = build(sandOverClay(), 120, 150);
        EXPECT_THROW(c.lookup(*b->profile), FatalStop) << c.name;
        EXPECT_EQ(b->warnings.str(), c.stderrText + c.stderrText) << c.name;
        EXPECT_EQ(b->report.str(), "\n\n     FATAL ERROR -- " + c.cause + "\n") << c.name;
    }
}

TEST(PYLookups, ThinLayerLeftByTheTipCutStopsAtItsFirstCurve) {
    // The clay starts 0.05 above the cut: its first curve depth lies beyond both distributions.
    auto b = build(sandOverClay(371.95), 120, 1000);
    const PYProfile& p = *b->profile;
    ASSERT_EQ(p.layers().size(), 2u);
    EXPECT_GT(p.curveDepths()[5], p.strengthDist().back().x);
    EXPECT_THROW(p.strengthAt(p.curveDepths()[5]), FatalStop);
    EXPECT_THROW(p.gammaAvg(p.curveDepths()[5]), FatalStop);
}

std::string box(const std::string& title) {
    const std::string stars = "      " + std::string(50, '*');
    return "\n\n" + stars + "\n      *" + title + std::string(48 - title.size(), ' ') + "*\n" + stars + "\n";
}

TEST(PYProfileReport, EnglishTwoLayers) {
    auto b = build(sandOverClay(), 120, 150);
    b->profile->writeReport(UnitLabels::forUnits(1));
    const std::string expected = box("        SOIL LAYERS AND STRENGTH DATA") +
                                 "\n"
                                 "         X AT THE SURFACE OF EXCAVATION SIDE     =     120.00 IN\n"
                                 "\n"
                                 "         2 LAYER(S) OF SOIL\n"
                                 "\n"
                                 "         LAYER  1\n"
                                 "         THE SOIL IS A SAND\n"
                                 "\n"
                                 "         LAYER  2\n"
                                 "         THE SOIL IS A SOFT CLAY\n"
                                 "\n\n"
                                 "         DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\n"
                                 "                            4 POINTS\n"
                                 "\n"
                                 "                     X,IN   WEIGHT, LBS/IN**3\n"
                                 "                 120.0000     0.6500E-01\n"
                                 "                 150.0000     0.6500E-01\n"
                                 "                 150.0000     0.3400E-01\n"
                                 "                 372.0000     0.3400E-01\n"
                                 "\n\n"
                                 "         DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH\n"
                                 "                            4 POINTS\n"
                                 "                     X,IN     S, LBS/IN**2      PHI,DEGREES      E50\n"
                                 "                   120.00     0.0000E+00         30.000       -----\n"
                                 "                   200.00     0.0000E+00         32.000       -----\n"
                                 "                   200.00     0.2000E+01          0.000     0.5000E-02\n"
                                 "                   372.00     0.4457E+01          0.000     0.3771E-02\n";
    EXPECT_EQ(b->report.str(), expected);
}

TEST(PYProfileReport, SIWithCurvesOneHundredthInside) {
    const std::vector<SoilLayer> layers = {
        layer(4, 6, 0, {19, 0, 34, 0, 20000, 0}, {19, 0, 36, 0, 20000, 0}),
        layer(5, 12, 6, {20, 10, 20, 0.01, 50000, 0}, {20, 20, 25, 0.01, 50000, 0})};
    auto b = build(layers, 3, 4, 2, 20, 0.5);
    const double d = k::k0_01;
    const std::vector<double> depths = {d, 0.75, 1.5, 2.25, 3 - d, 3 + d, 4.25, 5.5, 6.75, 8 - d};
    ASSERT_EQ(b->profile->curveDepths().size(), depths.size());
    for (std::size_t i = 0; i < depths.size(); ++i) EXPECT_DOUBLE_EQ(b->profile->curveDepths()[i], depths[i]) << i;

    b->profile->writeReport(UnitLabels::forUnits(2));
    const std::string expected = box("        SOIL LAYERS AND STRENGTH DATA") +
                                 "\n"
                                 "         X AT THE SURFACE OF EXCAVATION SIDE     =       3.00  M\n"
                                 "\n"
                                 "         2 LAYER(S) OF SOIL\n"
                                 "\n"
                                 "         LAYER  1\n"
                                 "         THE SOIL IS A SAND\n"
                                 "\n"
                                 "         LAYER  2\n"
                                 "         THE SOIL IS A SILT\n"
                                 "\n\n"
                                 "         DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\n"
                                 "                            4 POINTS\n"
                                 "\n"
                                 "                     X, M   WEIGHT,  KN/ M**3\n"
                                 "                   3.0000     0.1900E+02\n"
                                 "                   4.0000     0.1900E+02\n"
                                 "                   4.0000     0.1019E+02\n"
                                 "                  11.0000     0.1019E+02\n"
                                 "\n\n"
                                 "         DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH\n"
                                 "                            4 POINTS\n"
                                 "                     X, M     S,  KN/ M**2      PHI,DEGREES      E50\n"
                                 "                     3.00     0.0000E+00         34.000       -----\n"
                                 "                     6.00     0.0000E+00         36.000       -----\n"
                                 "                     6.00     0.1000E+02         20.000     0.1000E-01\n"
                                 "                    11.00     0.1833E+02         24.167     0.1000E-01\n";
    EXPECT_EQ(b->report.str(), expected);
}

TEST(PYProfileReport, TenLayersTakeTwoColumnsInTheCount) {
    std::vector<SoilLayer> layers;
    for (int i = 1; i <= 10; ++i) layers.push_back(layer(4, i, i - 1, {19, 0, 30, 0, 1, 0}, {19, 0, 30, 0, 1, 0}));
    auto b = build(layers, 0, 100, 2, 20, 0.5);
    b->profile->writeReport(UnitLabels::forUnits(2));
    EXPECT_NE(b->report.str().find("\n         10 LAYER(S) OF SOIL\n"), std::string::npos);
    EXPECT_NE(b->report.str().find("\n         LAYER 10\n"), std::string::npos);
}

}  // namespace
}  // namespace torven::soil
