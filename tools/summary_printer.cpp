#include "tools/summary_printer.h"

#include <cstddef>
#include <string>

namespace torven::cli {

namespace {

constexpr const char* kIndent = "  ";
constexpr const char* kCaseIndent = "      ";

void PrintExtreme(std::ostream& out, const char* label, const std::optional<run::Extreme>& extreme) {
    if (!extreme) return;
    out << kCaseIndent << label << extreme->value.text << " at depth " << extreme->depth.text
        << " (station " << extreme->station << ")\n";
}

void PrintResults(std::ostream& out, const run::IterationOutcome& results) {
    out << "iteration " << results.iteration << ", solution "
        << (results.notClosed ? "NOT closed within the tolerance" : "closed") << '\n';
    if (results.offCurves) out << kCaseIndent << "deflection off the p-y (Q - W) curves\n";
    if (results.exceededStations > 0) {
        out << kCaseIndent << "allowable deflection exceeded at " << results.exceededStations
            << " stations\n";
    }
    PrintExtreme(out, "max deflection ", results.maxDeflection);
    PrintExtreme(out, "max moment     ", results.maxMoment);
    PrintExtreme(out, "max shear      ", results.maxShear);
}

void PrintReport(std::ostream& out, const run::ReportSummary& report) {
    out << kIndent << "cases run: " << report.cases.size() << '\n';
    for (const std::string& error : report.errorsBeforeFirstCase) {
        out << kIndent << error << '\n';
    }
    for (std::size_t i = 0; i < report.cases.size(); ++i) {
        const run::CaseSummary& c = report.cases[i];
        out << kIndent << "case " << i + 1 << ": ";
        if (c.results) {
            PrintResults(out, *c.results);
        } else {
            out << (c.errors.empty() ? "no results\n" : "stopped before the solution\n");
        }
        for (const std::string& error : c.errors) out << kCaseIndent << error << '\n';
    }
    if (!report.endOfAnalysis) {
        out << kIndent << "END OF ANALYSIS missing: the analysis stopped early\n";
    }
}

const char* StatusText(int exitStatus) {
    switch (exitStatus) {
        case kExitOk: return "ok";
        case kExitAnalysisProblem: return "the analysis reported a problem";
        case kExitFileProblem: return "file problem";
        default: return "engine problem";
    }
}

}  // namespace

void PrintSummary(std::ostream& out, const FileOutcome& outcome) {
    const run::RunPaths& paths = outcome.run.paths;
    out << "== " << paths.data.string() << '\n';
    if (outcome.run.status != run::RunStatus::Ok) {
        out << kIndent << outcome.run.message << '\n';
    } else if (outcome.report) {
        PrintReport(out, *outcome.report);
    } else {
        out << kIndent << outcome.reportProblem << '\n';
    }
    if (outcome.run.status == run::RunStatus::Ok) {
        out << kIndent << "report:  " << paths.report.string() << '\n'
            << kIndent << "plot:    " << paths.plot.string() << '\n'
            << kIndent << "monitor: " << paths.monitor.string() << '\n';
    }
    out << kIndent << "status " << outcome.exitStatus << ": " << StatusText(outcome.exitStatus)
        << '\n';
}

}  // namespace torven::cli
