#include <gtest/gtest.h>

#include "frontend/data/project/ProjectTables.h"
#include "frontend/main/temp_dir.h"
#include "project_fixture.h"

namespace torven::data {
namespace {

class ReaderFailureTest : public test::ProjectTest {
protected:
    void OpenText(const std::string& text) { Open(dir.Write("bad.tv5d", text)); }

    torven::test::TempDir dir;
};

const std::string kHead = "Cut wall\r\n1 0\t2\t0\t2\t2 0 1 0 0\r\n60 6\t6\t0.0001\t180\t12\r\n";

TEST_F(ReaderFailureTest, AFileCutAfterTheWallRecordKeepsWhatWasRead) {
    OpenText(kHead);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "This file either invalid or incomplete.");
    EXPECT_EQ(project->Title, "Cut wall");
    EXPECT_EQ(project->NumIncrements, 60);
    EXPECT_EQ(project->FreeHeight, 180);
    EXPECT_EQ(project->DeflTolerance, 0.0001L);
    // Tables sized by the control record hold their defaults.
    EXPECT_EQ(Table(tbl::kStiffness).RowCount(), 2);
    EXPECT_EQ(Table(tbl::kStiffness).Cell(3, 1).GetFloat(), 0);
    EXPECT_EQ(Table(tbl::kSoil).RowCount(), 1);
    EXPECT_FALSE(project->IsModified());
}

TEST_F(ReaderFailureTest, WrongWordsAreNamedByLineAndItem) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"Bad count\n1 0\t12.5\t0\t2\t2 0 1 0 0\n", "Error on Line 2 Item 3\nAn integer was expected but not found."},
        {kHead + "0\t30\t1\t5E9\n30\t60\t1\tfive\n",
         "Error on Line 5 Item 4\nA floating point number was expected but not found."},
        // A count beyond what the file holds cannot be met.
        {"Huge\n1 0\t2000000000\t0\t2\t2 0 1 0 0\n60 6 6 0.0001 180 12\n", "This file either invalid or incomplete."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.clear();
        OpenText(c.text);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], c.message);
    }
    // The row before the bad word was read.
    OpenText(cases[1].text);
    EXPECT_EQ(Table(tbl::kStiffness).Cell(3, 0).GetFloat(), 5e9L);
    EXPECT_EQ(Table(tbl::kStiffness).Cell(1, 1).GetInt(), 60);
}

TEST_F(ReaderFailureTest, AnUnknownSoilTypeIsRefused) {
    OpenText(kHead + "0\t30\t1\t5E9\n30\t60\t1\t5E9\n0\n0\n120\t12\t12\t60\t120\t1\t1\t0\n0\t0\t0\t0\t0\t0\n0\n"
                     "1\n9 240 \n");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Error on Line 12 Item 1\nA soil type from 1 to 7 was expected but not found.");
}

TEST_F(ReaderFailureTest, AMissingFileGivesTheSystemsMessageAndANewProject) {
    Open(dir.path() / "none.tv5d");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("No such file or directory"), std::string::npos);
    EXPECT_EQ(project->Title, "New Wall");
    EXPECT_EQ(project->FileName, dir.path() / "none.tv5d");
    EXPECT_EQ(Table(tbl::kStiffness).RowCount(), 1);
}

}  // namespace
}  // namespace torven::data
