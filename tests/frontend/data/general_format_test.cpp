#include "frontend/data/GeneralFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "frontend/data/Evaluator.h"

namespace torven::data {
namespace {

TEST(FormatGeneral, ShortestTextWithTheGivenSignificantDigits) {
    struct Case {
        long double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {1, 8, "1"},
        {0.5L, 8, "0.5"},
        {29000000, 8, "29000000"},
        {0.000001L, 8, "1E-6"},
        {0.00001L, 8, "0.00001"},
        {123456789, 8, "1.2345679E8"},
        {-2.5L, 8, "-2.5"},
        {0, 8, "0"},
        {-0.0L, 8, "0"},
        {1e20L, 18, "1E20"},
        {-1.5e-7L, 18, "-1.5E-7"},
        {0.1L, 18, "0.1"},
        {1.0L / 3, 8, "0.33333333"},
        {99999999.5L, 8, "1E8"},
        {std::numeric_limits<long double>::infinity(), 8, "INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text) << static_cast<double>(c.value);
    }
}

TEST(FormatGeneral, NumbersUseAPointWhateverTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
    const std::string text = FormatGeneral(2.5L, 8);
    const long double typed = Evaluate("2.5*2");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "2.5");
    EXPECT_EQ(typed, 5);
}

}  // namespace
}  // namespace torven::data
