#include "frontend/main/RunFile.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend/main/RunPaths.h"
#include "temp_dir.h"

namespace torven::run {
namespace {

TEST(RunPaths, OutputsShareTheDataFilesBaseName) {
    const RunPaths paths = RunPathsFor("/walls/site.a/../site.b/wall.v2.tv5d");
    EXPECT_EQ(paths.data, "/walls/site.b/wall.v2.tv5d");
    EXPECT_EQ(paths.report, "/walls/site.b/wall.v2.tv5o");
    EXPECT_EQ(paths.plot, "/walls/site.b/wall.v2.tv5p");
    EXPECT_EQ(paths.monitor, "/walls/site.b/wall.v2.tv5r");
}

TEST(RunPaths, RelativeDataFileBecomesAbsolute) {
    EXPECT_EQ(RunPathsFor("wall.tv5d").data, std::filesystem::current_path() / "wall.tv5d");
}

TEST(RunFile, WritesTheEightLines) {
    test::TempDir dir;
    const auto file = WriteRunFile(dir.path(), RunPathsFor("/w/anchored wall.tv5d"));
    EXPECT_EQ(file, dir.path() / "names.dat");
    EXPECT_EQ(test::ReadText(file),
              "2015.5.14\n"
              "Torven2015\n"
              "Flexible Retaining Walls\n"
              "0\n"
              "/w/anchored wall.tv5d\n"
              "/w/anchored wall.tv5o\n"
              "/w/anchored wall.tv5p\n"
              "/w/anchored wall.tv5r\n");
}

TEST(RunFile, PathTooLongForTheEngineFallsBackToTheFileName) {
    // The engine runs in the data file's directory and reads 255 characters.
    const std::string deep = "/" + std::string(250, 'd');
    const std::string text = RunFileText(RunPathsFor(deep + "/wall.tv5d"));
    EXPECT_NE(text.find("\nwall.tv5d\nwall.tv5o\nwall.tv5p\nwall.tv5r\n"), std::string::npos) << text;
}

TEST(RunFile, UnwritableDirectoryThrows) {
    EXPECT_THROW(WriteRunFile("/nonexistent-torven-dir", RunPathsFor("/w/a.tv5d")),
                 std::runtime_error);
}

}  // namespace
}  // namespace torven::run
