#include "engine/soil/resultants.h"

#include "engine/fortran_format.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/soil_units.h"

namespace torven::soil {

namespace {

constexpr double kNetTolerance = 1.0E-5;

std::string pair(double force, double depth) {
    return fmt::X(1) + fmt::F(force, 10, 2) + fmt::X(1) + fmt::F(depth, 6, 2);
}

// Below a tension crack only the part of the layer under the zero-pressure depth pushes.
void tensionZone(LayerResultants& r, const EPLayer& l, const Coefficients& c, double sigmaVBelow, double zBelow) {
    r.pa1 = r.pa2 = r.pa3 = 0.0;
    const double a = 2.0 * l.cohesion * c.sqrtKa - l.sigmaV * c.ka;
    const double b = sigmaVBelow * c.ka - 2.0 * l.cohesion * c.sqrtKa;
    r.zeroDepth = b + a != 0.0 ? b * l.thick / (b + a) : 0.0;
    r.pa4 = b > 0.0 ? l.factor * r.zeroDepth * b / 2.0 : 0.0;
    r.z3 = zBelow - r.zeroDepth / 3.0;
}

}  // namespace

std::vector<LayerResultants> computeLayerResultants(const ResultantInputs& in, Report& rep, const UnitLabels& u) {
    const EPProfile& p = in.profile;
    soilBox(rep, "ACTIVE EARTH PRESSURE OF EACH LAYER");
    rep.line(fmt::X(6) + " LAYER    PA1     Z1       PA2     Z2         PA3     Z3" + "        PA4");
    const std::string force = forcePerLengthLabel(u);
    // Each label ends where its column of values ends.
    std::string units = fmt::X(6) + "  NO" + fmt::X(2) + force + fmt::X(4) + u.length3;
    for (int k = 0; k < 2; ++k) units += fmt::X(4) + force + fmt::X(4) + u.length3;
    rep.line(units + fmt::X(4) + force);
    std::vector<LayerResultants> out(p.count());
    for (int i = 0; i < p.dredgeLayer; ++i) {
        const EPLayer& l = p.layers[i];
        const Coefficients& c = in.coefficients[i];
        LayerResultants& r = out[i];
        const double t = l.thick;
        const double f = l.factor;
        r.pa1 = addLegacyResultant(l.sigmaV * c.ka * t * f, in.legacy, l.zTop, t, in.freeHeight);
        r.pa2 = 0.5 * effectiveGamma(l, in.gammaWater) * (t * t) * c.ka * f;
        r.pa3 = -2.0 * l.cohesion * c.sqrtKa * t * f;
        r.z1 = l.zTop + t / 2.0;
        r.z2 = l.zTop + 2.0 * t / 3.0;
        if (r.pa1 + r.pa3 < 0.0) tensionZone(r, l, c, p.layers[i + 1].sigmaV, p.zTop(i + 1));
        rep.line(fmt::X(6) + fmt::I(i + 1, 2) + pair(r.pa1, r.z1) + pair(r.pa2, r.z2) + pair(r.pa3, r.z3) +
                 fmt::X(1) + fmt::F(r.pa4, 10, 2));
    }
    return out;
}

int computeWaterResultants(const ResultantInputs& in, int wallCode, std::vector<LayerResultants>& results,
                           Report& rep) {
    const EPProfile& p = in.profile;
    if (p.waterLayer < 0 || p.waterLayer > p.dredgeLayer - 1) return wallCode;
    soilBox(rep, "ACTIVE WATER PRESSURE OF EACH LAYER");
    rep.line(fmt::X(6) + " LAYER    PW1     Z1       PW2     Z2");
    rep.line(fmt::X(6) + "  NO");
    for (int i = p.waterLayer; i < p.dredgeLayer; ++i) {
        const EPLayer& l = p.layers[i];
        LayerResultants& r = results[i];
        if (!(l.drained && l.belowWater)) continue;
        const double t = l.thick;
        r.pw1 = -(l.zTop - in.waterDepthBackfill) * in.gammaWater * t;
        r.pw2 = -0.5 * in.gammaWater * (t * t);
        rep.line(fmt::X(6) + fmt::I(i + 1, 2) + pair(-r.pw1, r.z1) + pair(-r.pw2, r.z2));
    }
    return 1;
}

void checkNetPressure(const EPProfile& p, const std::vector<LayerResultants>& results, Report& rep,
                      std::ostream& warnings) {
    double total = 0.0;
    for (int i = 0; i < p.dredgeLayer; ++i) {
        const LayerResultants& r = results[i];
        total += r.pa1 + r.pa2 + r.pa3 + r.pa4 - r.pw1 - r.pw2;
    }
    if (total >= kNetTolerance) return;
    const std::string message = fmt::X(5) + "Net active pressure is negative.";
    rep.emptyLines(2);
    rep.line(message);
    warnings << "\n\n" << message << '\n';
}

}  // namespace torven::soil
