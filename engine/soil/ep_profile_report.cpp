#include "engine/soil/ep_profile_report.h"

#include "engine/fortran_format.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/soil_units.h"

namespace torven::soil {

void echoSoilInformation(Report& r, const EPProfile& p, int units, double freeHeight) {
    soilBox(r, "SOIL INFORMATION");
    if (units == 1 || units == 2) {
        const bool english = units == 1;
        const std::string pad = fmt::X(7);
        r.line(pad + "         TOTAL   COHESION/       TOTAL UNIT");
        r.line(pad + "LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP");
        r.line(english ? pad + "NO." + fmt::X(6) + "FT" + fmt::X(8) + "PSI" + fmt::X(7) + "DEG" + fmt::X(5) + "PCI" +
                             fmt::X(5) + "T OR F" + fmt::X(3) + "FT"
                       : pad + "NO." + fmt::X(6) + " M" + fmt::X(8) + "kPa" + fmt::X(7) + "DEG" + fmt::X(3) +
                             "kN/M^3" + fmt::X(4) + "T OR F" + fmt::X(3) + " M");
        // English lengths are shown in feet.
        const double scale = english ? 12.0 : 1.0;
        for (int i = 0; i < p.count(); ++i) {
            const EPLayer& l = p.layers[i];
            r.line(pad + fmt::I(i + 1, 3) + fmt::F(l.thick / scale, 10, 2) + fmt::F(l.cohesion, 11, 1) +
                   fmt::F(l.phi, 8, 1) + fmt::F(l.gamma, 9, 3) + fmt::X(5) + (l.drained ? "T" : "F") +
                   fmt::F(l.zTop / scale, 10, 2));
        }
    }
    if (p.overflow)
        fatalStop(r, "MORE THAN " + std::to_string(kMaxEPLayers) +
                         " SOIL LAYERS AFTER THE CUTS AT THE DREDGE LINE AND THE WATER TABLE");
    if (p.dredgeLayer < 0)
        fatalStop(r, "THE SOIL LAYERS END AT DEPTH" + fmt::E(p.bottom, 10, 3) + ", NOT BELOW THE DREDGE LINE AT" +
                         fmt::E(freeHeight, 10, 3));
}

void writeOverburdenStress(Report& r, const EPProfile& p, const UnitLabels& labels) {
    soilBox(r, "EFFECTIVE OVERBURDEN STRESS");
    r.line(fmt::X(6) + "          DEPTH                     STRESS       ");
    r.line(fmt::X(16) + labels.length3 + fmt::X(22) + stressLabel(labels));
    for (const EPLayer& l : p.layers) r.line(fmt::X(12) + fmt::E(l.zTop, 10, 3) + fmt::X(17) + fmt::E(l.sigmaV, 10, 3));
}

}  // namespace torven::soil
