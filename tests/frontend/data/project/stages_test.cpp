#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/data/project/ProjectFiles.h"
#include "frontend/data/project/ProjectTables.h"
#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/StageOperations.h"
#include "frontend/data/project/TextFile.h"
#include "frontend/main/temp_dir.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

namespace fs = std::filesystem;
using torven::test::ReadText;

class StageTest : public test::ProjectTest {
protected:
    StageTest() {
        callbacks.ask = [this](const std::string& question) {
            questions.push_back(question);
            return answer;
        };
        callbacks.showStatus = [this](const std::string& text) { statuses.push_back(text); };
        project = TProgramData::CreateNew(tables, callbacks);
        project->FileName = File("wall.tv5d");
        project->Title = "Staged wall";
        project->NumIncrements = 60;
        test::SetRows(Table(tbl::kStiffness), {{0, 60, 1, 5e9}});
    }

    fs::path File(const std::string& name) const { return dir.path() / name; }
    fs::path Stage(int n, const std::string& name = "wall.tv5d") const { return StageFilePath(File(name), n); }
    long double StiffnessShown() const { return Table(tbl::kStiffness).Cell(3, 0).GetFloat(); }
    void SetStiffness(long double ei) { Table(tbl::kStiffness).Cell(3, 0).SetFloat(ei); }

    torven::test::TempDir dir;
    std::vector<std::string> questions;
    std::vector<std::string> statuses;
    bool answer = true;
};

TEST_F(StageTest, ThreeStagesFromOneStartAsCopies) {
    ChangeStageCount(*project, 3);

    EXPECT_EQ(project->NumStages, 3);
    EXPECT_EQ(project->CurrentStage, 1);
    EXPECT_TRUE(project->IsModified());
    EXPECT_EQ(statuses.front(), "Construction Stage Number: 1");
    const std::vector<std::string> first = SplitLines(ReadText(Stage(1)));
    EXPECT_EQ(first.front(), "Staged wall");
    EXPECT_EQ(first[1], "1 0\t1\t0\t2\t2 0 3 0 0");
    EXPECT_EQ(first.back(), "1");
    for (int n : {2, 3}) {
        const std::vector<std::string> lines = SplitLines(ReadText(Stage(n)));
        EXPECT_EQ(lines.front(), " Stage No : " + std::to_string(n));
        EXPECT_EQ(lines.back(), std::to_string(n));
        EXPECT_EQ(std::vector(lines.begin() + 1, lines.end() - 1), std::vector(first.begin() + 1, first.end() - 1));
    }
    EXPECT_FALSE(fs::exists(Stage(4)));
    EXPECT_NE(ReadText(Stage(2)).find("\r\n"), std::string::npos);
}

TEST_F(StageTest, SwitchingKeepsEachStagesEditsAndTheModifiedState) {
    ChangeStageCount(*project, 3);
    SwitchStage(*project, 2);
    SetStiffness(4e9);
    project->SetModified(true);
    SwitchStage(*project, 3);
    EXPECT_EQ(StiffnessShown(), 5e9L);
    EXPECT_TRUE(project->IsModified());
    SwitchStage(*project, 2);
    EXPECT_EQ(StiffnessShown(), 4e9L);
    EXPECT_EQ(project->CurrentStage, 2);
    EXPECT_EQ(statuses.back(), "Construction Stage Number: 2");

    project->SetModified(false);
    SwitchStage(*project, 1);
    EXPECT_FALSE(project->IsModified());
    EXPECT_EQ(project->Title, "Staged wall");
}

TEST_F(StageTest, CopyPreviousStageAsksFirst) {
    ChangeStageCount(*project, 3);
    SwitchStage(*project, 2);
    SetStiffness(4e9);
    SwitchStage(*project, 3);

    answer = false;
    CopyPreviousStage(*project);
    EXPECT_EQ(StiffnessShown(), 5e9L);

    answer = true;
    CopyPreviousStage(*project);
    EXPECT_EQ(questions, std::vector<std::string>(2, "Do you want to copy all information from Stage 2 to Stage 3"));
    EXPECT_EQ(StiffnessShown(), 4e9L);
    EXPECT_EQ(project->CurrentStage, 3);
    const std::string third = ReadText(Stage(3));
    EXPECT_NE(third.find("0\t60\t1\t4E9"), std::string::npos);
    EXPECT_TRUE(third.starts_with(" Stage No : 3"));

    SwitchStage(*project, 1);
    CopyPreviousStage(*project);
    EXPECT_EQ(questions.size(), 2u);
}

