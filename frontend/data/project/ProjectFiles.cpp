#include "frontend/data/project/ProjectFiles.h"

#include "frontend/data/project/FileLayout.h"
#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/StageOperations.h"
#include "frontend/data/project/StagedFile.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TextFile.h"

namespace torven::data {

namespace fs = std::filesystem;

std::unique_ptr<TProgramData> OpenProject(tables::TableSet& tables, const fs::path& file, int variant,
                                          ProjectCallbacks callbacks) {
    auto project = TProgramData::CreateFromFile(tables, file, variant, std::move(callbacks));
    ShowStage(*project);
    if (project->NumStages == 1) return project;
    try {
        SplitStagedFile(*project, file);
        // Stage files cut from an older file are in its layout: the layout the
        // file was read in, which is the extension's unless the user chose another.
        if (variant != kCurrentVariant) ConvertStageFiles(*project, StageLayoutOfVariant(variant));
    } catch (const FileError& error) {
        project->Callbacks().Inform(error.what());
    }
    return project;
}

void SaveProject(TProgramData& p) {
    if (p.NumStages == 1) {
        p.WriteInputFile();
        return;
    }
    SaveCurrentStage(p);
    p.AssembleStagedFile(p.FileName, p.FileName);
}

void SaveProjectAs(TProgramData& p, const fs::path& target) {
    const fs::path previous = p.FileName;
    if (p.NumStages > 1) {
        SaveCurrentStage(p);
        p.PreviousFileName = previous;
        p.AssembleStagedFile(target, previous);
        p.FileName = target;
        p.StageFileName = StageFilePath(target, p.CurrentStage);
        return;
    }
    p.FileName = target;
    try {
        p.WriteInputFile();
    } catch (...) {
        p.FileName = previous;
        throw;
    }
}

}  // namespace torven::data
