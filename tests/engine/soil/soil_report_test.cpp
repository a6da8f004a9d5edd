// The report sections of the earth-pressure generator, line by line.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/engine_fixture.h"
#include "tests/engine/soil/soil_case.h"

namespace torven::test {
namespace {

using SoilReport = EngineFixture;

const std::string kStars = "      " + std::string(50, '*');

std::vector<std::string> box(const std::string& title) {
    return {"", "", kStars, "      *" + title + std::string(48 - title.size(), ' ') + "*", kStars, ""};
}

// The generator's sections: from the wall box to the pressure table.
std::vector<std::string> generatorSections(const std::string& report) {
    const std::vector<std::string> lines = splitLines(report);
    const auto wall = std::find(lines.begin(), lines.end(), box("        WALL INFORMATION")[3]);
    const auto table = std::find(lines.begin(), lines.end(), "         DEPTH         ACTIVE EARTH PRESSURE");
    if (wall == lines.end() || table == lines.end() || table - wall < 5) return {report};
    return {wall - 3, table - 2};
}

void expectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string a = i < actual.size() ? actual[i] : "<none>";
        const std::string e = i < expected.size() ? expected[i] : "<none>";
        EXPECT_EQ(a, e) << "line " << i;
    }
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(SoilReport, EnglishSandOverClayWithWaterAndSurcharges) {
    SoilCase s;
    s.widthPY = 12;
    s.waterBackfill = 60;
    s.waterExcavation = 200;
    s.uniform = 0.5;
    s.surcharges = {"1\t500\t30\t0", "2\t100\t60\t0"};
    s.layers = {sand(96, 0.065, 30), clay(480, 0.07, 2)};
    const std::vector<std::string> expected = join({
        box("        WALL INFORMATION"),
        {"      FREE HEIGHT OF WALL                    =  0.120E+03 IN",
         "      WIDTH FOR EARTH PRESSURE, WA           =  0.120E+02 IN",
         "      WIDTH FOR SOIL RESISTANCE, WP          =  0.120E+02 IN",
         "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.600E+02 IN",
         "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.200E+03 IN",
         "      UNIT WEIGHT OF WATER                   =  0.360E-01 LBS/IN**3",
         "      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00",
         "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01"},
        box("        SURCHARGE INFORMATION"),
        {"      UNIFORM SURFACE PRESSURE     = 0.500E+00 LBS/IN**2",
         "",
         "      SURCHARGE LOADING NO.        =          1",
         "      POINT LOAD                   =  0.500E+03 LBS",
         "      HORIZONTAL DISTANCE BETWEEN  =  0.300E+02 IN",
         "      THE WALL AND SURCHARGE         ",
         "",
         "      SURCHARGE LOADING NO.        =          2",
         "      LINE LOAD                    =  0.100E+03 LBS/IN",
         "      HORIZONTAL DISTANCE BETWEEN  =  0.600E+02 IN",
         "      THE WALL AND SURCHARGE         "},
        box("        SOIL INFORMATION"),
        {"                TOTAL   COHESION/       TOTAL UNIT",
         "       LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP",
         "       NO.      FT        PSI       DEG     PCI     T OR F   FT",
         "         1      5.00        0.0    30.0    0.065     T      0.00",
         "         2      3.00        0.0    30.0    0.065     T      5.00",
         "         3      2.00        2.0     0.0    0.070     F      8.00",
         "         4     30.00        2.0     0.0    0.070     F     10.00"},
        box("        EFFECTIVE OVERBURDEN STRESS"),
        {"                DEPTH                     STRESS       ",
         "                 IN                       LBS/IN**2",
         "             0.000E+00                  0.500E+00",
         "             0.600E+02                  0.440E+01",
         "             0.960E+02                  0.544E+01",
         "             0.120E+03                  0.626E+01"},
        box(" ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT"),
        {"        LAYER         ACTIVE EARTH     PASSIVE EARTH     OPTIONAL EARTH",
         "         NO.          COEFFICIENT      COEFFICIENT       COEFFICIENT   ",
         "           1          0.333E+00         0.300E+01         0.000E+00",
         "           2          0.333E+00         0.300E+01         0.000E+00",
         "           3          0.100E+01         0.100E+01         0.000E+00",
         "           4          0.100E+01         0.100E+01         0.000E+00"},
        box("        ACTIVE EARTH PRESSURE OF EACH LAYER"),
        // PA1 holds the line load's pressure summed over ten slices of each layer.
        {"       LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4",
         "        NO   LBS/IN     IN     LBS/IN     IN     LBS/IN     IN     LBS/IN",
         "       1      43.28  30.00      39.00  40.00      -0.00  -0.00       0.00",
         "       2      66.28  78.00       6.26  84.00      -0.00  -0.00       0.00",
         "       3     135.69 108.00      20.16 112.00     -96.00  -0.00       0.00"},
        box("        ACTIVE WATER PRESSURE OF EACH LAYER"),
        {"       LAYER    PW1     Z1       PW2     Z2",
         "        NO",
         "       2       0.00  78.00      23.33  84.00"},
    });
    expectLines(generatorSections(run(s.builder().str())), expected);
}

TEST_F(SoilReport, SISandWithStripLoad) {
    SoilCase s;
    s.freeHeight = 3;
    s.widthActive = s.widthPY = 1;
    s.waterBackfill = s.waterExcavation = 20;
    s.uniform = 10;
    s.surcharges = {"3\t20\t1500\t1000"};  // distances in millimetres
    s.layers = {sand(10, 18, 35)};
    CaseBuilder b = s.builder(2, 20, 0.5);
    b.units = 2;
    const std::vector<std::string> expected = join({
        box("        WALL INFORMATION"),
        {"      FREE HEIGHT OF WALL                    =  0.300E+01  M",
         "      WIDTH FOR EARTH PRESSURE, WA           =  0.100E+01  M",
         "      WIDTH FOR SOIL RESISTANCE, WP          =  0.100E+01  M",
         "      DEPTH TO THE WATER TABLE AT BACKFILL   =  0.200E+02  M",
         "      DEPTH TO THE WATER TABLE AT EXCAVATION =  0.200E+02  M",
         "      UNIT WEIGHT OF WATER                   =  0.981E+01  KN/ M**3",
         "      SLOPE OF THE BACKFILL (deg.)           =  0.000E+00",
         "      MODIFICATION FOR ACTIVE EARTH PRESSURE =  0.100E+01"},
        box("        SURCHARGE INFORMATION"),
        {"      UNIFORM SURFACE PRESSURE     = 0.100E+02  KN/ M**2",
         "",
         "      SURCHARGE LOADING NO.        =          1",
         "      STRIP LOAD                   =  0.200E+02  KN/ M**2",
         "      WIDTH OF THE STRIP LOAD      =  0.100E+01  M",
         "      HORIZONTAL DISTANCE BETWEEN  =  0.150E+01  M",
         "      WALL AND MIDDLE OF STRIP WIDTH          "},
        box("        SOIL INFORMATION"),
        {"                TOTAL   COHESION/       TOTAL UNIT",
         "       LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP",
         "       NO.       M        kPa       DEG   kN/M^3    T OR F    M",
         "         1      3.00        0.0    35.0   18.000     T      0.00",
         "         2      7.00        0.0    35.0   18.000     T      3.00"},
        box("        EFFECTIVE OVERBURDEN STRESS"),
        {"                DEPTH                     STRESS       ",
         "                  M                        KN/ M**2",
         "             0.000E+00                  0.100E+02",
         "             0.300E+01                  0.640E+02"},
        box(" ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT"),
        {"        LAYER         ACTIVE EARTH     PASSIVE EARTH     OPTIONAL EARTH",
         "         NO.          COEFFICIENT      COEFFICIENT       COEFFICIENT   ",
         "           1          0.271E+00         0.369E+01         0.000E+00",
         "           2          0.271E+00         0.369E+01         0.000E+00"},
        box("        ACTIVE EARTH PRESSURE OF EACH LAYER"),
        {"       LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4",
         "        NO    KN/ M      M      KN/ M      M      KN/ M      M      KN/ M",
         "       1      18.40   1.50      21.95   2.00      -0.00  -0.00       0.00"},
    });
    expectLines(generatorSections(run(b.str())), expected);
}

}  // namespace
}  // namespace torven::test
