#pragma once
// The named functions an operand may start with, in the order they are tried.
#include <span>
#include <string_view>

namespace torven::data::evaluation {

// Names in matching order: longer names before their prefixes.
std::span<const std::string_view> FunctionNames();

// Applies the function with that index in FunctionNames(); a value outside
// the function's domain or a result too large fails with a detail line.
long double ApplyFunction(std::size_t index, long double x);

// The truncating remainder and the other binary operators; operator is one
// of ^ * / % & + - | =.
long double ApplyOperator(char op, long double left, long double right);

}  // namespace torven::data::evaluation
