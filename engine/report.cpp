#include "engine/report.h"

#include "engine/fortran_format.h"

namespace torven {

UnitLabels UnitLabels::forUnits(int units) {
    switch (units) {
        case 1: return {" IN", " LBS", "IN", "LBS"};
        case 2: return {"  M", "  KN", " M", " KN"};
        default: return {"  L", "   F", " L", "  F"};
    }
}

void Report::line(const std::string& text) { out_ << text << '\n'; }

void Report::emptyLines(int count) {
    for (int i = 0; i < count; ++i) line();
}

void Report::sectionBox(const std::string& title) {
    emptyLines(2);
    const std::string stars(50, '*');
    line(fmt::X(6) + stars);
    line(fmt::X(6) + "*" + fmt::Text(title, 48) + "*");
    line(fmt::X(6) + stars);
}

void Report::depthPressureHeader(const UnitLabels& labels) {
    emptyLines(2);
    line(fmt::X(8) + " DEPTH         ACTIVE EARTH PRESSURE");
    line(fmt::X(9) + labels.length3 + fmt::X(17) + labels.force4 + "/" + labels.length2);
    line(fmt::X(8) + "--------       ------------------------");
}

void Report::depthPressureRow(double depth, double pressure) {
    line(fmt::X(6) + fmt::E(depth, 10, 3) + fmt::X(10) + fmt::E(pressure, 10, 3));
}

}  // namespace torven
