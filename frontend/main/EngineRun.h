#pragma once
// One analysis: write the run file, load the engine, call it once, unload it.
#include <filesystem>
#include <string>

#include "frontend/main/RunPaths.h"

namespace torven::run {

inline constexpr const char* kEngineLibraryName = "Torven2015_DLL.so";
inline constexpr const char* kEngineEntryName = "_ITORVEN";
inline constexpr int kEngineHandshake = 14;

enum class RunStatus {
    Ok,                  // the engine ran; its own errors are in the report
    DataFileUnreadable,
    RunFileNotWritten,   // the data file's directory cannot be entered or written
    EngineNotLoadable,   // library missing, not loadable or without the entry
    EntryRefused,        // the entry answered something other than 0
};

struct EngineRunResult {
    RunStatus status = RunStatus::Ok;
    std::string message;
    RunPaths paths;
    int entryResult = 0;
};

// Runs the engine found in engineDirectory on dataFile. The data file's
// directory is the current directory during the call and receives the run
// file (removed afterwards) and the engine's scratch files.
EngineRunResult RunEngine(const std::filesystem::path& dataFile,
                          const std::filesystem::path& engineDirectory);

}  // namespace torven::run
