// Layers and case values that leave the curves undefined end the case with a
// message naming the cause, instead of curves of undefined numbers.
#include <gtest/gtest.h>

#include "tests/engine/py/py_case.h"

namespace torven::test {
namespace {

using LayerRefusal = EngineFixture;

struct Refusal {
    const char* name;
    std::vector<LayerLines> layers;
    std::string message;
    double widthPY = 24;
    std::vector<std::string> pyMods = {};
    double waterBackfill = 1000;
};

TEST_F(LayerRefusal, NamesTheLayerAndTheCause) {
    const LayerLines soft = clay(200, 0.07, 3, 1);
    const Refusal refusals[] = {
        {"soft clay without e50", {uniform(1, 600, {0.07, 3, 0, 0, 500, 0})},
         "LAYER  1 (SOFT CLAY): THE STRAIN E50 MUST BE GREATER THAN ZERO"},
        {"stiff clay without e50 below another layer", {soft, uniform(2, 600, {0.07, 8, 0, 0, 500, 0})},
         "LAYER  2 (STIFF CLAY BELOW THE WATER TABLE): THE STRAIN E50 MUST BE GREATER THAN ZERO"},
        {"sand without friction", {sand(600, 0.065, 0)},
         "LAYER  1 (SAND): THE FRICTION ANGLE MUST BE GREATER THAN ZERO"},
        {"sand without modulus", {uniform(4, 600, {0.065, 0, 32, 0, 0, 0})},
         "LAYER  1 (SAND): THE MODULUS OF SUBGRADE REACTION K MUST BE GREATER THAN ZERO"},
        {"strong rock without strength", {soft, uniform(6, 600, {0.09, 0, 0, 0, 0, 0})},
         "LAYER  2 (ROCK): THE UNIAXIAL COMPRESSIVE STRENGTH MUST BE GREATER THAN ZERO"},
        {"weak rock with an RQD of 120", {soft, uniform(7, 600, {0.09, 1000, 0, 0.0005, 50000, 120})},
         "LAYER  2 (WEAK ROCK): THE RQD MUST LIE BETWEEN 0 AND 100"},
        {"sand lighter than water", {uniform(4, 600, {0.03, 0, 32, 0, 90, 0})},
         "LAYER  1 (SAND): THE MEAN EFFECTIVE UNIT WEIGHT ABOVE X = 0.100E+00 IS NOT POSITIVE", 24, {}, 0},
        {"no width for the curves", {soft}, "THE WIDTH FOR P-Y CURVES MUST BE GREATER THAN ZERO", 0},
        {"modification depths out of order", {soft}, "THE DEPTHS OF THE P-Y MODIFICATION FACTORS MUST NOT DECREASE",
         24, {"240 1 1", "120 0.5 1"}},
        {"y-multiplier of zero", {soft}, "THE Y-MULTIPLIERS MUST BE GREATER THAN ZERO", 24, {"240 1 0"}},
    };
    for (const Refusal& r : refusals) {
        SoilCase soil;
        soil.widthPY = r.widthPY;
        soil.waterBackfill = r.waterBackfill;
        soil.layers = r.layers;
        CaseBuilder b = generatedCase(soil);
        b.pyMods = r.pyMods;
        const std::string report = run(b.str());
        EXPECT_NE(report.find("\n\n     ERROR -- " + r.message + "\n"), std::string::npos) << r.name << "\n" << report;
        EXPECT_EQ(report.find("RESULTS -- ITERATION"), std::string::npos) << r.name;
        EXPECT_TRUE(report.ends_with("     END OF ANALYSIS\n")) << r.name;
    }
}

}  // namespace
}  // namespace torven::test
