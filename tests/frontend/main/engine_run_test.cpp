#include "frontend/main/EngineRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend/main/RunFile.h"
#include "frontend/main/ScopedCurrentDirectory.h"
#include "temp_dir.h"

namespace torven::run {
namespace {

namespace fs = std::filesystem;

const fs::path kFakeEngineDir = TORVEN_FAKE_ENGINE_DIR;

class EngineRunTest : public ::testing::Test {
protected:
    test::TempDir data;
    test::TempDir elsewhere;
    // Declared last: back in the starting directory before the others go.
    ScopedCurrentDirectory restore{fs::current_path()};
};

TEST_F(EngineRunTest, EngineRunsInTheDataDirectoryWhichIsLeftClean) {
    const auto dataFile = data.Write("wall.tv5d", "title\n");
    fs::current_path(elsewhere.path());

    const EngineRunResult result = RunEngine(dataFile, kFakeEngineDir);

    ASSERT_EQ(result.status, RunStatus::Ok) << result.message;
    EXPECT_EQ(result.entryResult, 0);
    EXPECT_EQ(fs::current_path(), elsewhere.path());
    EXPECT_FALSE(fs::exists(data.path() / "names.dat"));
    // The stand-in engine copies what it found into the report.
    EXPECT_EQ(test::ReadText(data.path() / "wall.tv5o"),
              "cwd=" + data.path().string() + "\n" + RunFileText(RunPathsFor(dataFile)) +
                  "     END OF ANALYSIS\n");
}

TEST_F(EngineRunTest, RelativeDataFileIsTakenFromTheCurrentDirectory) {
    data.Write("wall.tv5d", "title\n");
    fs::current_path(data.path());
    const EngineRunResult result = RunEngine("wall.tv5d", kFakeEngineDir);
    ASSERT_EQ(result.status, RunStatus::Ok) << result.message;
    EXPECT_EQ(result.paths.report, data.path() / "wall.tv5o");
    EXPECT_TRUE(fs::exists(result.paths.report));
}

TEST_F(EngineRunTest, FailuresRestoreTheDirectoryAndRemoveTheRunFile) {
    struct Failure {
        const char* name;
        std::string dataText;
        bool dataExists;
        fs::path engineDir;
        RunStatus status;
        const char* messagePart;
    };
    const Failure failures[] = {
        {"missing data file", "", false, kFakeEngineDir, RunStatus::DataFileUnreadable, "wall.tv5d"},
        {"no engine library", "title\n", true, elsewhere.path(), RunStatus::EngineNotLoadable,
         "Torven2015_DLL.so"},
        {"entry answers non-zero", "refuse\n", true, kFakeEngineDir, RunStatus::EntryRefused,
         "result 7"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        const auto dataFile = data.path() / "wall.tv5d";
        fs::remove(dataFile);
        if (failure.dataExists) data.Write("wall.tv5d", failure.dataText);
        fs::current_path(elsewhere.path());

        const EngineRunResult result = RunEngine(dataFile, failure.engineDir);

        EXPECT_EQ(result.status, failure.status);
        EXPECT_NE(result.message.find(failure.messagePart), std::string::npos) << result.message;
        EXPECT_EQ(fs::current_path(), elsewhere.path());
        EXPECT_FALSE(fs::exists(data.path() / "names.dat"));
        EXPECT_FALSE(fs::exists(data.path() / "wall.tv5o"));
    }
}

TEST_F(EngineRunTest, DirectoryAsDataFileIsUnreadable) {
    EXPECT_EQ(RunEngine(data.path(), kFakeEngineDir).status, RunStatus::DataFileUnreadable);
}

}  // namespace
}  // namespace torven::run
