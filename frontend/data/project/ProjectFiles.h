#pragma once
// File Open, Save and Save As of a project once the file name is settled
// (the dialogs and questions around them belong to the main window).
#include <filesystem>
#include <memory>

#include "frontend/data/project/ProjectCallbacks.h"

namespace torven::tables {
class TableSet;
}

namespace torven::data {

class TProgramData;

// The project from the file; a staged file is split into its stage files,
// which are converted when the file has an older extension. Failures are
// told through inform and the open completes with what was read.
std::unique_ptr<TProgramData> OpenProject(tables::TableSet& tables, const std::filesystem::path& file, int variant,
                                          ProjectCallbacks callbacks = {});

// One stage writes the data file; several save the shown stage and
// assemble the data file from the stage files. Failures throw FileError.
void SaveProject(TProgramData& project);

// As SaveProject under another name; the stage files move to the new name.
// On failure the project keeps its old name.
void SaveProjectAs(TProgramData& project, const std::filesystem::path& target);

}  // namespace torven::data