TEST_F(StageTest, AStagedFileIsTheStageFilesInOrderAndOpensIntoThemAgain) {
    ChangeStageCount(*project, 3);
    SwitchStage(*project, 3);
    SetStiffness(3e9);
    SaveProject(*project);
    const std::string staged = ReadText(File("wall.tv5d"));
    EXPECT_EQ(staged, ReadText(Stage(1)) + ReadText(Stage(2)) + ReadText(Stage(3)));

    std::vector<std::string> before;
    for (int n = 1; n <= 3; ++n) before.push_back(ReadText(Stage(n)));
    DeleteStageFiles(File("wall.tv5d"), 1, 5);
    project = OpenProject(tables, File("wall.tv5d"), 1, callbacks);

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(project->NumStages, 3);
    EXPECT_EQ(project->CurrentStage, 1);
    EXPECT_EQ(StiffnessShown(), 5e9L);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(ReadText(Stage(n)), before[n - 1]) << n;
    SwitchStage(*project, 3);
    EXPECT_EQ(StiffnessShown(), 3e9L);
}

TEST_F(StageTest, TheProjectTitleStaysWhileLaterStagesAreShown) {
    ChangeStageCount(*project, 3);
    SwitchStage(*project, 2);
    EXPECT_EQ(project->Title, "Staged wall");
    ChangeStageCount(*project, 1);
    SaveProject(*project);
    EXPECT_EQ(SplitLines(ReadText(File("wall.tv5d"))).front(), "Staged wall");
}

TEST_F(StageTest, StagesFromAnOlderSingleFileReadBackInTheCurrentLayout) {
    // Nine control values and five wall values: the layout of a .tv4d file.
    const fs::path old = dir.Write("old.tv4d",
                                   "Old wall\n1 0\t1\t0\t1\t0 0 1 0\n60 6\t10\t0.0001\t120\n"
                                   "0\t60\t1\t5E9\n0\n0\n2\n0\t0\n120\t10\n0\n");
    Open(old, 2);
    ASSERT_TRUE(messages.empty()) << messages.front();
    ChangeStageCount(*project, 3);
    SwitchStage(*project, 2);
    SwitchStage(*project, 1);
    EXPECT_EQ(project->NumIncrements, 60);
    EXPECT_EQ(StiffnessShown(), 5e9L);
    EXPECT_EQ(project->Title, "Old wall");
}

TEST_F(StageTest, StageFilesLeftByAnotherProjectAreNotTakenOver) {
    const std::string other = "Other\r\n1 0\t1\t0\t2\t2 0 2 0 0\r\n10 6\t10\t1E-5\t0\t12\r\n";
    for (int n : {1, 4}) dir.Write("wall.st" + std::to_string(n), other + std::to_string(n) + "\r\n");
    dir.Write("other.st5", other + "5\r\n");
    ChangeStageCount(*project, 2);
    EXPECT_EQ(SplitLines(ReadText(Stage(1))).front(), "Staged wall");
    EXPECT_EQ(StiffnessShown(), 5e9L);
    EXPECT_FALSE(fs::exists(Stage(4)));

    SaveProjectAs(*project, File("other.tv5d"));
    EXPECT_FALSE(fs::exists(Stage(5, "other.tv5d")));
}

TEST_F(StageTest, SaveAsMovesTheStageFilesAndLeavesTheOldDataFile) {
    ChangeStageCount(*project, 2);
    SaveProject(*project);
    const std::string old = ReadText(File("wall.tv5d"));
    SwitchStage(*project, 2);
    SetStiffness(2e9);

    SaveProjectAs(*project, File("other.tv5d"));

    EXPECT_EQ(project->FileName, File("other.tv5d"));
    EXPECT_EQ(project->PreviousFileName, File("wall.tv5d"));
    EXPECT_EQ(ReadText(File("wall.tv5d")), old);
    EXPECT_FALSE(fs::exists(Stage(1)) || fs::exists(Stage(2)));
    EXPECT_EQ(ReadText(File("other.tv5d")), ReadText(Stage(1, "other.tv5d")) + ReadText(Stage(2, "other.tv5d")));
    EXPECT_NE(ReadText(Stage(2, "other.tv5d")).find("2E9"), std::string::npos);
    // Switching works on the new name.
    SwitchStage(*project, 1);
    EXPECT_EQ(StiffnessShown(), 5e9L);
}

TEST_F(StageTest, AMissingStageFileAbortsTheSaveAndKeepsTheOldFile) {
    ChangeStageCount(*project, 3);
    SaveProject(*project);
    const std::string old = ReadText(File("wall.tv5d"));
    fs::remove(Stage(3));
    EXPECT_THROW(project->AssembleStagedFile(File("wall.tv5d"), File("wall.tv5d")), FileError);
    EXPECT_EQ(ReadText(File("wall.tv5d")), old);
}

