#include "engine/fortran_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace torven::fmt;

struct IntCase {
  long long value;
  int w;
  const char* expected;
};

struct RealCase {
  double value;
  int w;
  int d;
  const char* expected;
};

using RealFormat = std::string (*)(double, int, int);

void ExpectReal(RealFormat format, const std::vector<RealCase>& cases) {
  for (const auto& c : cases)
    EXPECT_EQ(format(c.value, c.w, c.d), c.expected)
        << "value " << c.value << " in " << c.w << "." << c.d;
}

TEST(FortranFormat, IntegerRightAlignsAndOverflowsToStars) {
  const IntCase cases[] = {
      {7, 2, " 7"},      {-9, 2, "-9"},        {100, 2, "**"},     {-10, 2, "**"},
      {0, 3, "  0"},     {-99, 3, "-99"},      {-100, 3, "***"},   {1234, 4, "1234"},
      {12345, 4, "****"}, {-1234, 5, "-1234"}, {99999, 5, "99999"}, {100000, 5, "*****"},
  };
  for (const auto& c : cases) EXPECT_EQ(I(c.value, c.w), c.expected) << c.value;
}

TEST(FortranFormat, FixedRoundsExactBinaryValue) {
  ExpectReal(F, {
                    {12.5, 9, 3, "   12.500"},
                    {0.0, 9, 3, "    0.000"},
                    {-0.5, 9, 3, "   -0.500"},
                    {0.0005, 9, 3, "    0.001"},   // stored just above the tie
                    {0.0625, 9, 3, "    0.062"},   // exact tie goes to even
                    {-0.0001, 9, 3, "   -0.000"},  // sign survives rounding to zero
                    {12345.678, 9, 3, "12345.678"},
                    {-12345.678, 9, 3, "*********"},
                    {99999.9996, 9, 3, "*********"},  // carry adds a digit
                    {0.125, 10, 2, "      0.12"},
                    {0.375, 10, 2, "      0.38"},
                    {-2.675, 10, 2, "     -2.67"},  // stored just below the tie
                    {1234567.891, 10, 2, "1234567.89"},
                    {-1234567.891, 10, 2, "**********"},
                    {1e300, 10, 2, "**********"},
                });
}

TEST(FortranFormat, FixedDropsLeadingZeroOnlyToFit) {
  ExpectReal(F, {
                    {-0.5, 6, 3, "-0.500"},
                    {-0.5, 5, 3, "-.500"},
                    {-0.5, 4, 3, "****"},
                    {0.5, 4, 3, ".500"},
                    {0.5, 3, 3, "***"},
                    {-0.04, 3, 1, "-.0"},
                    {0.4, 5, 0, "   0."},  // no decimals: the zero is the only digit
                    {0.4, 1, 0, "*"},
                    {2.5, 5, 0, "   2."},
                });
}

TEST(FortranFormat, ExponentialHasZeroBeforeThePoint) {
  ExpectReal(E, {
                    {12.5, 10, 3, " 0.125E+02"},
                    {-12.5, 10, 3, "-0.125E+02"},
                    {0.0, 10, 3, " 0.000E+00"},
                    {0.99996, 10, 3, " 0.100E+01"},  // carry into the exponent
                    {0.0001235, 10, 3, " 0.123E-03"},
                    {1e-100, 10, 3, " 0.100E-99"},
                    {1e-101, 10, 3, "**********"},
                    {-12.5, 9, 3, "-.125E+02"},  // zero dropped to fit
                    {-12.5, 8, 3, "********"},
                    {9.99e98, 12, 3, "   0.999E+99"},
                    {1e100, 12, 3, "************"},
                    {0.99999e99, 12, 3, "************"},  // rounds up to E+100
                    {-1234.5678, 12, 3, "  -0.123E+04"},
                    {0.0625, 12, 3, "   0.625E-01"},
                    {6.02214e23, 14, 3, "     0.602E+24"},
                    {-2.5e-7, 14, 3, "    -0.250E-06"},
                    {999.6, 14, 3, "     0.100E+04"},
                    {-0.00012345, 15, 4, "    -0.1234E-03"},
                    {3.14159265, 15, 4, "     0.3142E+01"},
                    {0.99995, 15, 4, "     0.1000E+01"},
                    {1.5e-10, 13, 4, "   0.1500E-09"},
                    {-987654.321, 13, 4, "  -0.9877E+06"},
                    {0.0, 13, 4, "   0.0000E+00"},
                });
}

