// The runner's --convert and --new commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "tools/file_commands.h"
#include "tools/run_outcome.h"

namespace torven::cli {
namespace {

namespace fs = std::filesystem;
using torven::test::ReadText;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunFileCommand(args, TORVEN_BIN_DIR, out, err);
    return {status, out.str(), err.str()};
}

// A data set of the version 3.0 layout: eight integers in R2, five wall
// values, the legacy surcharge and curve headers without multipliers; it
// ends with 0, or with its number in a staged file.
std::string Version30(const std::string& title, int stages, int end) {
    return title + "\n1 0\t1\t0\t2\t1 1 " + std::to_string(stages) +
           "\n40 6\t2\t0.0001\t120\n0\t40\t1\t5E9\n0\n0\n120\t12\t12\t60\t120\t1\t1\t0\n0\t36\t0\t100\t0\t0\n"
           "1\n4 240 \n0.066550926 0.0  32 0.0  60 0 \n0.066550926 0.0  32 0.0  60 0 \n20\t2\n-1\t5\n1\t-5\n" +
           std::to_string(end) + "\n";
}

const char* const kCurrent =
    "Old wall\r\n1 0\t1\t0\t2\t1 1 1 0 0\r\n40 6\t2\t0.0001\t120\t12\r\n0\t40\t1\t5E9\r\n0\r\n0\r\n"
    "120\t12\t12\t60\t120\t1\t1\t0\r\n0\t36\t0\t100\t0\t0\r\n3\r\n1\t0\t36\t0\r\n2\t100\t36\t0\r\n3\t0\t36\t0\r\n"
    "1\r\n4 240 \r\n0.066550926 0.0  32 0.0  60 0 \r\n0.066550926 0.0  32 0.0  60 0 \r\n20\t2\t1\t1\r\n-1\t5\r\n"
    "1\t-5\r\n0\r\n";

TEST(FileCommands, ConvertChoosesTheLayoutByExtensionOrVariant) {
    torven::test::TempDir dir;
    const fs::path byExtension = dir.Write("old.tvd", Version30("Old wall", 1, 0));
    const fs::path byVariant = dir.Write("old.dat", Version30("Old wall", 1, 0));

    const Outcome first = RunCommand({"--convert", byExtension.string(), (dir.path() / "a.tv5d").string()});
    const Outcome second =
        RunCommand({"--convert", byVariant.string(), (dir.path() / "b.tv5d").string(), "--variant", "3"});

    EXPECT_EQ(first.status, kExitOk) << first.err;
    EXPECT_EQ(second.status, kExitOk) << second.err;
    EXPECT_EQ(ReadText(dir.path() / "a.tv5d"), kCurrent);
    EXPECT_EQ(ReadText(dir.path() / "b.tv5d"), kCurrent);
    EXPECT_NE(first.out.find("variant 3"), std::string::npos);
}

TEST(FileCommands, ConvertKeepsEveryStageAndLeavesNoStageFiles) {
    torven::test::TempDir dir;
    fs::create_directory(dir.path() / "old");
    const std::string staged = Version30("Old wall", 2, 1) + Version30(" Stage No : 2", 2, 2);
    const fs::path old = dir.Write("old/staged.tvd", staged);

    const Outcome outcome = RunCommand({"--convert", old.string(), (dir.path() / "new.tv5d").string()});

    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    const std::string text = ReadText(dir.path() / "new.tv5d");
    EXPECT_TRUE(text.starts_with("Old wall\r\n1 0\t1\t0\t2\t1 1 2 0 0\r\n"));
    EXPECT_NE(text.find(" Stage No : 2\r\n1 0\t1\t0\t2\t1 1 2 0 0"), std::string::npos);
    EXPECT_TRUE(text.ends_with("1\t-5\r\n2\r\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "old"), fs::directory_iterator()), 1);
    EXPECT_FALSE(fs::exists(dir.path() / "new.st1") || fs::exists(dir.path() / "new.st2"));
}

TEST(FileCommands, AFileTheReaderCannotReadIsReportedAndNothingWritten) {
    torven::test::TempDir dir;
    const fs::path old = dir.Write("bad.tv5d", "Bad\n1 0\t1\t0\t2\tx 0 1 0 0\n");
    const fs::path target = dir.path() / "new.tv5d";
    const Outcome outcome = RunCommand({"--convert", old.string(), target.string()});
    EXPECT_EQ(outcome.status, kExitFileProblem);
    EXPECT_EQ(outcome.err, "torven-run: " + old.string() +
                               ": Error on Line 2 Item 6\nAn integer was expected but not found.\n");
    EXPECT_FALSE(fs::exists(target));
}

TEST(FileCommands, NewWritesANewProjectButNeverOverAnExistingFile) {
    torven::test::TempDir dir;
    const fs::path file = dir.path() / "wall.tv5d";
    const Outcome first = RunCommand({"--new", file.string()});
    EXPECT_EQ(first.status, kExitOk) << first.err;
    EXPECT_TRUE(ReadText(file).starts_with("New Wall\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n"));

    const fs::path kept = dir.Write("kept.tv5d", "work");
    const Outcome second = RunCommand({"--new", kept.string()});
    EXPECT_EQ(second.status, kExitFileProblem);
    EXPECT_EQ(ReadText(kept), "work");
}

TEST(FileCommands, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--convert", "only-one.tvd"},
        {"--convert", "a.tvd", "b.tv5d", "--variant", "6"},
        {"--convert", "a.tvd", "b.tv5d", "--variant"},
        {"--convert", "a.tv5d", "b.tvd"},
        {"--new"},
        {"--new", "a.tv5d", "--variant", "2"},
    };
    for (const auto& args : cases) {
        const Outcome outcome = RunCommand(args);
        EXPECT_EQ(outcome.status, kExitFileProblem) << args.size();
        EXPECT_TRUE(outcome.err.starts_with("torven-run: ")) << outcome.err;
    }
}

}  // namespace
}  // namespace torven::cli
