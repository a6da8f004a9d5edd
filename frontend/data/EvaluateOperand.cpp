#include <cctype>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "frontend/data/DecimalText.h"
#include "frontend/data/Evaluator.h"
#include "frontend/data/EvaluatorFunctions.h"

namespace torven::data {

namespace {

using namespace evaluation;

// Beyond this every factorial overflows the extended range.
constexpr long double kLargestFactorial = 1754;

long double Factorial(long double x) {
    if (x != std::trunc(x)) Fail(kFactorial);
    const long double n = std::fabs(x);
    if (n > kLargestFactorial) Fail(kOverflow);
    long double product = 1;
    for (long double k = 2; k <= n; ++k) product *= k;
    return x < 0 ? -product : product;
}

// "$" and hexadecimal digits, read as a 32-bit integer: at most eight
// significant digits, leading zeros aside.
long double Hexadecimal(std::string_view digits) {
    while (digits.size() > 8 && digits.front() == '0') digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 8) Fail(kInvalidHex);
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                      : -1;
        if (digit < 0) Fail(kInvalidHex);
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

long double Decimal(std::string_view text) {
    const DecimalResult result = ReadDecimal(text);
    if (result.status == DecimalStatus::Overflow) Fail(kOverflow);
    if (result.status != DecimalStatus::Ok) Fail(kInvalidCharacters);
    return result.value;
}

}  // namespace

long double EvaluateOperand(std::string_view operand) {
    std::string text(operand);
    for (std::size_t pos = text.find("--"); pos != std::string::npos; pos = text.find("--")) {
        text.erase(pos, 2);
    }
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    if (text == "pi") return std::numbers::pi_v<long double>;
    if (text == "-pi") return -std::numbers::pi_v<long double>;
    if (text == "e") return std::numbers::e_v<long double>;
    if (text == "-e") return -std::numbers::e_v<long double>;

    const auto names = FunctionNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (text.starts_with(names[i])) {
            return ApplyFunction(i, EvaluateOperand(std::string_view(text).substr(names[i].size())));
        }
    }
    if (!text.empty() && text.back() == '!') {
        return Factorial(EvaluateOperand(std::string_view(text).substr(0, text.size() - 1)));
    }
    if (!text.empty() && text.front() == '$') return Hexadecimal(std::string_view(text).substr(1));
    return Decimal(text);
}

}  // namespace torven::data
