#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "frontend/data/Evaluator.h"
#include "frontend/data/EvaluatorFunctions.h"

namespace torven::data {

namespace {

using namespace evaluation;

constexpr std::string_view kOperators = "^*/%&+|=";

// Operator passes, tightest first; '-' below stands for a binary minus.
constexpr std::string_view kPasses[] = {"^", "*/%&", "+-|", "="};

struct Expression {
    std::vector<std::string> operands;
    std::string operators;
};

std::string WithoutBlanks(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c != ' ' && c != '\t') result += c;
    }
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Replaces each innermost parenthesised group by its value.
std::string ResolveParentheses(std::string text) {
    for (std::size_t close = text.find(')'); close != std::string::npos; close = text.find(')')) {
        const std::size_t open = text.rfind('(', close);
        if (open == std::string::npos) Fail(kParentheses);
        const long double value = Evaluate(std::string_view(text).substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, FormatEntry(value));
    }
    return text;
}

// A minus that starts an operand rather than subtracting: at the start, right
// after a lone function name, "!" or "$", or after an operator, an exponent
// letter, "~" or a binary minus.
bool IsUnaryMinus(std::string_view text, std::size_t pos, bool previousIsBinaryMinus) {
    if (pos == 0) return true;
    const std::string_view before = text.substr(0, pos);
    if (before == "!" || before == "$") return true;
    for (std::string_view name : FunctionNames()) {
        if (EqualsIgnoringCase(before, name)) return true;
    }
    const char previous = text[pos - 1];
    if (std::string_view("%&*+/=E^e|~").find(previous) != std::string_view::npos) return true;
    return previous == '-' && previousIsBinaryMinus;
}

// A trailing operator leaves one operand short; a leading one leaves an
// empty operand that fails when it is read.
Expression Split(std::string_view text) {
    Expression expression;
    std::string operand;
    bool previousIsBinaryMinus = false;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const bool binaryMinus = c == '-' && !IsUnaryMinus(text, pos, previousIsBinaryMinus);
        if (binaryMinus || kOperators.find(c) != std::string_view::npos) {
            expression.operands.push_back(operand);
            expression.operators += c;
            operand.clear();
        } else {
            operand += c;
        }
        previousIsBinaryMinus = binaryMinus;
    }
    if (!operand.empty()) expression.operands.push_back(operand);
    return expression;
}

// Left to right over one precedence level; each result is kept as its
// 18-digit text.
void ApplyPass(Expression& expression, std::string_view operators) {
    for (std::size_t i = 0; i < expression.operators.size();) {
        const char op = expression.operators[i];
        if (operators.find(op) == std::string_view::npos) {
            ++i;
            continue;
        }
        const long double result = ApplyOperator(op, EvaluateOperand(expression.operands[i]),
                                                 EvaluateOperand(expression.operands[i + 1]));
        expression.operands[i] = FormatEntry(result);
        expression.operands.erase(expression.operands.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        expression.operators.erase(i, 1);
    }
}

}  // namespace

long double Evaluate(std::string_view text) {
    // A text of blanks is as empty as no text at all.
    const std::string compact = WithoutBlanks(text);
    if (compact.empty()) Fail(kBlank);
    Expression expression = Split(ResolveParentheses(compact));
    if (expression.operands.size() != expression.operators.size() + 1) Fail(kInvalidExpression);
    for (std::string_view pass : kPasses) ApplyPass(expression, pass);
    return EvaluateOperand(expression.operands.front());
}

}  // namespace torven::data
