#include <cmath>
#include <string>

#include "frontend/data/AssignError.h"
#include "frontend/data/Evaluator.h"
#include "frontend/data/GeneralFormat.h"

namespace torven::data {

namespace evaluation {

void Fail(std::string_view detail) {
    throw AssignError(std::string(kPrefix) + "\n" + std::string(detail));
}

long double Finite(long double value) {
    if (!std::isfinite(value)) Fail(kOverflow);
    return value;
}

}  // namespace evaluation

// 18 digits fit the 64-bit significand, so typed decimals come back as typed.
std::string FormatEntry(long double value) { return FormatGeneral(value, 18); }

}  // namespace torven::data