TEST(FortranFormat, ScientificHasOneNonZeroDigitBeforeThePoint) {
  ExpectReal(ES, {
                     {1e-5, 9, 3, "1.000E-05"},
                     {0.0, 9, 3, "0.000E+00"},
                     {12.5, 9, 3, "1.250E+01"},
                     {9.9996, 9, 3, "1.000E+01"},
                     {1.0625, 9, 3, "1.062E+00"},
                     {-1e-5, 9, 3, "*********"},
                     {-1e-5, 10, 3, "-1.000E-05"},
                     {1e-99, 9, 3, "1.000E-99"},
                     {9.9996e99, 9, 3, "*********"},
                     {1e-100, 9, 3, "*********"},
                 });
}

TEST(FortranFormat, DoubleUsesLetterD) {
  ExpectReal(D, {
                    {12.5, 10, 3, " 0.125D+02"},
                    {-12.5, 9, 3, "-.125D+02"},
                    {-0.99996e-3, 10, 3, "-0.100D-02"},
                    {1e100, 10, 3, "**********"},
                });
}

TEST(FortranFormat, NonFiniteRealsAreStars) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()};
  for (double v : values) {
    EXPECT_EQ(F(v, 9, 3), "*********");
    EXPECT_EQ(E(v, 10, 3), "**********");
    EXPECT_EQ(ES(v, 9, 3), "*********");
    EXPECT_EQ(D(v, 12, 3), "************");
  }
}

TEST(FortranFormat, SpacingDigitsAndText) {
  EXPECT_EQ(X(3), "   ");
  EXPECT_EQ(X(0), "");
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(59), "59");
  EXPECT_EQ(TwoDigits(100), "**");
  EXPECT_EQ(TwoDigits(-1), "**");
  EXPECT_EQ(Text("ab", 5), "ab   ");
  EXPECT_EQ(Text("abcd", 2), "ab");
  EXPECT_EQ(Text("", 2), "  ");
}

TEST(FortranFormat, ListItemsStaySeparated) {
  EXPECT_EQ(ListInt(12), " 12");
  EXPECT_EQ(ListInt(-3), " -3");
  EXPECT_EQ(ListReal(12.5), "  1.2500000000000000E+01");
  EXPECT_EQ(ListReal(0.0), "  0.0000000000000000E+00");
  EXPECT_EQ(ListReal(-1e100), "  -1.0000000000000000E+100");
  EXPECT_EQ(ListReal(1e-300), "  1.0000000000000000E-300");
  EXPECT_EQ(ListReal(std::numeric_limits<double>::quiet_NaN()), "  NaN");
  EXPECT_EQ(ListReal(-std::numeric_limits<double>::infinity()), "  -Infinity");
}

TEST(FortranFormat, ListRealReadsBackToTheSameDouble) {
  const double values[] = {0.1,
                           -1.0 / 3.0,
                           2.0 / 3.0 * 1e-7,
                           123456789.123456789,
                           std::nextafter(1.0, 2.0),
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min(),
                           -std::numeric_limits<double>::min()};
  std::string line;
  for (double v : values) line += ListReal(v);
  std::istringstream in(line);
  for (double v : values) {
    std::string token;
    ASSERT_TRUE(in >> token);
    EXPECT_EQ(std::strtod(token.c_str(), nullptr), v) << token;
  }
}

}  // namespace
