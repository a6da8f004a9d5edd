#pragma once
// Runs the engine on data files written by a test, in a scratch directory.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine_run.h"

namespace torven::test {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    std::string line;
    while (std::getline(s, line)) lines.push_back(line);
    return lines;
}

// True when `text` holds `line` as a whole line (not the first one).
inline bool contains(const std::string& text, const std::string& line) {
    return text.find("\n" + line + "\n") != std::string::npos;
}

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("torven-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

    void writeRunFile(const std::string& version = "2015.5.14") {
        std::ofstream out("names.dat");
        out << version << "\nx\ny\n0\n" << (dir_ / "wall.tv5d").string() << "\n" << (dir_ / "wall.tv5o").string()
            << "\n" << (dir_ / "wall.tv5p").string() << "\n" << (dir_ / "wall.tv5r").string() << "\n";
    }

    // Runs the engine on `data` and returns the report.
    std::string run(const std::string& data, EngineRun* configured = nullptr) {
        writeRunFile();
        std::ofstream(dir_ / "wall.tv5d", std::ios::binary) << data;
        EngineRun local;
        EngineRun& engine = configured ? *configured : local;
        engine.clock = [] {
            std::tm t{};
            t.tm_year = 2017 - 1900;
            t.tm_mon = 2;
            t.tm_mday = 7;
            t.tm_hour = 8;
            t.tm_min = 4;
            t.tm_sec = 9;
            return t;
        };
        EXPECT_EQ(engine.run(), 0);
        return readFile(dir_ / "wall.tv5o");
    }

    std::string plot() const { return readFile(dir_ / "wall.tv5p"); }

    std::filesystem::path dir_;
    std::filesystem::path previous_;
};

// A small anchored-free cantilever: 40 increments of 6 in, one stiffness row,
// a top load, a user pressure table and no soil curves.
inline std::string simpleCase(const std::string& title = "Cantilever test wall", int numStages = 1,
                              int endCode = 0) {
    std::ostringstream s;
    s << title << "\r\n"
      << "1 0\t1\t0\t1\t0 0 " << numStages << " 0 0\r\n"
      << "40 6\t10\t1E-5\t120\t12\r\n"
      << "0\t40\t1\t29000000\r\n"
      << "1\r\n1\t0\t0\t1000\t0\t0\r\n"
      << "0\r\n"
      << "2\r\n0\t0\r\n120\t100\r\n"
      << endCode << "\r\n";
    return s.str();
}

}  // namespace torven::test
