#include "engine/engine_run.h"

#include <iostream>

#include "engine/fortran_format.h"

namespace torven {

namespace {

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
    return s;
}

bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool isInteger(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    if (line[i] == '+' || line[i] == '-') ++i;
    std::size_t digits = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i, ++digits;
    return digits > 0 && (i == line.size() || line[i] == ' ' || line[i] == '\t' || line[i] == ',');
}

std::tm localNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

}  // namespace

EngineRun::EngineRun(std::string runFilePath) : runFilePath_(std::move(runFilePath)) { clock = localNow; }

int EngineRun::run() {
    if (!readRunFile() || !openFiles()) return 0;
    blockCount_ = 1;
    caseCount_ = 0;
    try {
        caseLoop();
    } catch (const FatalStop&) {
        // The report and the scratch files keep what was written.
    } catch (const std::exception& e) {
        // Nothing may escape into the caller's process; say what happened.
        reportFile_ << "\n\n     ERROR -- THE ANALYSIS STOPPED: " << e.what() << '\n';
    }
    reportFile_.close();
    input_.close();
    plotFile_.close();
    monitor_.close();
    return 0;
}

bool EngineRun::readRunFile() {
    std::ifstream in(runFilePath_);
    std::string line;
    if (!in) {
        std::cerr << " CANNOT OPEN THE RUN FILE " << runFilePath_ << '\n';
        return false;
    }
    std::string header[4];
    for (int i = 0; i < 4; ++i) {
        if (!readLine(in, header[i]) || (i == 3 && !isInteger(header[i]))) {
            std::cerr << " THE RUN FILE " << runFilePath_ << " CANNOT BE READ AT LINE " << i + 1 << '\n';
            return false;
        }
    }
    versionText_ = fmt::Text(header[0], 12);
    std::string* paths[4] = {&inputPath_, &reportPath_, &plotPath_, &monitorPath_};
    for (std::string* path : paths) {
        if (!readLine(in, line)) {
            std::cerr << " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
                      << " BEFORE COMPUTATION.  TRY IT AGAIN!\n";
            return false;
        }
        *path = trimRight(line);
    }
    return true;
}

bool EngineRun::openFiles() {
    input_.open(inputPath_, std::ios::binary);
    if (!input_) {
        std::cerr << " CANNOT OPEN THE INPUT DATA FILE " << inputPath_ << '\n';
        return false;
    }
    struct Output {
        std::ofstream& stream;
        const std::string& path;
    };
    for (Output out : {Output{reportFile_, reportPath_}, Output{plotFile_, plotPath_}, Output{monitor_, monitorPath_}}) {
        out.stream.open(out.path, std::ios::binary | std::ios::trunc);
        if (!out.stream) {
            std::cerr << " CANNOT CREATE THE OUTPUT FILE " << out.path << '\n';
            return false;
        }
    }
    reader_.emplace(input_);
    report_.emplace(reportFile_);
    plot_.emplace(plotFile_);
    return true;
}

void EngineRun::checkStop(const std::string& message) {
    report_->line(message);
    throw CheckStop{};
}

void EngineRun::caseLoop() {
    try {
        for (;;) {
            startCase();
            readCase();
            iterate();
            writeTiebackResults();
            reader_->beginRecord();
            longTermCode_ = reader_->readInt("END-OF-CASE CODE");
            if (longTermCode_ == case_.control.numStages) longTermCode_ = 0;
            if (longTermCode_ == 0) break;
            blockCount_ = longTermCode_ == 9 ? 2 : case_.control.numStages;
            plot_->writeResultBlock(blockCount_, case_.control.units, lastResults_);
        }
    } catch (const CheckStop&) {
    } catch (const InputError& e) {
        report_->emptyLines(2);
        report_->line("     INPUT ERROR -- " + std::string(e.what()));
    }
    endOfRun();
}

void EngineRun::startCase() {
    reader_->beginRecord();
    std::string title = reader_->readLine("TITLE");
    if (title.size() > 70) title.resize(70);
    case_ = CaseData{};
    case_.title = fmt::Text(title, 80);
    ++caseCount_;
    if (caseCount_ == 1) projectTitle_ = case_.title;
    longTermCode_ = 0;

    ControlRecord& c = case_.control;
    reader_->beginRecord();
    c.units = reader_->readInt("UNITS");
    c.nRestr = reader_->readInt("NO OF RESTRAINTS");
    c.nStiff = reader_->readInt("NO OF STIFFNESS ROWS");
    c.nPYMod = reader_->readInt("NO OF P-Y MODIFICATION FACTORS");
    c.kep = reader_->readInt("EARTH PRESSURE OPTION");
    c.kpy = reader_->readInt("P-Y CURVE OPTION");
    c.nPYCurves = reader_->readInt("NO OF USER P-Y CURVES");
    c.numStages = reader_->readInt("NO OF STAGES");
    c.nMEI = reader_->readInt("NO OF M-EI CURVES");
    c.nTieback = reader_->readInt("NO OF TIEBACKS");

    if (caseCount_ > 1) report_->emptyLines(2);
    writeCaseHeader();
    labels_ = UnitLabels::forUnits(c.units);
}

void EngineRun::endOfRun() {
    report_->emptyLines(3);
    report_->line("     END OF ANALYSIS");
    if (longTermCode_ == 0) plot_->writeResultBlock(blockCount_, case_.control.units, lastResults_);
}

}  // namespace torven
