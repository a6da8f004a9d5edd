#pragma once
// One call of the engine: the run file, the file set and the loop over the
// analysis cases. All state of a call lives here, so calls are independent.
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/case_data.h"
#include "engine/curve_table.h"
#include "engine/list_reader.h"
#include "engine/plot_file.h"
#include "engine/report.h"
#include "engine/wall_model.h"

namespace torven {

// A check failed: its message is in the report; the run goes to its end.
struct CheckStop {};
// A fatal condition of the soil generators: the run ends at once.
struct FatalStop {};

class EngineRun;

// Extension points for the soil generators; each may write report sections,
// the scratch files, or throw CheckStop / FatalStop.
struct Generators {
    // Writes KESTRA.001 for a case with generated earth pressure.
    std::function<void(EngineRun&)> earthPressure;
    // Pressure from surcharges per unit width at a depth.
    std::function<double(EngineRun&, double depth)> surchargePressureAt;
    // Writes SOILDATA for a case with generated p-y curves.
    std::function<void(EngineRun&)> pyCurves;
};

Generators defaultGenerators();

class EngineRun {
public:
    explicit EngineRun(std::string runFilePath = "names.dat");

    // The whole run; the result is always 0 (failures are reported in the files).
    int run();

    Generators generators = defaultGenerators();
    std::function<std::tm()> clock;  // local time for the header

    // State of the current case, for the generators and the tests.
    CaseData& currentCase() { return case_; }
    const SupportDepths& supportDepths() const { return supportDepths_; }
    WallModel& wall() { return wall_; }
    Report& report() { return *report_; }
    PlotFile& plot() { return *plot_; }
    const UnitLabels& labels() const { return labels_; }
    std::ostream& monitor() { return monitor_; }

    // Ends the current case at a failed check with its message in the report.
    [[noreturn]] void checkStop(const std::string& message);

private:
    bool readRunFile();
    bool openFiles();
    void caseLoop();
    void startCase();
    void endOfRun();

    void writeCaseHeader();
    void writeCaseTitleLine();

    // Reading and echo of one case (after the title and control record).
    void readCase();
    void readWallRecord();
    void readRestraints();
    void readStiffnessAndLoads();
    void readPYModifications();
    void readEarthPressure();
    void readSoilRecord();
    void readUserPressureTable();
    void readGeneratedPressureTable();
    void applySurchargesToUserTable();
    void applyEarthPressureLoads();
    void checkBeyondEnd();
    void loadCurves();
    void readUserCurve(bool withGenerated, int& previousContd);
    void readGeneratedCurves();
    void iterate();
    void writeResults(int iter, bool offCurves, const SolveCounts& counts);
    void writeTiebackResults();
    void readMomentEICurves();

    void checkRangeStations(int fromStation, int toStation);

    std::string runFilePath_;
    std::string versionText_ = std::string(12, ' ');
    std::string inputPath_, reportPath_, plotPath_, monitorPath_;

    std::ifstream input_;
    std::ofstream reportFile_, plotFile_;
    std::ofstream monitor_;
    std::optional<ListReader> reader_;
    std::optional<Report> report_;
    std::optional<PlotFile> plot_;

    int caseCount_ = 0;
    int blockCount_ = 1;
    int longTermCode_ = 0;
    std::string projectTitle_;
    UnitLabels labels_;
    CaseData case_;
    SupportDepths supportDepths_;
    WallModel wall_;
    std::vector<PYCurve> curves_;
    // Results of the last completed solution, stations 0 .. N+1.
    std::vector<StationResult> lastResults_;
};

}  // namespace torven
