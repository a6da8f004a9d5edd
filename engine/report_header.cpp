// The header that opens every case in the report.
#include "engine/engine_run.h"
#include "engine/fortran_format.h"

namespace torven {

namespace {

const char* const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

struct PathParts {
    std::string drive, directory, name, extension;
};

// No drive letters here: the drive part stays empty.
PathParts splitPath(const std::string& path) {
    PathParts parts;
    std::size_t slash = path.find_last_of("/\\");
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.directory = path.substr(0, nameStart);
    std::string file = path.substr(nameStart);
    std::size_t dot = file.find_last_of('.');
    parts.name = dot == std::string::npos ? file : file.substr(0, dot);
    parts.extension = dot == std::string::npos ? std::string() : file.substr(dot);
    if (parts.directory.size() > 256) parts.directory.resize(256);
    if (parts.name.size() > 256) parts.name.resize(256);
    if (parts.extension.size() > 5) parts.extension.resize(5);
    return parts;
}

std::string fileName(const std::string& path) {
    PathParts p = splitPath(path);
    return trimRight(p.name) + trimRight(p.extension);
}

}  // namespace

void EngineRun::writeCaseHeader() {
    Report& r = *report_;
    const std::string rule = fmt::X(5) + std::string(73, '=');
    r.line(rule);
    r.line();
    r.line(fmt::X(20) + "  TORVEN for Windows, Version " + versionText_);
    r.line();
    r.line(fmt::X(20) + "   A Program for the Analysis of");
    r.line(fmt::X(20) + "   Flexible Retaining Walls");
    r.line();
    r.line(rule);
    r.emptyLines(2);

    PathParts input = splitPath(inputPath_);
    r.line(fmt::X(5) + "Path to file locations      : " + trimRight(input.drive) + trimRight(input.directory));
    r.line(fmt::X(5) + "Name of input data file     : " + fileName(inputPath_));
    r.line(fmt::X(5) + "Name of output file         : " + fileName(reportPath_));
    r.line(fmt::X(5) + "Name of plot output file    : " + fileName(plotPath_));
    r.line();

    const std::string dashes = fmt::X(5) + std::string(73, '-');
    r.line(dashes);
    r.line(fmt::X(26) + "Time and Date of Analysis");
    r.line(dashes);
    r.line();
    std::tm now = clock();
    const int month = now.tm_mon >= 0 && now.tm_mon < 12 ? now.tm_mon : 0;
    r.line(fmt::X(15) + "Date:  " + kMonths[month] + " " + fmt::TwoDigits(now.tm_mday) + ", " +
           std::to_string(now.tm_year + 1900) + fmt::X(5) + "Time:  " + fmt::TwoDigits(now.tm_hour) + ":" +
           fmt::TwoDigits(now.tm_min) + ":" + fmt::TwoDigits(now.tm_sec));
    writeCaseTitleLine();
}

void EngineRun::writeCaseTitleLine() {
    Report& r = *report_;
    r.line();
    if (case_.control.numStages > 1)
        r.line(fmt::X(6) + "Stage No :" + fmt::I(caseCount_, 2) + fmt::X(2) + trimRight(projectTitle_.substr(0, 70)));
    else if (caseCount_ == 1)
        r.line(fmt::X(6) + trimRight(case_.title.substr(0, 70)));
    else
        r.line(fmt::X(6) + "Long Term :" + fmt::X(2) + trimRight(projectTitle_.substr(0, 70)));
}

}  // namespace torven
