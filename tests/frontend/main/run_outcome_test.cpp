#include "tools/run_outcome.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/main/ReportSummary.h"

namespace torven::cli {
namespace {

using run::RunStatus;

std::optional<run::ReportSummary> Report(const std::string& text) {
    std::istringstream in(text);
    return run::ScanReport(in);
}

const std::string kBanner = "   A Program for the Analysis of\n";
const std::string kEnd = "     END OF ANALYSIS\n";
const std::string kClosed = "     RESULTS -- ITERATION  4\n";

TEST(ExitStatus, FollowsTheRunAndTheReport) {
    struct Case {
        const char* name;
        RunStatus status;
        std::optional<run::ReportSummary> report;
        int exit;
    };
    const std::vector<Case> cases = {
        {"clean two-case run", RunStatus::Ok, Report(kBanner + kClosed + kBanner + kClosed + kEnd), kExitOk},
        {"warnings alone are fine", RunStatus::Ok,
         Report(kBanner + kClosed + "     ***** DEFLECTION OFF Q - W CURVES *****\n" + kEnd), kExitOk},
        {"error message", RunStatus::Ok,
         Report(kBanner + "     ERROR STOP -- STATIONS NOT IN ORDER\n" + kEnd), kExitAnalysisProblem},
        {"second case not closed", RunStatus::Ok,
         Report(kBanner + kClosed + kBanner + "     RESULTS -- ITERATION100\n" +
                "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n" + kEnd),
         kExitAnalysisProblem},
        {"error before any case", RunStatus::Ok,
         Report("     INPUT ERROR -- END OF FILE AT LINE 2 WHILE READING UNITS\n" + kEnd),
         kExitAnalysisProblem},
        {"no end line", RunStatus::Ok, Report(kBanner + kClosed), kExitAnalysisProblem},
        {"no report", RunStatus::Ok, std::nullopt, kExitAnalysisProblem},
        {"unreadable data", RunStatus::DataFileUnreadable, std::nullopt, kExitFileProblem},
        {"run file not written", RunStatus::RunFileNotWritten, std::nullopt, kExitFileProblem},
        {"engine missing", RunStatus::EngineNotLoadable, std::nullopt, kExitEngineProblem},
        {"call refused", RunStatus::EntryRefused, std::nullopt, kExitEngineProblem},
    };
    for (const Case& c : cases) {
        run::EngineRunResult result;
        result.status = c.status;
        EXPECT_EQ(ExitStatusFor(result, c.report), c.exit) << c.name;
    }
}

}  // namespace
}  // namespace torven::cli
