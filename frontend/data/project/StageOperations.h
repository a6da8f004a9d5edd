#pragma once
// Construction stages on disk: the tables show one stage at a time and every
// stage is kept in its stage file beside the project's data file. Questions
// and status texts go through the project's callbacks. Writing failures
// throw FileError and abandon the operation.
#include <filesystem>

namespace torven::data {

class TProgramData;

// The status bar text and the stage controls for the stage count and the
// current stage (empty status for one stage).
void ShowStage(const TProgramData& project);

// Writes the tables to the current stage's file; the project is then unmodified.
void SaveCurrentStage(TProgramData& project);

// Reads the current stage's file into the tables when it exists; a read
// failure is told through inform, the values read before it stay and the
// result is false.
bool LoadCurrentStage(TProgramData& project);

// Saves the current stage and shows stage n, keeping the modified state.
void SwitchStage(TProgramData& project, int stage);

// After a Yes, stage n-1's data become stage n's (n = the current stage >= 2).
void CopyPreviousStage(TProgramData& project);

// The staged-construction dialog's OK: new stages start as copies, stage
// files beyond the new count are deleted, one stage deletes them all.
void ChangeStageCount(TProgramData& project, int count);

// Which counts older stage files lack.
struct StageLayoutFlags {
    bool hasMEICount = true;
    bool hasTiebackCount = true;
};

// The flags for stage files that came with a data file of the variant, or of
// this name: .tvd lacks both counts, .tv4d the tieback count.
StageLayoutFlags StageLayoutOfVariant(int variant);
StageLayoutFlags StageLayoutOf(const std::filesystem::path& dataFile);

// Rewrites every stage file from the older layout in the current one, then
// shows stage 1 again. Returns false when a stage file failed to read.
bool ConvertStageFiles(TProgramData& project, StageLayoutFlags older);
bool ConvertStageFiles(TProgramData& project, const std::filesystem::path& dataFile);

}  // namespace torven::data
