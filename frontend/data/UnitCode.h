#pragma once
// Unit codes such as "F/L2^2": parsing, ratio and conversion factor.
#include <string_view>
#include <vector>

#include "frontend/data/UnitSystem.h"

namespace torven::data {

struct UnitTerm {
    const UnitKind* kind;
    int exponent;
};

struct ParsedUnitCode {
    std::vector<UnitTerm> numerator;    // at most a force and a length term
    std::vector<UnitTerm> denominator;
};

// Splits at the first "/" and reads each side as an optional force term
// (with one separator after it) and an optional length term; text that fits
// neither contributes nothing.
ParsedUnitCode ParseUnitCode(std::string_view code);

// English units in one SI unit of the code; 1 for codes without kinds.
long double UnitRatio(std::string_view code);

// Factor a value in the code's unit is multiplied by when it moves from one
// system to another: only English <-> SI converts.
long double UnitFactor(int from, int to, std::string_view code);

}  // namespace torven::data
