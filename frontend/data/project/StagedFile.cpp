#include "frontend/data/project/StagedFile.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TextFile.h"

namespace torven::data {

namespace fs = std::filesystem;

namespace {

std::string JoinedLines(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += lines[i] + std::string(kLineEnd);
    return text;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    if (fs::absolute(a).lexically_normal() == fs::absolute(b).lexically_normal()) return true;
    std::error_code error;
    return fs::equivalent(a, b, error);
}

}  // namespace

void TProgramData::AssembleStagedFile(const fs::path& target, const fs::path& source) {
    // Every stage file is read before anything is written, so a missing one
    // leaves the target and the stage files as they were.
    std::string text;
    for (int stage = 1; stage <= NumStages; ++stage) {
        const std::vector<std::string> lines = SplitLines(ReadFileText(StageFilePath(source, stage)));
        text += JoinedLines(lines, 0, lines.size());
    }
    SaveTextFile(target, text);
    if (SameFile(target, source)) return;
    // Stage files of an earlier project under the target's name are replaced.
    for (int stage = 1; stage <= NumStages; ++stage) {
        const fs::path from = StageFilePath(source, stage);
        const fs::path to = StageFilePath(target, stage);
        std::error_code error;
        fs::rename(from, to, error);
        if (error) throw FileError("Cannot move " + from.string() + " to " + to.string() + ": " + error.message());
    }
    // Higher stages left under the target's name belong to another project.
    DeleteStageFiles(target, NumStages + 1, kMaxStages);
}

void SplitStagedFile(TProgramData& p, const fs::path& stagedFile) {
    const std::vector<std::string> lines = SplitLines(ReadFileText(stagedFile));
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].find(kStageMark) != std::string::npos) starts.push_back(i);
    }
    starts.push_back(lines.size());

    DeleteStageFiles(p.FileName, 1, kMaxStages);
    const int stages = std::min<int>(p.NumStages, static_cast<int>(starts.size()) - 1);
    for (int stage = 1; stage <= stages; ++stage) {
        SaveTextFile(StageFilePath(p.FileName, stage), JoinedLines(lines, starts[stage - 1], starts[stage]));
    }
}

}  // namespace torven::data
