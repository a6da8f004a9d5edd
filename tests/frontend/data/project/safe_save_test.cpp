#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "frontend/data/project/TextFile.h"
#include "frontend/main/temp_dir.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

using test::ProjectTest;

namespace fs = std::filesystem;

std::string FailureOf(const fs::path& file, const std::string& text) {
    try {
        SaveTextFile(file, text);
    } catch (const FileError& error) {
        return error.what();
    }
    return "no failure";
}

int FilesIn(const fs::path& dir) {
    return static_cast<int>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(SafeSave, AWriteThatFailsHalfwayLeavesThePreviousFile) {
    torven::test::TempDir dir;
    const fs::path file = dir.Write("wall.tv5d", "previous contents");
    // A file size limit makes the write fail after its first bytes.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{16, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string failure = FailureOf(file, std::string(1000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(failure, "Cannot write " + file.string() + ": File too large");
    EXPECT_EQ(torven::test::ReadText(file), "previous contents");
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(SafeSave, ATargetThatCannotBeReplacedStaysAsItWas) {
    torven::test::TempDir dir;
    const fs::path target = dir.path() / "wall.tv5d";
    fs::create_directory(target);
    dir.Write("wall.tv5d/inside", "kept");

    EXPECT_NE(FailureOf(target, "new"), "no failure");
    EXPECT_EQ(torven::test::ReadText(target / "inside"), "kept");
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(SafeSave, ASuccessfulSaveReplacesTheFileWhole) {
    torven::test::TempDir dir;
    const fs::path file = dir.Write("wall.tv5d", "a much longer previous text than the new one");
    SaveTextFile(file, "new\r\n");
    EXPECT_EQ(torven::test::ReadText(file), "new\r\n");
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST_F(ProjectTest, AFailedSaveReportsTheReasonAndKeepsTheProjectModified) {
    project->FileName = "/nonexistent/dir/wall.tv5d";
    project->SetModified(true);
    try {
        project->WriteInputFile();
        FAIL() << "no failure";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write /nonexistent/dir/wall.tv5d: No such file or directory");
    }
    EXPECT_TRUE(project->IsModified());
}

}  // namespace
}  // namespace torven::data
