#include "engine/soil/wall_surcharge_echo.h"

#include "engine/fortran_format.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/soil_units.h"
#include "engine/soil/surcharge.h"

namespace torven::soil {

namespace {

std::string valueLine(const std::string& label, double value, const std::string& unit = std::string()) {
    return fmt::X(6) + label + fmt::E(value, 10, 3) + unit;
}

void echoLoad(Report& r, int number, const SurchargeLoad& load, const UnitLabels& u) {
    r.line();
    r.line(fmt::X(6) + "SURCHARGE LOADING NO.        = " + fmt::I(number, 10));
    const SurchargeKind kind = surchargeKind(load.type);
    if (kind == SurchargeKind::Strip) {
        r.line(valueLine("STRIP LOAD                   = ", load.magnitude, stressLabel(u)));
        r.line(valueLine("WIDTH OF THE STRIP LOAD      = ", load.width, u.length3));
        r.line(valueLine("HORIZONTAL DISTANCE BETWEEN  = ", load.distance, u.length3));
        r.line(fmt::X(6) + "WALL AND MIDDLE OF STRIP WIDTH          ");
        return;
    }
    if (kind == SurchargeKind::Line)
        r.line(valueLine("LINE LOAD                    = ", load.magnitude, forcePerLengthLabel(u)));
    else
        r.line(valueLine("POINT LOAD                   = ", load.magnitude, u.force4));
    r.line(valueLine("HORIZONTAL DISTANCE BETWEEN  = ", load.distance, u.length3));
    r.line(fmt::X(6) + "THE WALL AND SURCHARGE         ");
}

}  // namespace

void echoWallAndSurcharges(Report& r, const SoilRecord& soil, double gammaWater, const UnitLabels& u) {
    const SoilWallRecord& w = soil.wall;
    soilBox(r, "WALL INFORMATION");
    r.line(valueLine("FREE HEIGHT OF WALL                    = ", w.freeHeight, u.length3));
    r.line(valueLine("WIDTH FOR EARTH PRESSURE, WA           = ", w.widthActive, u.length3));
    r.line(valueLine("WIDTH FOR SOIL RESISTANCE, WP          = ", w.widthPY, u.length3));
    r.line(valueLine("DEPTH TO THE WATER TABLE AT BACKFILL   = ", w.waterDepthBackfill, u.length3));
    r.line(valueLine("DEPTH TO THE WATER TABLE AT EXCAVATION = ", w.waterDepthExcavation, u.length3));
    r.line(valueLine("UNIT WEIGHT OF WATER                   = ", gammaWater, unitWeightLabel(u)));
    r.line(valueLine("SLOPE OF THE BACKFILL (deg.)           = ", w.backfillSlope));
    r.line(valueLine("MODIFICATION FOR ACTIVE EARTH PRESSURE = ", w.activeFactor));

    soilBox(r, "SURCHARGE INFORMATION");
    r.line(valueLine("UNIFORM SURFACE PRESSURE     =", soil.uniformSurcharge, stressLabel(u)));
    for (std::size_t i = 0; i < soil.surcharges.size(); ++i)
        echoLoad(r, static_cast<int>(i) + 1, soil.surcharges[i], u);
}

}  // namespace torven::soil
