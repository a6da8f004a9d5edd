#include "frontend/main/ReportSummary.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace torven::run {

namespace {

constexpr std::string_view kBanner = "A Program for the Analysis of";
constexpr std::string_view kEndOfAnalysis = "     END OF ANALYSIS";
constexpr std::string_view kTooMuchData = "     TOO MUCH DATA FOR AVAILABLE STORAGE";
// "STATIONS NOT IN ORDER" and "NON-ZERO TABLE 4 DATA BEYOND END" carry this prefix too.
constexpr std::string_view kErrorPrefix = "     ERROR";
constexpr std::string_view kInputErrorPrefix = "     INPUT ERROR";
// A stop of the soil generators, which ends the run at once.
constexpr std::string_view kFatalErrorPrefix = "     FATAL ERROR";
constexpr std::string_view kResults = "     RESULTS -- ITERATION";
constexpr std::string_view kOffCurves = "     ***** DEFLECTION OFF Q - W CURVES *****";
constexpr std::string_view kExceeded = "     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***";
constexpr std::string_view kNotClosed =
    "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****";
constexpr std::string_view kTableHeader = "   STA I      X         DEFL.";
constexpr int kLinesBetweenHeaderAndRows = 2;  // unit line, dash line

// Station row columns: 2X, I4, 2X, E10.3, then deflection, slope, moment,
// shear, net reaction and EI in E12.3 each.
struct Column {
    std::size_t start, width;
};
constexpr Column kStation{2, 4};
constexpr Column kDepth{8, 10};
constexpr Column kDeflection{18, 12};
constexpr Column kMoment{42, 12};
constexpr Column kShear{54, 12};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The engine may or may not pad a line with blanks; compare without them.
std::string_view TrimEnd(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::string_view Field(std::string_view line, Column column) {
    if (line.size() < column.start) return {};
    return Trim(line.substr(column.start, column.width));
}

std::optional<int> ParseInt(std::string_view text) {
    text = Trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Fortran E output: 0.123E+02, -0.123E+02, and 0.123+100 once the exponent
// needs three digits.
std::optional<ReportValue> ParseReal(std::string_view field) {
    field = Trim(field);
    if (field.empty()) return std::nullopt;
    if (field.find_first_not_of('*') == std::string_view::npos) {
        return ReportValue{std::numeric_limits<double>::infinity(), std::string(field)};
    }
    std::string text(field);
    if (text.find_first_of("EeDd") == std::string::npos) {
        const auto sign = text.find_last_of("+-");
        if (sign != std::string::npos && sign > 0) text.insert(sign, 1, 'E');
    }
    for (char& c : text) {
        if (c == 'D' || c == 'd') c = 'E';
    }
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    double value = 0.0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return ReportValue{value, std::string(field)};
}

void KeepLargest(std::optional<Extreme>& best, const ReportValue& value, const ReportValue& depth,
                 int station) {
    if (!best || std::fabs(value.value) > std::fabs(best->value.value)) {
        best = Extreme{value, depth, station};
    }
}

// Returns false for a line that is not a station row, which ends the table.
bool TakeStationRow(std::string_view line, IterationOutcome& outcome) {
    const auto station = ParseInt(Field(line, kStation));
    const auto depth = ParseReal(Field(line, kDepth));
    const auto deflection = ParseReal(Field(line, kDeflection));
    const auto moment = ParseReal(Field(line, kMoment));
    const auto shear = ParseReal(Field(line, kShear));
    if (!station || !depth || !deflection || !moment || !shear) return false;
    ++outcome.stationRows;
    KeepLargest(outcome.maxDeflection, *deflection, *depth, *station);
    KeepLargest(outcome.maxMoment, *moment, *depth, *station);
    KeepLargest(outcome.maxShear, *shear, *depth, *station);
    return true;
}

bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

bool IsErrorMessage(std::string_view line) {
    return line == kTooMuchData || StartsWith(line, kErrorPrefix) || StartsWith(line, kInputErrorPrefix) ||
           StartsWith(line, kFatalErrorPrefix);
}

class Scanner {
public:
    void Take(std::string_view line) {
        line = TrimEnd(line);
        if (rowsToSkip_ > 0) {
            --rowsToSkip_;
            return;
        }
        if (inTable_) {
            inTable_ = TakeStationRow(line, *summary_.cases.back().results);
            if (inTable_) return;
        }
        if (line.find(kBanner) != std::string_view::npos) {
            summary_.cases.emplace_back();
        } else if (line == kEndOfAnalysis) {
            summary_.endOfAnalysis = true;
        } else if (!summary_.cases.empty()) {
            TakeCaseLine(line, summary_.cases.back());
        } else if (IsErrorMessage(line)) {
            summary_.errorsBeforeFirstCase.emplace_back(Trim(line));
        }
    }

    ReportSummary Result() && { return std::move(summary_); }

private:
    void TakeCaseLine(std::string_view line, CaseSummary& current) {
        if (IsErrorMessage(line)) {
            current.errors.emplace_back(Trim(line));
        } else if (StartsWith(line, kResults)) {
            current.results.emplace();
            current.results->iteration = ParseInt(line.substr(kResults.size())).value_or(0);
        } else if (current.results) {
            TakeResultsLine(line, *current.results);
        }
    }

    void TakeResultsLine(std::string_view line, IterationOutcome& outcome) {
        if (line == kOffCurves) {
            outcome.offCurves = true;
        } else if (StartsWith(line, kExceeded)) {
            outcome.exceededStations = ParseInt(line.substr(kExceeded.size(), 4)).value_or(0);
        } else if (line == kNotClosed) {
            outcome.notClosed = true;
        } else if (StartsWith(line, kTableHeader)) {
            rowsToSkip_ = kLinesBetweenHeaderAndRows;
            inTable_ = true;
        }
    }

    ReportSummary summary_;
    int rowsToSkip_ = 0;
    bool inTable_ = false;
};

}  // namespace

ReportSummary ScanReport(std::istream& report) {
    Scanner scanner;
    std::string line;
    while (std::getline(report, line)) scanner.Take(line);
    return std::move(scanner).Result();
}

ReportSummary ScanReportFile(const std::filesystem::path& report) {
    std::ifstream in(report, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot read the report " + report.string());
    return ScanReport(in);
}

}  // namespace torven::run
