#include "frontend/data/project/StageOperations.h"

#include <algorithm>
#include <string>

#include "frontend/data/project/FileLayout.h"
#include "frontend/data/project/InputFileReader.h"
#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/TProgramData.h"

namespace torven::data {

namespace fs = std::filesystem;

namespace {

void NameStageFile(TProgramData& p) { p.StageFileName = StageFilePath(p.FileName, p.CurrentStage); }

void SetLayoutFlags(TProgramData& p, StageLayoutFlags flags) {
    p.HasMEICount = flags.hasMEICount;
    p.HasTiebackCount = flags.hasTiebackCount;
}

}  // namespace

void ShowStage(const TProgramData& p) {
    p.Callbacks().ShowStatus(p.NumStages > 1 ? StageStatusText(p.CurrentStage) : std::string());
    p.Callbacks().UpdateStageControls();
}

void SaveCurrentStage(TProgramData& p) {
    NameStageFile(p);
    p.WriteStageFile();
}

bool LoadCurrentStage(TProgramData& p) {
    NameStageFile(p);
    if (!fs::exists(p.StageFileName)) return true;
    const auto failure = ReadStageFile(p, p.StageFileName);
    if (failure) p.Callbacks().Inform(*failure);
    return !failure;
}

void SwitchStage(TProgramData& p, int stage) {
    if (stage == p.CurrentStage || stage < 1 || stage > p.NumStages) return;
    const bool modified = p.IsModified();
    SaveCurrentStage(p);
    p.CurrentStage = stage;
    LoadCurrentStage(p);
    p.SetModified(modified);
    ShowStage(p);
}

void CopyPreviousStage(TProgramData& p) {
    const int stage = p.CurrentStage;
    if (stage < 2) return;
    if (!p.Callbacks().Ask("Do you want to copy all information from Stage " + std::to_string(stage - 1) +
                           " to Stage " + std::to_string(stage))) {
        return;
    }
    p.CurrentStage = stage - 1;
    LoadCurrentStage(p);
    p.CurrentStage = stage;
    SaveCurrentStage(p);
}

void ChangeStageCount(TProgramData& p, int count) {
    count = std::clamp(count, 1, kMaxStages);
    const int previous = p.NumStages;
    // The shown stage's edits would be lost when the stages are read back.
    if (previous > 1 && count > 1 && count != previous) SaveCurrentStage(p);
    p.NumStages = count;
    if (count == 1 || previous == 1 || count < previous) p.CurrentStage = 1;
    ShowStage(p);
    if (count == 1) {
        DeleteStageFiles(p.FileName, 1, kMaxStages);
        return;
    }
    if (count != previous) {
        // From one stage every stage starts as a copy of the single data set,
        // never from stage files another project left under this name.
        if (previous == 1) DeleteStageFiles(p.FileName, 1, kMaxStages);
        const int shown = p.CurrentStage;
        // A stage without a file takes the data of the stage before it.
        for (int stage = 1; stage <= count; ++stage) {
            p.CurrentStage = stage;
            LoadCurrentStage(p);
            p.NumStages = count;
            SaveCurrentStage(p);
        }
        p.CurrentStage = shown;
        LoadCurrentStage(p);
        p.SetModified(true);
    }
    DeleteStageFiles(p.FileName, count + 1, kMaxStages);
}

StageLayoutFlags StageLayoutOfVariant(int variant) {
    const FileLayout layout = LayoutOfVariant(variant);
    return {layout.meiCount, layout.tiebackCount};
}

StageLayoutFlags StageLayoutOf(const fs::path& dataFile) { return StageLayoutOfVariant(VariantForFile(dataFile)); }

bool ConvertStageFiles(TProgramData& p, StageLayoutFlags older) {
    const int stages = p.NumStages;
    bool clean = true;
    for (int stage = 1; stage <= stages; ++stage) {
        p.CurrentStage = stage;
        SetLayoutFlags(p, older);
        clean = LoadCurrentStage(p) && clean;
        p.NumStages = stages;
        SaveCurrentStage(p);
        p.Callbacks().ShowStatus(StageStatusText(stage));
    }
    SetLayoutFlags(p, {});
    p.CurrentStage = 1;
    return LoadCurrentStage(p) && clean;
}

bool ConvertStageFiles(TProgramData& p, const fs::path& dataFile) {
    return ConvertStageFiles(p, StageLayoutOf(dataFile));
}

}  // namespace torven::data
