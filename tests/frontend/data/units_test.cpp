#include <gtest/gtest.h>

#include <string>

#include "frontend/data/UnitCode.h"
#include "frontend/data/UnitLabel.h"
#include "frontend/data/UnitSystem.h"

namespace torven::data {
namespace {

struct CodeCase {
    const char* code;
    long double ratio;  // English units per SI unit, to 7 significant digits
    const char* english;
    const char* si;
    const char* other;  // column rule
};

const CodeCase kCodesInUse[] = {
    {"L", 39.37008L, "in", "m", "L"},
    {"L1", 0.03937008L, "in", "mm", "L"},
    {"L2", 3.280840L, "ft", "m", "L"},
    {"L1^2", 0.001550003L, "in^2", "mm^2", "L^2"},
    {"F", 224.8089L, "lbs", "kN", "F"},
    {"F/L", 5.710147L, "lbs/in", "kN/m", "F/L"},
    {"F/L2", 68.52176L, "lbs/ft", "kN/m", "F/L"},
    {"F/L^2", 0.1450377L, "lbs/in^2", "kN/m^2", "F/L^2"},
    {"F/L2^2", 20.88543L, "lbs/ft^2", "kN/m^2", "F/L^2"},
    {"F/L^3", 0.003683958L, "lbs/in^3", "kN/m^3", "F/L^3"},
    {"F/L2^3", 6.365880L, "lbs/ft^3", "kN/m^3", "F/L^3"},
    {"F-L", 8850.745L, "lbs-in", "kN-m", "F-L"},
    {"F-L^2", 348454.5L, "lbs-in^2", "kN-m^2", "F-L^2"},
    {"F-L/RAD.", 8850.745L, "lbs-in/RAD.", "kN-m/RAD.", "F-L/RAD."},
    {"DEG.", 1, "DEG.", "DEG.", "DEG."},
    {"deg.", 1, "deg.", "deg.", "deg."},
    {"SEE NOTES", 1, "SEE NOTES", "SEE NOTES", "SEE NOTES"},
    {"", 1, "", "", ""},
};

TEST(UnitCodes, RatiosAndLabelsOfTheCodesInUse) {
    for (const CodeCase& c : kCodesInUse) {
        SCOPED_TRACE(c.code);
        EXPECT_NEAR(static_cast<double>(UnitRatio(c.code) / c.ratio), 1.0, 5e-7);
        EXPECT_EQ(UnitLabel(c.code, kEnglish), c.english);
        EXPECT_EQ(UnitLabel(c.code, kSI), c.si);
        EXPECT_EQ(UnitLabel(c.code, kOtherUnits), c.other);
        // The field rule agrees in English and SI and shows the code otherwise.
        EXPECT_EQ(FieldUnitLabel(c.code, kEnglish), c.english);
        EXPECT_EQ(FieldUnitLabel(c.code, kSI), c.si);
        EXPECT_EQ(FieldUnitLabel(c.code, kOtherUnits), c.code);
    }
}

TEST(UnitCodes, KindsOutsideTheCodesInUse) {
    EXPECT_EQ(UnitLabel("F2/L3", kEnglish), "tons/rad");
    EXPECT_EQ(UnitLabel("F4", kOtherUnits), "M");
    EXPECT_EQ(UnitLabel("F5", kSI), "sec");
    EXPECT_EQ(UnitLabel("F6-L", kSI), "Mg-m");
    EXPECT_EQ(UnitLabel("F1/L1^2", kEnglish), "kips/in^2");
    // "F0" and "L0" are the plain kinds.
    EXPECT_EQ(UnitRatio("F0-L0"), UnitRatio("F-L"));
    EXPECT_EQ(UnitRatio("F6"), 68.364249L);
    // Field rule: only the first force kind found is replaced.
    EXPECT_EQ(FieldUnitLabel("F1-F", kEnglish), "kips-F");
    EXPECT_EQ(FieldUnitLabel("F-F", kEnglish), "lbs-lbs");
}

TEST(UnitCodes, ParserReadsTermsAndSkipsOneSeparator) {
    const ParsedUnitCode code = ParseUnitCode("F1^2-L2^3/L");
    ASSERT_EQ(code.numerator.size(), 2u);
    EXPECT_EQ(code.numerator[0].kind->name, "F1");
    EXPECT_EQ(code.numerator[0].exponent, 2);
    EXPECT_EQ(code.numerator[1].kind->name, "L2");
    EXPECT_EQ(code.numerator[1].exponent, 3);
    ASSERT_EQ(code.denominator.size(), 1u);
    EXPECT_EQ(code.denominator[0].kind->name, "L");
    // A digit that names no force kind is the separator, not a kind.
    EXPECT_EQ(UnitRatio("F3L"), UnitRatio("F-L"));
    // Sides that start with neither letter count 1 altogether.
    EXPECT_EQ(UnitRatio("RAD./L"), 1 / UnitRatio("L"));
}

TEST(UnitFactor, OnlyEnglishAndSIConvert) {
    EXPECT_EQ(UnitFactor(kEnglish, kSI, "F/L^3"), 1 / UnitRatio("F/L^3"));
    EXPECT_EQ(UnitFactor(kSI, kEnglish, "F/L^3"), UnitRatio("F/L^3"));
    EXPECT_NEAR(static_cast<double>(0.0694L * UnitFactor(kEnglish, kSI, "F/L^3")), 18.84, 0.005);
    EXPECT_NEAR(static_cast<double>(UnitFactor(kEnglish, kSI, "L2")), 0.3048, 1e-11);
    for (int from = 0; from <= 4; ++from) {
        for (int to = 0; to <= 4; ++to) {
            const int a = ClampUnitSystem(from), b = ClampUnitSystem(to);
            if ((a == kEnglish && b == kSI) || (a == kSI && b == kEnglish)) continue;
            EXPECT_EQ(UnitFactor(from, to, "F-L"), 1) << from << " -> " << to;
        }
    }
    // Systems outside 1..3 are clamped: 0 is English, 4 is "other".
    EXPECT_EQ(UnitFactor(0, 2, "L"), UnitFactor(1, 2, "L"));
    EXPECT_EQ(UnitLabel("L", 7), "L");
}

TEST(UnitFactor, EnglishToSIAndBackRestoresTheValue) {
    for (const CodeCase& c : kCodesInUse) {
        const long double back = 1234.5L * UnitFactor(kEnglish, kSI, c.code) * UnitFactor(kSI, kEnglish, c.code);
        EXPECT_NEAR(static_cast<double>(back), 1234.5, 1e-9) << c.code;
    }
}

}  // namespace
}  // namespace torven::data
