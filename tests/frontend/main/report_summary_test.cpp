#include "frontend/main/ReportSummary.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace torven::run {
namespace {

const std::string kBanner = "                       A Program for the Analysis of\n";
const std::string kEnd = "\n\n\n     END OF ANALYSIS\n";

std::string Results(int iteration, const std::string& messages) {
    std::ostringstream out;
    out << "\n\n     RESULTS -- ITERATION" << std::setw(3) << iteration << "\n"
        << "     --------------------\n"
        << messages << "\n"
        << "   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI\n"
        << "             IN         IN                   LBS-IN       LBS        LBS      LBS-IN**2\n"
        << "   ------    ----        ----       -----      ------      ------    ---------    ----------\n";
    return out.str();
}

// A station row in the report's columns: 2X, I4, 2X, E10.3, 6 x E12.3.
std::string Row(int station, const std::string& x, const std::string& deflection,
                const std::string& moment, const std::string& shear) {
    std::ostringstream out;
    out << "  " << std::setw(4) << station << "  " << std::setw(10) << x << std::setw(12)
        << deflection << std::setw(12) << "0.100E-02" << std::setw(12) << moment << std::setw(12)
        << shear << std::setw(12) << "0.000E+00" << std::setw(12) << "0.290E+10" << "\n";
    return out.str();
}

struct ExpectedResults {
    int iteration;
    bool offCurves;
    int exceeded;
    bool notClosed;
    int rows;
    std::string deflection, moment, shear;  // "value@depth"
};

struct ExpectedCase {
    std::vector<std::string> errors;
    std::optional<ExpectedResults> results;
};

struct ReportCase {
    const char* name;
    std::string report;
    bool endOfAnalysis;
    std::vector<ExpectedCase> cases;
    std::vector<std::string> errorsBeforeFirstCase = {};
};

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.name; }

std::string AtDepth(const std::optional<Extreme>& extreme) {
    return extreme ? extreme->value.text + "@" + extreme->depth.text : "none";
}

const std::vector<ReportCase>& ReportCases() {
    static const std::vector<ReportCase> cases = {
        {"ConvergedCaseTakesLargestMagnitudesAndStopsAtBlankLine",
         kBanner + Results(7, "") +
             Row(0, "0.000E+00", "-0.150E+01", "0.000E+00", "-0.500E+03") +
             Row(1, "0.120E+02", "0.900E+00", "-0.725E+05", "0.100E+03") +
             Row(2, "0.240E+02", "0.100E+00", "0.310E+05", "0.500E+03") +
             // Tieback results follow a blank line; their numbers are no stations.
             "\n  9999  0.999E+03  0.999E+99  0.999E+99  0.999E+99  0.999E+99\n" +
             "\r\n\r\n     END OF ANALYSIS   \r\n",
         true,
         {{{}, ExpectedResults{7, false, 0, false, 3, "-0.150E+01@0.000E+00",
                               "-0.725E+05@0.120E+02", "-0.500E+03@0.000E+00"}}}},
        {"WarningsOverflowAndThreeDigitExponents",
         kBanner +
             Results(100,
                     "\n     ***** DEFLECTION OFF Q - W CURVES *****\n"
                     "\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***  12  *** STATIONS *****\n"
                     "\n     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n") +
             Row(0, "0.000E+00", "0.500E+99", "0.100E+01", "0.100E+01") +
             Row(1, "0.120E+02", "-0.123+100", "************", "0.200E+01") +
             Row(2, "0.240E+02", "0.100E+01", "0.100E+01", "0.100E+01") + kEnd,
         true,
         {{{}, ExpectedResults{100, true, 12, true, 3, "-0.123+100@0.120E+02",
                               "************@0.120E+02", "0.200E+01@0.120E+02"}}}},
        {"InputErrorsAreCollectedPerCase",
         kBanner + "      ERROR ESTIMATE OF THE ECHO, NOT A MESSAGE\n" +
             "\n\n     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n\n" + kEnd,
         true,
         {{{"TOO MUCH DATA FOR AVAILABLE STORAGE"}, std::nullopt}}},
        {"SecondCaseStopsAndLeavesNoEndLine",
         kBanner + Results(2, "") + Row(0, "0.000E+00", "0.100E+01", "0.200E+01", "0.300E+01") +
             "\n\n" + kBanner + "     ERROR STOP -- STATIONS NOT IN ORDER\n" +
             "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n" +
             "     INPUT ERROR -- SOIL TYPE\n",
         false,
         {{{}, ExpectedResults{2, false, 0, false, 1, "0.100E+01@0.000E+00",
                               "0.200E+01@0.000E+00", "0.300E+01@0.000E+00"}},
          {{"ERROR STOP -- STATIONS NOT IN ORDER", "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END",
            "INPUT ERROR -- SOIL TYPE"},
           std::nullopt}}},
        {"ErrorBeforeAnyCaseHeader",
         "\n\n     INPUT ERROR -- END OF FILE AT LINE 2 WHILE READING UNITS\n" + kEnd, true, {},
         {"INPUT ERROR -- END OF FILE AT LINE 2 WHILE READING UNITS"}},
        {"FatalStopOfTheSoilGeneratorsEndsWithoutEndLine",
         kBanner + "     FATAL ERROR -- THE SOIL LAYERS END AT DEPTH 0.100E+03, NOT BELOW THE DREDGE LINE\n",
         false,
         {{{"FATAL ERROR -- THE SOIL LAYERS END AT DEPTH 0.100E+03, NOT BELOW THE DREDGE LINE"}, std::nullopt}}},
        {"EmptyReport", "", false, {}},
    };
    return cases;
}

class ReportSummaryTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportSummaryTest, Scans) {
    const ReportCase& expected = GetParam();
    std::istringstream in(expected.report);
    const ReportSummary summary = ScanReport(in);

    EXPECT_EQ(summary.endOfAnalysis, expected.endOfAnalysis);
    EXPECT_EQ(summary.errorsBeforeFirstCase, expected.errorsBeforeFirstCase);
    ASSERT_EQ(summary.cases.size(), expected.cases.size());
    for (std::size_t i = 0; i < expected.cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i + 1));
        const CaseSummary& got = summary.cases[i];
        const ExpectedCase& want = expected.cases[i];
        EXPECT_EQ(got.errors, want.errors);
        ASSERT_EQ(got.results.has_value(), want.results.has_value());
        if (!want.results) continue;
        EXPECT_EQ(got.results->iteration, want.results->iteration);
        EXPECT_EQ(got.results->offCurves, want.results->offCurves);
        EXPECT_EQ(got.results->exceededStations, want.results->exceeded);
        EXPECT_EQ(got.results->notClosed, want.results->notClosed);
        EXPECT_EQ(got.results->stationRows, want.results->rows);
        EXPECT_EQ(AtDepth(got.results->maxDeflection), want.results->deflection);
        EXPECT_EQ(AtDepth(got.results->maxMoment), want.results->moment);
        EXPECT_EQ(AtDepth(got.results->maxShear), want.results->shear);
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportSummaryTest, ::testing::ValuesIn(ReportCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torven::run
