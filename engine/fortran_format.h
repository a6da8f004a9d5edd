#pragma once
// Fortran-style edit descriptors for the fixed-column report lines.
// Every field is right-aligned in exactly w columns; a value that does not fit
// (including a non-finite value) becomes w asterisks.
#include <string>

namespace torven::fmt {

std::string I(long long value, int w);                   // Iw
std::string F(double value, int w, int d);               // Fw.d
std::string E(double value, int w, int d);               // Ew.d:  0.125E+02
std::string ES(double value, int w, int d);              // ESw.d: 1.250E+01
std::string D(double value, int w, int d);               // Dw.d:  0.125D+02
std::string X(int n);                                     // n blanks
std::string TwoDigits(int value);                         // 07
std::string Text(const std::string& text, int w);        // Aw: padded or cut

// List-directed (free-format) output items, each preceded by blanks so that
// consecutive items stay separated; reals keep full double precision.
std::string ListInt(long long value);
std::string ListReal(double value);

}  // namespace torven::fmt
