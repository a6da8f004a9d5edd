#pragma once
// The project: every single-valued input item, the option switches, the file
// names and the stage bookkeeping. List input lives in the main window's grid
// tables, which the project fills and reads when it loads and saves.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "frontend/data/project/ProjectCallbacks.h"

namespace torven::tables {
class TGridTable;
class TableSet;
}  // namespace torven::tables

namespace torven::data {

inline constexpr std::string_view kNewProjectFileName = "NewWall.tv5d";
inline constexpr int kMaxStages = 5;
// LongTermCode of a file that carries a long-term set.
inline constexpr int kLongTermCode = 9;

// Point, line and strip load of the older layouts, in file units.
struct LegacySurcharge {
    long double distance = 0;
    long double pointLoad = 0;
    long double lineLoad = 0;
    long double stripLoad = 0;
    long double stripWidth = 0;
};

class TProgramData {
public:
    // Defaults of a new project; the tables are left as they are.
    explicit TProgramData(tables::TableSet& tables, ProjectCallbacks callbacks = {});
    TProgramData(const TProgramData&) = delete;
    TProgramData& operator=(const TProgramData&) = delete;

    // File New: closes the child windows, resets every table to its minimum
    // rows of defaults (the curve sets to none) and starts in English units.
    static std::unique_ptr<TProgramData> CreateNew(tables::TableSet& tables, ProjectCallbacks callbacks = {});
    // File Open. Variant 1 is the current layout, 2 to 5 the older ones. A
    // read failure is told through inform; the values read before it stay.
    static std::unique_ptr<TProgramData> CreateFromFile(tables::TableSet& tables,
                                                        const std::filesystem::path& path, int variant,
                                                        ProjectCallbacks callbacks = {});

    // Moves the items and every table to another unit system (clamped to 1..3).
    void SetUnitSystem(int system);

    // Writers; a file that cannot be written throws FileError and the
    // previous file stays as it was.
    void WriteInputFile();
    void WriteStageFile();
    // The staged input file at target from the stage files of source; the
    // stage files move to target's names when the two differ.
    void AssembleStagedFile(const std::filesystem::path& target, const std::filesystem::path& source);

    // The project's own flag or any table's.
    bool IsModified() const;
    // False also clears the flags of every table.
    void SetModified(bool modified);

    tables::TableSet& Tables() const { return *tables_; }
    tables::TGridTable& Table(std::string_view name) const;
    const ProjectCallbacks& Callbacks() const { return callbacks_; }

    // Scalar items, in file units (FreeHeight and the water depths in inches
    // and UniformSurcharge in lb/in^2 for English projects).
    std::string Title = "New Wall";
    int Units = 1;
    int NumIncrements = 0;
    long double IncrementLength = 0;
    long double MaxDeflection = 100;
    long double DeflTolerance = 0.00001L;
    long double FreeHeight = 0;
    long double WidthActive = 0;
    long double WidthPY = 0;
    long double WaterDepthBackfill = 0;
    long double WaterDepthExcavation = 0;
    long double ActiveFactor = 1.0L;
    long double BackfillSlope = 0;
    long double UniformSurcharge = 0;
    int WallCode = 1;
    LegacySurcharge Legacy;
    int AnalysisType = 1;
    int EarthPressureMode = 2;

    // Option switches.
    bool GenPY = true;
    bool GenPressure = false;
    bool UseUserPressure = false;
    bool UseRestraints = false;
    bool UseConcLoads = false;
    bool UseSprings = false;
    bool UseTiebacks = false;
    bool UsePYMod = false;
    bool UseUserPY = false;
    bool UseMEI = false;
    bool UseSurcharge = false;
    bool LongTerm = false;

    // Codes derived when the file is written.
    int KEP = 0;
    int KPY = 0;
    int NMEI = 0;
    int NTieback = 0;
    int LongTermCode = 0;

    // Files and stages.
    std::filesystem::path FileName{kNewProjectFileName};
    int NumStages = 1;
    int CurrentStage = 1;
    std::filesystem::path StageFileName;
    std::filesystem::path PreviousFileName;
    // Whether the stage files carry the NMEI count (and the surcharge table
    // and curve multipliers) and the NTieback count (and seven-value
    // tieback rows); off only while older stage files are converted.
    bool HasMEICount = true;
    bool HasTiebackCount = true;

private:
    tables::TableSet* tables_;
    ProjectCallbacks callbacks_;
    bool modified_ = false;
};

}  // namespace torven::data
