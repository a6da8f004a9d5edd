#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/engine_fixture.h"

extern "C" int ITORVEN(int);
extern "C" int _ITORVEN(int);

namespace torven::test {
namespace {

using RunSequence = EngineFixture;

int countLines(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

// Result-block headers (C1) of the plot file: lines with exactly three integers.
std::vector<std::string> resultHeaders(const std::string& plotText) {
    std::vector<std::string> headers;
    for (const std::string& line : splitLines(plotText)) {
        std::istringstream s(line);
        std::vector<std::string> words{std::istream_iterator<std::string>(s), {}};
        if (words.size() == 3 && words[0].find('.') == std::string::npos) headers.push_back(line);
    }
    return headers;
}

TEST_F(RunSequence, WrongHandshakeTouchesNothing) {
    writeRunFile();
    for (int value : {13, 15, 0, -14}) {
        EXPECT_EQ(ITORVEN(value), 1);
        EXPECT_EQ(_ITORVEN(value), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.tv5o"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.tv5p"));
}

TEST_F(RunSequence, EntryPointRunsFromTheCurrentDirectory) {
    writeRunFile();
    std::ofstream(dir_ / "wall.tv5d") << simpleCase();
    EXPECT_EQ(_ITORVEN(14), 0);
    EXPECT_NE(readFile(dir_ / "wall.tv5o").find("     END OF ANALYSIS"), std::string::npos);
}

TEST_F(RunSequence, SingleAnalysisHeader) {
    const std::vector<std::string> lines = splitLines(run(simpleCase()));
    const std::string rule = "     " + std::string(73, '=');
    const std::string dashes = "     " + std::string(73, '-');
    const std::vector<std::string> expected = {
        rule,
        "",
        "                      TORVEN for Windows, Version 2015.5.14   ",
        "",
        "                       A Program for the Analysis of",
        "                       Flexible Retaining Walls",
        "",
        rule,
        "",
        "",
        "     Path to file locations      : " + dir_.string() + "/",
        "     Name of input data file     : wall.tv5d",
        "     Name of output file         : wall.tv5o",
        "     Name of plot output file    : wall.tv5p",
        "",
        dashes,
        "                          Time and Date of Analysis",
        dashes,
        "",
        "               Date:  March 07, 2017     Time:  08:04:09",
        "",
        "      Cantilever test wall",
    };
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(countLines(lines, rule), 2);
    EXPECT_EQ(lines.back(), "     END OF ANALYSIS");
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines[lines.size() - 4], "");

    const std::vector<std::string> headers = resultHeaders(plot());
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(headers[0].substr(0, 2), " 1");
}

TEST_F(RunSequence, ShortAndLongTermCases) {
    const std::string data = simpleCase("Short term", 1, 9) + simpleCase("Long term title", 1, 0) + "0\r\n";
    const std::vector<std::string> lines = splitLines(run(data));
    const std::string rule = "     " + std::string(73, '=');
    EXPECT_EQ(countLines(lines, rule), 4);
    // Each title line stands in the header and again before the results.
    EXPECT_EQ(countLines(lines, "      Short term"), 2);
    EXPECT_EQ(countLines(lines, "      Long Term :  Short term"), 2);
    // The second header is preceded by two empty lines.
    auto second = std::find(lines.begin() + 1, lines.end(), rule);
    second = std::find(second + 1, lines.end(), rule);
    ASSERT_NE(second, lines.end());
    EXPECT_EQ(*(second - 1), "");
    EXPECT_EQ(*(second - 2), "");

    const std::vector<std::string> headers = resultHeaders(plot());
    ASSERT_EQ(headers.size(), 2u);
    for (const std::string& h : headers) EXPECT_EQ(h.substr(0, 2), " 2");
}

TEST_F(RunSequence, StagedRunEndsAtTheLastStage) {
    std::string data;
    for (int stage = 1; stage <= 3; ++stage)
        data += simpleCase(stage == 1 ? "First stage title" : " Stage No : " + std::to_string(stage), 3, stage);
    data += simpleCase("never read", 3, 0);
    const std::vector<std::string> lines = splitLines(run(data));
    for (int stage = 1; stage <= 3; ++stage)
        EXPECT_EQ(countLines(lines, "      Stage No : " + std::to_string(stage) + "  First stage title"), 2);
    EXPECT_EQ(countLines(lines, "     END OF ANALYSIS"), 1);
    const std::vector<std::string> headers = resultHeaders(plot());
    ASSERT_EQ(headers.size(), 3u);
    for (const std::string& h : headers) EXPECT_EQ(h.substr(0, 2), " 3");
}

TEST_F(RunSequence, VersionTextIsCutToTwelveCharacters) {
    writeRunFile("2015.5.14-extra");
    std::ofstream(dir_ / "wall.tv5d") << simpleCase();
    EngineRun engine;
    engine.run();
    const std::string report = readFile(dir_ / "wall.tv5o");
    EXPECT_NE(report.find("Version 2015.5.14-ex\n"), std::string::npos);
}

TEST_F(RunSequence, DateLineForEveryMonthAndPadding) {
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    writeRunFile();
    std::ofstream(dir_ / "wall.tv5d") << simpleCase();
    for (int m = 0; m < 12; ++m) {
        EngineRun engine;
        engine.clock = [m] {
            std::tm t{};
            t.tm_year = 117;
            t.tm_mon = m;
            t.tm_mday = 4;
            t.tm_hour = 9;
            t.tm_min = 5;
            t.tm_sec = 30;
            return t;
        };
        engine.run();
        const std::string expected =
            "               Date:  " + std::string(months[m]) + " 04, 2017     Time:  09:05:30\n";
        EXPECT_NE(readFile(dir_ / "wall.tv5o").find(expected), std::string::npos) << months[m];
    }
}

TEST_F(RunSequence, RunFileWithSevenLinesWritesNothing) {
    {
        std::ofstream out("names.dat");
        out << "2015.5.14\nx\ny\n0\n" << (dir_ / "wall.tv5d").string() << "\n" << (dir_ / "wall.tv5o").string()
            << "\n" << (dir_ / "wall.tv5p").string() << "\n";
    }
    std::ofstream(dir_ / "wall.tv5d") << simpleCase();
    ::testing::internal::CaptureStderr();
    EngineRun engine;
    EXPECT_EQ(engine.run(), 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!\n");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.tv5o"));
}

TEST_F(RunSequence, UnreadableRunFileOrInputEndsQuietly) {
    struct Case {
        const char* name;
        std::string runFile;
    };
    const std::string missing = (dir_ / "missing.tv5d").string();
    const std::vector<Case> cases = {
        {"line 4 not an integer", "v\nx\ny\nabc\n"},
        {"only three lines", "v\nx\ny\n"},
        {"input cannot be opened", "v\nx\ny\n0\n" + missing + "\n" + (dir_ / "wall.tv5o").string() + "\n" +
                                       (dir_ / "wall.tv5p").string() + "\n" + (dir_ / "wall.tv5r").string() + "\n"},
    };
    for (const Case& c : cases) {
        std::ofstream("names.dat") << c.runFile;
        ::testing::internal::CaptureStderr();
        EngineRun engine;
        EXPECT_EQ(engine.run(), 0) << c.name;
        EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.tv5o")) << c.name;
    }
}

TEST_F(RunSequence, ReadFailuresNameLineAndItem) {
    struct Case {
        const char* name;
        std::string data;
        std::string message;
    };
    std::string letter = simpleCase();
    letter.replace(letter.find("29000000"), 8, "29E6x");
    const std::string full = simpleCase();
    const std::vector<Case> cases = {
        {"letter for a number", letter, "     INPUT ERROR -- LINE 4: FLEXURAL RIGIDITY MUST BE A NUMBER, FOUND \"29E6x\""},
        {"file ends early", full.substr(0, full.find("0\r\n2\r\n")),
         "     INPUT ERROR -- END OF FILE AT LINE 7 WHILE READING NO OF SPRINGS"},
        {"empty file", "", "     INPUT ERROR -- END OF FILE AT LINE 1 WHILE READING TITLE"},
    };
    for (const Case& c : cases) {
        const std::string report = run(c.data);
        EXPECT_NE(report.find(c.message + "\n"), std::string::npos) << c.name << "\n" << report;
        EXPECT_NE(report.find("     END OF ANALYSIS\n"), std::string::npos) << c.name;
    }
}

TEST_F(RunSequence, LineFeedOnlyFilesReadAlike) {
    std::string data = simpleCase();
    data.erase(std::remove(data.begin(), data.end(), '\r'), data.end());
    const std::string report = run(data);
    EXPECT_EQ(report.find("INPUT ERROR"), std::string::npos) << report;
    EXPECT_NE(report.find("     END OF ANALYSIS\n"), std::string::npos);
}

}  // namespace
}  // namespace torven::test
