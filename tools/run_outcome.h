#pragma once
// One data file through the engine, and the exit status it earns.
#include <filesystem>
#include <optional>
#include <string>

#include "frontend/main/EngineRun.h"
#include "frontend/main/ReportSummary.h"

namespace torven::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitAnalysisProblem = 1,   // error message, no END OF ANALYSIS, or not closed
    kExitFileProblem = 2,       // data file unreadable (or its directory not writable)
    kExitEngineProblem = 3,     // engine not loadable or the call refused
};

struct FileOutcome {
    run::EngineRunResult run;
    std::optional<run::ReportSummary> report;   // read when the engine ran
    std::string reportProblem;                  // why report is absent after a run
    int exitStatus = kExitOk;
};

int ExitStatusFor(const run::EngineRunResult& run, const std::optional<run::ReportSummary>& report);

FileOutcome AnalyseFile(const std::filesystem::path& dataFile,
                        const std::filesystem::path& engineDirectory);

}  // namespace torven::cli
