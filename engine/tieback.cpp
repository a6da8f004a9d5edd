#include "engine/tieback.h"

#include <cmath>

#include "engine/constants.h"

namespace torven {

void convertTieback(Tieback& tie, int units, double h, double widthActive) {
    const double feet = units == 1 ? 12.0 : 1.0;
    const double length = tie.unbondedLength * feet;
    tie.spacingConverted = tie.spacing * feet;
    tie.depthConverted = tie.depth * feet;
    const double station = std::round(tie.depthConverted / h);
    // Far outside any wall; the reader refuses it as a station out of range.
    tie.station = std::isfinite(station) && std::fabs(station) < 1e9 ? static_cast<int>(station) : -1000000000;
    tie.angleRad = tie.angle * k::kPiSingle / 180.0;
    const double cosine = std::cos(tie.angleRad);
    tie.spring = widthActive * tie.area * tie.modulus * cosine / (length * tie.spacingConverted);
    tie.load = -(widthActive / tie.spacingConverted) * tie.prestress * cosine;
}

}  // namespace torven
