// Stand-in engine for the run tests: it records what a real engine would
// see (its current directory and the run file) in the report it is told to
// write, and refuses the call when the data file asks it to.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int ITORVEN(int handshake) {
    if (handshake != 14) return 1;
    const auto runFile = Lines("names.dat");
    if (runFile.size() < 8) return 0;
    const auto data = Lines(runFile[4]);
    if (!data.empty() && data.front() == "refuse") return 7;
    std::ofstream report(runFile[5]);
    report << "cwd=" << std::filesystem::current_path().string() << '\n';
    for (const auto& line : runFile) report << line << '\n';
    report << "     END OF ANALYSIS\n";
    return 0;
}

extern "C" __attribute__((visibility("default"), alias("ITORVEN"))) int _ITORVEN(int);
