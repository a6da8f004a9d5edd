#include "frontend/main/EngineRun.h"

#include <fstream>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "frontend/main/RunFile.h"
#include "frontend/main/ScopedCurrentDirectory.h"
#include "frontend/main/TDynamicLibrary.h"

namespace torven::run {

namespace {

using EngineEntry = int(int);

bool IsReadableFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

// Removes the run file however the run ends, so no stale one is left for the
// next run to pick up.
class RunFileGuard {
public:
    explicit RunFileGuard(std::filesystem::path file) : file_(std::move(file)) {}
    ~RunFileGuard() {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
    }
    RunFileGuard(const RunFileGuard&) = delete;
    RunFileGuard& operator=(const RunFileGuard&) = delete;

private:
    std::filesystem::path file_;
};

EngineRunResult Fail(EngineRunResult result, RunStatus status, std::string message) {
    result.status = status;
    result.message = std::move(message);
    return result;
}

}  // namespace

EngineRunResult RunEngine(const std::filesystem::path& dataFile,
                          const std::filesystem::path& engineDirectory) {
    EngineRunResult result;
    result.paths = RunPathsFor(dataFile);
    if (!IsReadableFile(result.paths.data)) {
        return Fail(result, RunStatus::DataFileUnreadable,
                    "Cannot read the data file " + result.paths.data.string());
    }

    const auto workDirectory = result.paths.data.parent_path();
    std::optional<ScopedCurrentDirectory> inWorkDirectory;
    std::optional<RunFileGuard> runFile;
    try {
        inWorkDirectory.emplace(workDirectory);
        runFile.emplace(WriteRunFile(workDirectory, result.paths));
    } catch (const std::exception& error) {
        return Fail(result, RunStatus::RunFileNotWritten, error.what());
    }

    const auto libraryPath = std::filesystem::absolute(engineDirectory) / kEngineLibraryName;
    TDynamicLibrary engine;
    EngineEntry* entry = nullptr;
    try {
        engine.Load(libraryPath.string());
        entry = engine.Proc<EngineEntry>(kEngineEntryName);
    } catch (const EDLLError& error) {
        return Fail(result, RunStatus::EngineNotLoadable, error.what());
    }
    if (entry == nullptr) {
        return Fail(result, RunStatus::EngineNotLoadable,
                    "The library " + libraryPath.string() + " has no entry " + kEngineEntryName);
    }

    result.entryResult = entry(kEngineHandshake);
    if (result.entryResult != 0) {
        return Fail(result, RunStatus::EntryRefused,
                    "The engine refused the call (result " + std::to_string(result.entryResult) +
                        "): the engine and this program do not belong together.");
    }
    result.message = "The analysis ran; see the report for results or error messages.";
    return result;
}

}  // namespace torven::run
