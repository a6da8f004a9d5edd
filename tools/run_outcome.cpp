#include "tools/run_outcome.h"

#include <algorithm>
#include <stdexcept>

namespace torven::cli {

namespace {

bool CaseHasProblem(const run::CaseSummary& c) {
    return !c.errors.empty() || (c.results && c.results->notClosed);
}

}  // namespace

int ExitStatusFor(const run::EngineRunResult& run, const std::optional<run::ReportSummary>& report) {
    switch (run.status) {
        case run::RunStatus::DataFileUnreadable:
        case run::RunStatus::RunFileNotWritten:
            return kExitFileProblem;
        case run::RunStatus::EngineNotLoadable:
        case run::RunStatus::EntryRefused:
            return kExitEngineProblem;
        case run::RunStatus::Ok:
            break;
    }
    if (!report || !report->endOfAnalysis || !report->errorsBeforeFirstCase.empty()) {
        return kExitAnalysisProblem;
    }
    const bool anyProblem = std::any_of(report->cases.begin(), report->cases.end(), CaseHasProblem);
    return anyProblem ? kExitAnalysisProblem : kExitOk;
}

FileOutcome AnalyseFile(const std::filesystem::path& dataFile,
                        const std::filesystem::path& engineDirectory) {
    FileOutcome outcome;
    outcome.run = run::RunEngine(dataFile, engineDirectory);
    if (outcome.run.status == run::RunStatus::Ok) {
        try {
            outcome.report = run::ScanReportFile(outcome.run.paths.report);
        } catch (const std::runtime_error& error) {
            outcome.reportProblem = error.what();
        }
    }
    outcome.exitStatus = ExitStatusFor(outcome.run, outcome.report);
    return outcome;
}

}  // namespace torven::cli
