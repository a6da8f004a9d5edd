#pragma once
// Strict reading of a decimal real, "." as separator whatever the locale.
#include <optional>
#include <string_view>

namespace torven::data {

enum class DecimalStatus { Ok, NotANumber, Overflow };

struct DecimalResult {
    DecimalStatus status = DecimalStatus::NotANumber;
    long double value = 0;
};

// Optional sign, digits with at most one point (at least one digit), and an
// optional exponent "e" or "E" with optional sign and digits. Nothing else:
// no blanks, "inf", "nan" or hexadecimal floats.
DecimalResult ReadDecimal(std::string_view text);

}  // namespace torven::data
