#include "frontend/data/Evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "frontend/data/AssignError.h"

namespace torven::data {
namespace {

struct EvaluatorCase {
    const char* typed;
    std::optional<long double> value;  // empty: the evaluation fails
    const char* detail = "";          // the failure's detail line
};

constexpr long double kPi = std::numbers::pi_v<long double>;

std::optional<long double> Fails() { return std::nullopt; }

TEST(Evaluate, TypedTextsGiveTheirValuesOrTheirMessages) {
    using namespace evaluation;
    const EvaluatorCase cases[] = {
        // Precedence, associativity and the unary-minus rule.
        {"2+3*4", 14},
        {"2^3^2", 64},
        {"-2^2", 4},
        {"2*-3", -6},
        {"2--3", 5},
        {"1e-5", 1e-5L},
        {"2e-3*2", 0.004L},
        {" 1 +\t2 ", 3},
        {"10%3", 1},
        {"-7%3", -1},
        {"7.9%2", 1},
        {"1&0", 0},
        {"2&3", 1},
        {"0|2", 1},
        {"1+2=3", 1},
        {"3=4", 0},
        {"(1+2)*3", 9},
        {"((2))*(3-1)", 4},
        // Functions, constants, factorial and hexadecimal.
        {"sin(pi/2)", 1},
        {"cosec(pi/2)", 1},
        {"sqrt16", 4},
        {"sqrt4!", std::sqrt(24.0L)},
        {"sin30*2", std::sin(30.0L) * 2},
        {"5!", 120},
        {"0!", 1},
        {"(-3)!", -6},
        {"$FF", 255},
        {"$1f", 31},
        {"$FFFFFFFF", -1},
        {"$00000000ff", 255},
        {"PI", kPi},
        {"-pi", -kPi},
        {"e", std::numbers::e_v<long double>},
        {"ln(e)", 1},
        {"log1000", 3},
        {"round2.5", 2},
        {"round3.5", 4},
        {"ceil-1.5", -1},
        {"floor-1.5", -2},
        {"int-2.7", -2},
        {"frac-2.5", -0.5L},
        {"abs-3", 3},
        {"arctan1*4", kPi},
        {"cotan(pi/4)", 1},
        {"sec0", 1},
        {"cosh0", 1},
        {"arccosh1", 0},
        {"2e3", 2000},
        {"0.1", 0.1L},
        // The evaluator's own messages.
        {"-sin(1)", Fails(), kInvalidCharacters.data()},
        {"0-sin(1)", -std::sin(1.0L)},
        {"2e+3", Fails(), kInvalidCharacters.data()},
        {"3+", Fails(), kInvalidExpression.data()},
        {"*3", Fails(), kInvalidCharacters.data()},
        {"2)", Fails(), kParentheses.data()},
        {"(2", Fails(), kInvalidCharacters.data()},
        {"()", Fails(), kBlank.data()},
        {"", Fails(), kBlank.data()},
        {"   ", Fails(), kBlank.data()},
        {"2.5!", Fails(), kFactorial.data()},
        {"abc", Fails(), kInvalidCharacters.data()},
        {"inf", Fails(), kInvalidCharacters.data()},
        {"nan", Fails(), kInvalidCharacters.data()},
        {"0x10", Fails(), kInvalidCharacters.data()},
        {"$", Fails(), kInvalidHex.data()},
        {"$1G", Fails(), kInvalidHex.data()},
        {"$123456789", Fails(), kInvalidHex.data()},
        // Arithmetic faults fail instead of storing an infinity.
        {"1/0", Fails(), kDivisionByZero.data()},
        {"1/(2-2)", Fails(), kDivisionByZero.data()},
        {"5%0.5", Fails(), kDivisionByZero.data()},
        {"0^-1", Fails(), kDivisionByZero.data()},
        {"cotan0", Fails(), kDivisionByZero.data()},
        {"csc0", Fails(), kDivisionByZero.data()},
        {"ln0", Fails(), "logarithm of zero or a negative number"},
        {"log(0-1)", Fails(), "logarithm of zero or a negative number"},
        {"sqrt(0-4)", Fails(), "square root of a negative number"},
        {"arcsin2", Fails(), "argument out of range for arcsin"},
        {"arccos(0-2)", Fails(), "argument out of range for arccos"},
        {"arccosh0.5", Fails(), "argument out of range for arccosh"},
        {"arctanh1", Fails(), "argument out of range for arctanh"},
        {"(0-8)^(1/3)", Fails(), "negative number raised to a fractional power"},
        {"1e4000*1e4000", Fails(), kOverflow.data()},
        {"10^5000", Fails(), kOverflow.data()},
        {"1e5000", Fails(), kOverflow.data()},
        {"cosh20000", Fails(), kOverflow.data()},
        {"3000!", Fails(), kOverflow.data()},
        {"1e9!", Fails(), kOverflow.data()},
        {"ceil1e10", Fails(), kOverflow.data()},
    };
    for (const EvaluatorCase& c : cases) {
        SCOPED_TRACE(c.typed);
        if (c.value) {
            const long double got = Evaluate(c.typed);
            EXPECT_NEAR(static_cast<double>(got), static_cast<double>(*c.value),
                        1e-15 * std::max(1.0, std::fabs(static_cast<double>(*c.value))));
            continue;
        }
        try {
            Evaluate(c.typed);
            ADD_FAILURE() << "evaluated although it should fail";
        } catch (const AssignError& error) {
            EXPECT_EQ(error.what(), std::string("Entry could not be evaluated:\n") + c.detail);
        }
    }
}

TEST(Evaluate, ResultsAreRoundedToEighteenDigitsBetweenOperators) {
    // Long double sums of decimals land on the typed value again.
    EXPECT_EQ(Evaluate("0.1+0.2"), 0.3L);
    EXPECT_EQ(FormatEntry(Evaluate("0.1")), "0.1");
    EXPECT_EQ(FormatEntry(Evaluate("2*6")), "12");
    EXPECT_EQ(FormatEntry(Evaluate("1/3")), "0.333333333333333333");
}

TEST(EvaluateOperand, ReadsOneOperandWithoutOperators) {
    EXPECT_EQ(EvaluateOperand("--5"), 5);
    EXPECT_EQ(EvaluateOperand("---5"), -5);
    EXPECT_EQ(EvaluateOperand("SQRT9"), 3);
    EXPECT_THROW(EvaluateOperand("2+3"), AssignError);
}

}  // namespace
}  // namespace torven::data
