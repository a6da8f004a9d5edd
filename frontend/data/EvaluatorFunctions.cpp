#include "frontend/data/EvaluatorFunctions.h"

#include <array>
#include <cmath>
#include <string>

#include "frontend/data/Evaluator.h"

namespace torven::data::evaluation {

namespace {

using Function = long double (*)(long double);

[[noreturn]] void OutOfRange(std::string_view name) {
    Fail("argument out of range for " + std::string(name));
}

long double Reciprocal(long double x) {
    if (x == 0) Fail(kDivisionByZero);
    return 1 / x;
}

// ceil and floor give 32-bit integers.
long double Whole32(long double x) {
    if (x < -2147483648.0L || x > 2147483647.0L) Fail(kOverflow);
    return x;
}

long double CheckedLog(long double x) {
    if (x <= 0) Fail("logarithm of zero or a negative number");
    return x;
}

// Fails unless x lies within the bounds (strictly inside when open).
long double InRange(long double x, long double lower, long double upper, bool open,
                    std::string_view name) {
    const bool inside = open ? (x > lower && x < upper) : (x >= lower && x <= upper);
    if (!inside) OutOfRange(name);
    return x;
}

constexpr long double kInf = HUGE_VALL;

struct NamedFunction {
    std::string_view name;
    Function apply;
};

// Matching order: each name is tried before the shorter names it starts with.
const std::array<NamedFunction, 25> kFunctions = {{
    {"arctanh", [](long double x) { return std::atanh(InRange(x, -1, 1, true, "arctanh")); }},
    {"arctan", [](long double x) { return std::atan(x); }},
    {"cotan", [](long double x) { return Reciprocal(std::tan(x)); }},
    {"tanh", [](long double x) { return std::tanh(x); }},
    {"tan", [](long double x) { return std::tan(x); }},
    {"arccosh", [](long double x) { return std::acosh(InRange(x, 1, kInf, false, "arccosh")); }},
    {"arccos", [](long double x) { return std::acos(InRange(x, -1, 1, false, "arccos")); }},
    {"cosh", [](long double x) { return std::cosh(x); }},
    {"cosec", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"cos", [](long double x) { return std::cos(x); }},
    {"sec", [](long double x) { return Reciprocal(std::cos(x)); }},
    {"arcsinh", [](long double x) { return std::asinh(x); }},
    {"arcsin", [](long double x) { return std::asin(InRange(x, -1, 1, false, "arcsin")); }},
    {"sinh", [](long double x) { return std::sinh(x); }},
    {"sin", [](long double x) { return std::sin(x); }},
    {"csc", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"abs", [](long double x) { return std::fabs(x); }},
    {"frac", [](long double x) { return x - std::trunc(x); }},
    {"int", [](long double x) { return std::trunc(x); }},
    {"ln", [](long double x) { return std::log(CheckedLog(x)); }},
    // The default rounding mode sends halves to the even neighbour.
    {"round", [](long double x) { return std::nearbyint(x); }},
    {"ceil", [](long double x) { return Whole32(std::ceil(x)); }},
    {"floor", [](long double x) { return Whole32(std::floor(x)); }},
    {"log", [](long double x) { return std::log10(CheckedLog(x)); }},
    {"sqrt",
     [](long double x) {
         if (x < 0) Fail("square root of a negative number");
         return std::sqrt(x);
     }},
}};

long double Power(long double base, long double exponent) {
    if (base == 0 && exponent < 0) Fail(kDivisionByZero);
    if (base < 0 && exponent != std::trunc(exponent)) {
        Fail("negative number raised to a fractional power");
    }
    return std::pow(base, exponent);
}

long double Remainder(long double left, long double right) {
    const long double divisor = std::trunc(right);
    if (divisor == 0) Fail(kDivisionByZero);
    return std::fmod(std::trunc(left), divisor);
}

}  // namespace

std::span<const std::string_view> FunctionNames() {
    static const auto names = [] {
        std::array<std::string_view, kFunctions.size()> list{};
        for (std::size_t i = 0; i < kFunctions.size(); ++i) list[i] = kFunctions[i].name;
        return list;
    }();
    return names;
}

long double ApplyFunction(std::size_t index, long double x) {
    return Finite(kFunctions.at(index).apply(x));
}

long double ApplyOperator(char op, long double left, long double right) {
    switch (op) {
        case '^': return Finite(Power(left, right));
        case '*': return Finite(left * right);
        case '/':
            if (right == 0) Fail(kDivisionByZero);
            return Finite(left / right);
        case '%': return Remainder(left, right);
        case '&': return left != 0 && right != 0 ? 1 : 0;
        case '+': return Finite(left + right);
        case '-': return Finite(left - right);
        case '|': return left != 0 || right != 0 ? 1 : 0;
        case '=': return left == right ? 1 : 0;
        default: Fail(kInvalidExpression);
    }
}

}  // namespace torven::data::evaluation
