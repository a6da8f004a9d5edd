#include "frontend/data/DecimalText.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace torven::data {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDecimalText(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    int digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        int exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

DecimalResult ReadDecimal(std::string_view text) {
    if (!IsDecimalText(text)) return {};
    const std::string copy(text);
    errno = 0;
    const long double value = strtold_l(copy.c_str(), nullptr, ClassicLocale());
    // ERANGE also flags underflow, which reads as the tiny value or 0.
    if (errno == ERANGE && std::isinf(value)) return {DecimalStatus::Overflow, 0};
    return {DecimalStatus::Ok, value};
}

}  // namespace torven::data