TEST_F(StageTest, FewerStagesDeleteTheStageFilesBeyondThem) {
    ChangeStageCount(*project, 5);
    SwitchStage(*project, 4);
    ChangeStageCount(*project, 2);
    EXPECT_EQ(project->CurrentStage, 1);
    EXPECT_TRUE(fs::exists(Stage(1)) && fs::exists(Stage(2)));
    for (int n : {3, 4, 5}) EXPECT_FALSE(fs::exists(Stage(n))) << n;
    EXPECT_EQ(SplitLines(ReadText(Stage(2)))[1], "1 0\t1\t0\t2\t2 0 2 0 0");

    ChangeStageCount(*project, 1);
    EXPECT_EQ(project->NumStages, 1);
    EXPECT_FALSE(fs::exists(Stage(1)) || fs::exists(Stage(2)));
    EXPECT_EQ(statuses.back(), "");
}

TEST_F(StageTest, MoreStagesKeepTheShownStagesUnsavedEdits) {
    ChangeStageCount(*project, 2);
    SwitchStage(*project, 2);
    SetStiffness(2e9);
    ChangeStageCount(*project, 3);
    EXPECT_EQ(project->CurrentStage, 2);
    EXPECT_EQ(StiffnessShown(), 2e9L);
    // The new third stage starts as a copy of the second.
    SwitchStage(*project, 3);
    EXPECT_EQ(StiffnessShown(), 2e9L);
}

// Two stages of a version 3.0 file: no NMEI or NTieback, no surcharge table,
// curve headers without multipliers; LF line ends.
const char* const kStaged30 =
    "Staged 3.0\n1 0\t1\t0\t2\t1 1 2\n40 6\t2\t0.0001\t120\n0\t40\t1\t5E9\n0\n0\n"
    "120\t12\t12\t60\t120\t1\t1\t0\n0\t0\t0\t0\t0\t0\n"
    "1\n4 240 \n0.066550926 0.0  32 0.0  60 0 \n0.066550926 0.0  32 0.0  60 0 \n20\t2\n-1\t5\n1\t-5\n1\n"
    " Stage No : 2\n1 0\t1\t0\t2\t1 1 2\n40 6\t2\t0.0001\t120\n0\t40\t1\t4E9\n0\n0\n"
    "180\t12\t12\t60\t120\t1\t1\t0\n0\t36\t0\t100\t0\t0\n"
    "1\n4 240 \n0.066550926 0.0  32 0.0  60 0 \n0.066550926 0.0  32 0.0  60 0 \n20\t2\n-1\t5\n1\t-5\n2\n";

TEST_F(StageTest, OlderStageFilesAreConvertedWhenTheProjectOpens) {
    const fs::path old = dir.Write("old.tvd", kStaged30);
    project = OpenProject(tables, old, 3, callbacks);

    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(project->NumStages, 2);
    EXPECT_EQ(project->CurrentStage, 1);
    EXPECT_TRUE(project->HasMEICount && project->HasTiebackCount);
    EXPECT_EQ(StiffnessShown(), 5e9L);
    const std::vector<std::string> second = SplitLines(ReadText(Stage(2, "old.tvd")));
    EXPECT_EQ(second[0], " Stage No : 2");
    EXPECT_EQ(second[1], "1 0\t1\t0\t2\t1 1 2 0 0");
    EXPECT_EQ(second[2], "40 6\t2\t0.0001\t180\t12");
    // The legacy surcharge became the surcharge table; the curve got multipliers.
    const std::vector<std::string> surcharges(second.begin() + 8, second.begin() + 12);
    EXPECT_EQ(surcharges, (std::vector<std::string>{"3", "1\t0\t36\t0", "2\t100\t36\t0", "3\t0\t36\t0"}));
    EXPECT_NE(std::find(second.begin(), second.end(), "20\t2\t1\t1"), second.end());
    EXPECT_EQ(second.back(), "2");
    EXPECT_EQ(statuses, (std::vector<std::string>{"Construction Stage Number: 1", "Construction Stage Number: 1",
                                                  "Construction Stage Number: 2"}));

    // Saved under the current layout, the project reads back the same.
    const std::string described = test::Describe(*project);
    SaveProjectAs(*project, File("new.tv5d"));
    project = OpenProject(tables, File("new.tv5d"), 1, callbacks);
    EXPECT_EQ(test::Describe(*project), described);
}

TEST(StageLayout, OlderExtensionsLackTheirCounts) {
    EXPECT_FALSE(StageLayoutOf("a.TVD").hasMEICount);
    EXPECT_FALSE(StageLayoutOf("a.tvd").hasTiebackCount);
    EXPECT_TRUE(StageLayoutOf("a.tv4d").hasMEICount);
    EXPECT_FALSE(StageLayoutOf("a.tv4d").hasTiebackCount);
    EXPECT_TRUE(StageLayoutOf("a.tv5d").hasTiebackCount);
}

}  // namespace
}  // namespace torven::data
