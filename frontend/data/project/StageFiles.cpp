#include "frontend/data/project/StageFiles.h"

#include <system_error>

#include "frontend/data/project/TextFile.h"

namespace torven::data {

namespace fs = std::filesystem;

fs::path StageFilePath(const fs::path& dataFile, int stage) {
    fs::path name = dataFile;
    name.replace_extension(".st" + std::to_string(stage));
    return name;
}

std::string StageTitle(int stage, std::string_view projectTitle) {
    if (stage == 1) return std::string(projectTitle);
    return std::string(kStageTitle) + std::to_string(stage);
}

std::string StageStatusText(int stage) { return "Construction Stage Number: " + std::to_string(stage); }

void DeleteStageFiles(const fs::path& dataFile, int from, int to) {
    for (int stage = from; stage <= to; ++stage) {
        const fs::path file = StageFilePath(dataFile, stage);
        std::error_code error;
        fs::remove(file, error);
        if (error) throw FileError("Cannot delete " + file.string() + ": " + error.message());
    }
}

}  // namespace torven::data
