#pragma once
// What a finished run's report says: per case the errors, the iteration
// outcome and the largest results along the wall.
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace torven::run {

// A station-table value as printed, with its magnitude for comparison. A
// field full of asterisks overflowed: its magnitude is infinite.
struct ReportValue {
    double value = 0.0;
    std::string text;
};

struct Extreme {
    ReportValue value;   // signed, as printed
    ReportValue depth;   // X of the station
    int station = 0;
};

struct IterationOutcome {
    int iteration = 0;
    bool offCurves = false;
    int exceededStations = 0;   // stations beyond the allowable deflection
    bool notClosed = false;
    int stationRows = 0;
    std::optional<Extreme> maxDeflection;
    std::optional<Extreme> maxMoment;
    std::optional<Extreme> maxShear;
};

struct CaseSummary {
    std::vector<std::string> errors;           // the message lines, trimmed
    std::optional<IterationOutcome> results;   // absent when the case stopped early
};

struct ReportSummary {
    std::vector<CaseSummary> cases;
    // A case whose first records cannot be read fails before its header.
    std::vector<std::string> errorsBeforeFirstCase;
    bool endOfAnalysis = false;
};

ReportSummary ScanReport(std::istream& report);
// Throws std::runtime_error when the report cannot be opened.
ReportSummary ScanReportFile(const std::filesystem::path& report);

}  // namespace torven::run
