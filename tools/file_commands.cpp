#include "tools/file_commands.h"

#include <optional>

#include "frontend/data/DecimalText.h"
#include "frontend/data/project/FileLayout.h"
#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/StageOperations.h"
#include "frontend/data/project/StagedFile.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TextFile.h"
#include "frontend/tables/MainTables.h"
#include "frontend/tables/StreamReadError.h"
#include "tools/run_outcome.h"

namespace torven::cli {

namespace {

namespace fs = std::filesystem;
using data::TProgramData;

struct Usage {
    std::vector<std::string> files;
    std::optional<int> variant;
    std::string problem;
};

Usage ParseArguments(const std::vector<std::string>& args) {
    Usage usage;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--variant") {
            usage.files.push_back(args[i]);
            continue;
        }
        const auto number = i + 1 < args.size() ? data::ReadDecimal(args[i + 1]) : data::DecimalResult{};
        const long double v = number.value;
        if (number.status != data::DecimalStatus::Ok || v != static_cast<int>(v) || v < data::kCurrentVariant ||
            v > data::kVariantCount) {
            usage.problem = "--variant needs a number from 1 to 5";
            return usage;
        }
        usage.variant = static_cast<int>(v);
        ++i;
    }
    return usage;
}

// Messages of the reader are collected instead of shown.
data::ProjectCallbacks Collecting(std::vector<std::string>& messages) {
    data::ProjectCallbacks callbacks;
    callbacks.inform = [&messages](const std::string& message) { messages.push_back(message); };
    return callbacks;
}

int Report(std::ostream& err, const fs::path& file, const std::vector<std::string>& messages) {
    for (const std::string& message : messages) err << "torven-run: " << file.string() << ": " << message << "\n";
    return kExitFileProblem;
}

// The stage files a conversion works with are not kept, whatever happens.
class ScratchStageFiles {
public:
    explicit ScratchStageFiles(fs::path dataFile) : dataFile_(std::move(dataFile)) {}
    ~ScratchStageFiles() {
        for (int stage = 1; stage <= data::kMaxStages; ++stage) {
            std::error_code ignored;
            fs::remove(data::StageFilePath(dataFile_, stage), ignored);
        }
    }
    ScratchStageFiles(const ScratchStageFiles&) = delete;
    ScratchStageFiles& operator=(const ScratchStageFiles&) = delete;

private:
    fs::path dataFile_;
};

// A staged file is cut into stage files under the new name, those are
// brought to the current layout and joined again.
void WriteStaged(TProgramData& project, const fs::path& old, int variant, std::vector<std::string>& messages) {
    const ScratchStageFiles scratch(project.FileName);
    data::SplitStagedFile(project, old);
    if (variant != data::kCurrentVariant) data::ConvertStageFiles(project, data::StageLayoutOfVariant(variant));
    if (messages.empty()) project.AssembleStagedFile(project.FileName, project.FileName);
}

int Convert(const Usage& usage, tables::TableSet& tables, std::ostream& out, std::ostream& err) {
    const fs::path old = usage.files[0];
    const fs::path target = usage.files[1];
    if (data::VariantForFile(target) != data::kCurrentVariant) {
        err << "torven-run: " << target.string()
            << " would be opened as an older layout; give the converted file the extension .tv5d\n";
        return kExitFileProblem;
    }
    const int variant = usage.variant.value_or(data::VariantForFile(old));
    std::vector<std::string> messages;
    auto project = TProgramData::CreateFromFile(tables, old, variant, Collecting(messages));
    if (!messages.empty()) return Report(err, old, messages);

    project->FileName = target;
    if (project->NumStages > 1) {
        WriteStaged(*project, old, variant, messages);
        if (!messages.empty()) return Report(err, old, messages);
    } else {
        project->WriteInputFile();
    }
    out << "converted " << old.string() << " (variant " << variant << ", " << project->NumStages
        << (project->NumStages == 1 ? " stage" : " stages") << ") to " << target.string() << "\n";
    return kExitOk;
}

int WriteNew(const fs::path& file, tables::TableSet& tables, std::ostream& out, std::ostream& err) {
    if (fs::exists(file)) {
        err << "torven-run: " << file.string() << " exists already; a new project does not replace it\n";
        return kExitFileProblem;
    }
    auto project = TProgramData::CreateNew(tables);
    project->FileName = file;
    project->WriteInputFile();
    out << "wrote a new project to " << file.string() << "\n";
    return kExitOk;
}

}  // namespace

int RunFileCommand(const std::vector<std::string>& args, const fs::path& tablesDirectory, std::ostream& out,
                   std::ostream& err) {
    const bool convert = args.front() == "--convert";
    const Usage usage = ParseArguments(args);
    const std::size_t files = convert ? 2 : 1;
    std::string problem = usage.problem;
    if (problem.empty() && usage.files.size() != files) {
        problem = convert ? "--convert needs OLD and NEW" : "--new needs one FILE";
    }
    if (problem.empty() && !convert && usage.variant) problem = "--variant belongs to --convert";
    if (!problem.empty()) {
        err << "torven-run: " << problem << " (see torven-run --help)\n";
        return kExitFileProblem;
    }
    try {
        tables::TableSet tables = tables::LoadMainTables(tablesDirectory);
        return convert ? Convert(usage, tables, out, err) : WriteNew(usage.files[0], tables, out, err);
    } catch (const data::FileError& error) {
        err << "torven-run: " << error.what() << "\n";
    } catch (const tables::StreamReadError& error) {
        err << "torven-run: the table definitions cannot be read: " << error.what() << "\n";
    }
    return kExitFileProblem;
}

}  // namespace torven::cli
