// Runs the built command-line runner as a separate process.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kRunner = fs::path(TORVEN_BIN_DIR) / "torven-run";

std::string Quoted(const fs::path& path) {
    std::string quoted = "'";
    quoted += path.string();
    quoted += "'";
    return quoted;
}

// Exit status of the runner; its output goes to a file in dir.
int RunRunner(const fs::path& runner, const std::string& args, const torven::test::TempDir& dir) {
    std::string command = Quoted(runner);
    command += " " + args;
    command += " >" + Quoted(dir.path() / "out.txt") + " 2>&1";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::optional<fs::path> ExampleDataFile() {
    const fs::path examples = fs::path(TORVEN_SOURCE_DIR) / "examples";
    if (fs::exists(examples / "anchored-wall.tv5d")) return examples / "anchored-wall.tv5d";
    std::vector<fs::path> found;
    if (fs::is_directory(examples)) {
        for (const auto& entry : fs::directory_iterator(examples)) {
            if (entry.path().extension() == ".tv5d") found.push_back(entry.path());
        }
    }
    if (found.empty()) return std::nullopt;
    return *std::min_element(found.begin(), found.end());
}

TEST(TorvenRun, RunsAnExampleAndWritesItsOutputsBesideTheCopy) {
    const auto example = ExampleDataFile();
    if (!example) GTEST_SKIP() << "no example data file yet";
    torven::test::TempDir dir;
    const fs::path copy = dir.path() / example->filename();
    fs::copy_file(*example, copy);

    const int status = RunRunner(kRunner, Quoted(copy), dir);

    EXPECT_EQ(status, 0) << torven::test::ReadText(dir.path() / "out.txt");
    EXPECT_TRUE(fs::exists(fs::path(copy).replace_extension(".tv5o")));
    EXPECT_FALSE(fs::exists(dir.path() / "names.dat"));
}

TEST(TorvenRun, ExitStatusForCommandLineAndFileProblems) {
    torven::test::TempDir dir;
    EXPECT_EQ(RunRunner(kRunner, "--help", dir), 0);
    EXPECT_EQ(RunRunner(kRunner, "", dir), 2);
    EXPECT_EQ(RunRunner(kRunner, "--convert a.tvd a.tv5d", dir), 2);
    EXPECT_EQ(RunRunner(kRunner, Quoted(dir.path() / "missing.tv5d"), dir), 2);
}

TEST(TorvenRun, RunnerWithoutAnEngineBesideItExitsWith3) {
    torven::test::TempDir dir;
    const fs::path lonelyRunner = dir.path() / "torven-run";
    fs::copy_file(kRunner, lonelyRunner);
    const auto data = dir.Write("wall.tv5d", "title\n");
    EXPECT_EQ(RunRunner(lonelyRunner, Quoted(data), dir), 3);
    EXPECT_NE(torven::test::ReadText(dir.path() / "out.txt").find("Torven2015_DLL.so"),
              std::string::npos);
}

}  // namespace
