#pragma once
// Shortest general format of a real with at most `digits` significant digits.
#include <string>

namespace torven::data {

// Fixed notation when the magnitude is at least 0.00001 and the integer part
// has no more than `digits` digits, else mantissa, "E" and the exponent with
// a minus sign only when negative and no leading zeros. Trailing zeros and a
// trailing point are dropped; the separator is always ".".
std::string FormatGeneral(long double value, int digits);

}  // namespace torven::data
