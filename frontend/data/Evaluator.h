#pragma once
// The expression evaluator behind every typed number: 12*3.5, sqrt(2)/2, $1f.
#include <string>
#include <string_view>

namespace torven::data {

// Evaluates an expression in extended precision. Fails with an AssignError
// whose message is "Entry could not be evaluated:", a line break and the
// detail; arithmetic faults fail the same way, so the result is always finite.
long double Evaluate(std::string_view text);

// One operand: constants, functions, factorial, hexadecimal, plain numbers.
long double EvaluateOperand(std::string_view text);

// The text an intermediate or shown value is written as.
std::string FormatEntry(long double value);

namespace evaluation {
inline constexpr std::string_view kPrefix = "Entry could not be evaluated:";
inline constexpr std::string_view kBlank = "entry cannot be blank";
inline constexpr std::string_view kParentheses = "() (parentheses) do not match";
inline constexpr std::string_view kInvalidExpression = "invalid expression";
inline constexpr std::string_view kInvalidCharacters = "invalid character(s) in expression";
inline constexpr std::string_view kInvalidHex = "invalid use of $ (hex function)";
inline constexpr std::string_view kFactorial = "! (factoral) applicable to integers only";
inline constexpr std::string_view kDivisionByZero = "division by zero";
inline constexpr std::string_view kOverflow = "overflow";

// Throws the AssignError for a detail line.
[[noreturn]] void Fail(std::string_view detail);

// Fails with kOverflow unless the value is finite.
long double Finite(long double value);
}  // namespace evaluation

}  // namespace torven::data
