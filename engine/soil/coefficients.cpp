#include "engine/soil/coefficients.h"

#include <cmath>

#include "engine/constants.h"
#include "engine/fortran_format.h"
#include "engine/soil/soil_report.h"

namespace torven::soil {

namespace {

constexpr double kEnteredThreshold = 1.0E-7;

void warnSteepSlope(Report& report, std::ostream& monitor) {
    const char* const lines[] = {"", "", "**** WARNING ******",
                                 "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND."};
    for (const char* text : lines) {
        report.line(text);
        monitor << text << '\n';
    }
}

}  // namespace

std::vector<Coefficients> computeCoefficients(const EPProfile& profile, double slopeDegrees, double freeHeight,
                                              Report& r, std::ostream& monitor) {
    soilBox(r, "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT");
    r.line(fmt::X(6) + "  LAYER         ACTIVE EARTH     PASSIVE EARTH   " + "  OPTIONAL EARTH");
    r.line(fmt::X(6) + "   NO.          COEFFICIENT      COEFFICIENT     " + "  COEFFICIENT   ");
    const double beta = slopeDegrees;
    std::vector<Coefficients> out;
    for (int i = 0; i < profile.count(); ++i) {
        const EPLayer& l = profile.layers[i];
        const double phi = l.phi;
        Coefficients c;
        c.sqrtKa = std::tan((45.0 - phi / 2.0) / k::kDegreesPerRadian);
        c.ka = c.sqrtKa * c.sqrtKa;
        if (std::fabs(beta) > 0.0) {
            if (std::fabs(beta) < phi) {
                const double cb = std::cos(beta / k::kDegreesPerRadian);
                const double cf = std::cos(phi / k::kDegreesPerRadian);
                const double root = std::sqrt(cb * cb - cf * cf);
                c.ka = cb * (cb - root) / (cb + root);
                c.sqrtKa = std::sqrt(c.ka);
            } else if (l.zTop < freeHeight) {
                warnSteepSlope(r, monitor);
            }
        }
        const double sqrtKp = std::tan((45.0 + phi / 2.0) / k::kDegreesPerRadian);
        c.kp = sqrtKp * sqrtKp;
        r.line(fmt::X(10) + fmt::I(i + 1, 2) + fmt::X(9) + fmt::E(c.ka, 10, 3) + fmt::X(8) + fmt::E(c.kp, 10, 3) +
               fmt::X(8) + fmt::E(l.kaInput, 10, 3));
        if (l.kaInput > kEnteredThreshold) {
            c.ka = l.kaInput;
            c.sqrtKa = 0.0;
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace torven::soil
