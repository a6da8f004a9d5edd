#include "frontend/data/GeneralFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace torven::data {

namespace {

void DropTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

std::string FormatGeneral(long double value, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    if (digits < 1) digits = 1;

    // Rounded digits and exponent; the separator printf uses is skipped, so
    // the user's locale cannot leak into the text.
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    std::string mantissa;
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative) ++p;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') mantissa += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    std::string text = negative ? "-" : "";
    if (std::fabs(value) >= 0.00001L && exponent < digits) {
        std::string integer, fraction;
        if (exponent >= 0) {
            integer = mantissa.substr(0, exponent + 1);
            fraction = mantissa.substr(exponent + 1);
        } else {
            integer = "0";
            fraction = std::string(-exponent - 1, '0') + mantissa;
        }
        DropTrailingZeros(fraction);
        text += integer;
        if (!fraction.empty()) text += "." + fraction;
        return text;
    }
    std::string fraction = mantissa.substr(1);
    DropTrailingZeros(fraction);
    text += mantissa.substr(0, 1);
    if (!fraction.empty()) text += "." + fraction;
    text += "E" + std::to_string(exponent);
    return text;
}

}  // namespace torven::data
