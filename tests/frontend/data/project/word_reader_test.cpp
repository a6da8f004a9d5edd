#include <gtest/gtest.h>

#include <string>

#include "frontend/data/project/TWordReader.h"
#include "frontend/data/project/TextFile.h"

namespace torven::data {
namespace {

std::string FailureOf(TWordReader& in, bool integer) {
    try {
        if (integer) {
            in.ReadInteger();
        } else {
            in.ReadFloat();
        }
    } catch (const ReadFailure& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(WordReader, WordsAreSplitAtSpacesAndTabsAndLinesKeepTheirText) {
    TWordReader in = TWordReader::FromText("  Title\twith  words \r\n1 2\t\t3\r\n\n4.5E2 -0.25\n");
    EXPECT_EQ(in.WordCount(), 3);
    EXPECT_EQ(in.ReadLine(), "  Title\twith  words ");
    EXPECT_EQ(in.ReadInteger(), 1);
    EXPECT_EQ(in.WordCount(), 3);
    EXPECT_EQ(in.ReadInteger(), 2);
    EXPECT_EQ(in.ReadInteger(), 3);
    // The line of the last word read is still current.
    EXPECT_EQ(in.ReadLine(), "1 2\t\t3");
    // An empty line between records is passed over.
    EXPECT_EQ(in.ReadFloat(), 450.0L);
    EXPECT_EQ(in.ReadFloat(), -0.25L);
    EXPECT_FALSE(in.AtEnd());
    EXPECT_EQ(FailureOf(in, false), "This file either invalid or incomplete.");
}

TEST(WordReader, RunsOfEmptyLinesAndLastLineWithoutEnd) {
    TWordReader in = TWordReader::FromText("7\n\n \t \n\n8");
    EXPECT_EQ(in.ReadInteger(), 7);
    EXPECT_EQ(in.ReadInteger(), 8);
    EXPECT_EQ(in.RemainingWords(), 0u);
    EXPECT_EQ(FailureOf(in, true), "This file either invalid or incomplete.");
}

TEST(WordReader, IntegersAreRealsWithoutFractionInThe32BitRange) {
    TWordReader in = TWordReader::FromText("1E2 -2147483648 2147483647 +5");
    EXPECT_EQ(in.ReadInteger(), 100);
    EXPECT_EQ(in.ReadInteger(), -2147483647 - 1);
    EXPECT_EQ(in.ReadInteger(), 2147483647);
    EXPECT_EQ(in.ReadInteger(), 5);
}

TEST(WordReader, FailuresNameTheLineAndItemOfTheWord) {
    struct Case {
        const char* text;
        bool integer;
        const char* message;
    };
    const Case cases[] = {
        {"1 12.5", true, "Error on Line 1 Item 2\nAn integer was expected but not found."},
        {"1\n\n2147483648", true, "Error on Line 3 Item 1\nAn integer was expected but not found."},
        {"1 x", false, "Error on Line 1 Item 2\nA floating point number was expected but not found."},
        {"1 1,5", false, "Error on Line 1 Item 2\nA floating point number was expected but not found."},
        {"1 1E99999", false, "Error on Line 1 Item 2\nA floating point number was expected but not found."},
        {"1 nan", false, "Error on Line 1 Item 2\nA floating point number was expected but not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TWordReader in = TWordReader::FromText(c.text);
        in.ReadInteger();
        EXPECT_EQ(FailureOf(in, c.integer), c.message);
    }
}

TEST(WordReader, AMissingFileFailsWithTheSystemsReason) {
    try {
        TWordReader::Create("/nonexistent/dir/wall.tv5d");
        FAIL() << "no failure";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open /nonexistent/dir/wall.tv5d: No such file or directory");
    }
}

}  // namespace
}  // namespace torven::data
