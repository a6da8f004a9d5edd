// Report of the p-y profile.
#include <string>

#include "engine/constants.h"
#include "engine/fortran_format.h"
#include "engine/soil/py_profile.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/soil_units.h"

namespace torven::soil {

namespace {

constexpr double kNoStrain = 1.0E-6;

std::string soilSentence(int type) {
    switch (type) {
        case 1: return "THE SOIL IS A SOFT CLAY";
        case 2: return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
        case 3: return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
        case 4: return "THE SOIL IS A SAND";
        case 5: return "THE SOIL IS A SILT";
        case 6: return "THE LAYER IS ROCK";
        case 7: return "THE LAYER IS WEAK ROCK";
        default: return "THE SOIL TYPE " + std::to_string(type) + " IS UNKNOWN";
    }
}

// As many columns as the count has digits.
std::string countField(std::size_t count) {
    const std::string digits = std::to_string(count);
    return fmt::I(static_cast<long long>(count), static_cast<int>(digits.size()));
}

void distributionTitle(Report& r, const std::string& title, std::size_t points) {
    r.emptyLines(2);
    r.line(fmt::X(9) + title);
    r.line(fmt::X(27) + fmt::I(static_cast<long long>(points), 2) + " POINTS");
}

}  // namespace

void PYProfile::writeReport(const UnitLabels& u) const {
    Report& r = *report_;
    const double h = freeHeight_;
    r.sectionBox(boxTitle("SOIL LAYERS AND STRENGTH DATA"));
    r.line();
    r.line(fmt::X(9) + "X AT THE SURFACE OF EXCAVATION SIDE     = " + fmt::F(h, 10, 2) + u.length3);
    r.line();
    r.line(fmt::X(9) + countField(layers_.size()) + " LAYER(S) OF SOIL");
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        r.line();
        r.line(fmt::X(9) + "LAYER" + fmt::I(static_cast<long long>(i) + 1, 3));
        r.line(fmt::X(9) + soilSentence(layers_[i].soilType));
    }

    distributionTitle(r, "DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH", gamma_.size());
    r.line();
    r.line(fmt::X(21) + "X," + u.length2 + fmt::X(3) + "WEIGHT," + unitWeightLabel(u));
    for (const GammaPoint& p : gamma_) r.line(fmt::X(10) + fmt::F(h + p.x, 15, 4) + fmt::E(p.gamma, 15, 4));

    distributionTitle(r, "DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH", strength_.size());
    r.line(fmt::X(21) + "X," + u.length2 + fmt::X(5) + "S," + stressLabel(u) + fmt::X(6) + "PHI,DEGREES" + fmt::X(6) +
           "E50");
    for (const StrengthPoint& p : strength_) {
        const std::string strain = p.eps50 <= kNoStrain ? fmt::X(7) + "-----" : fmt::E(p.eps50, 15, 4);
        r.line(fmt::X(10) + fmt::F(h + p.x, 15, 2) + fmt::X(2) + fmt::E(p.strength, 13, 4) + fmt::X(2) +
               fmt::F(p.phi * 180.0 / k::kPiSingle, 13, 3) + strain);
    }
}

}  // namespace torven::soil
