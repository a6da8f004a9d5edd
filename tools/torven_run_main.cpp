// torven-run: runs the analysis engine on input data files from the command line.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "frontend/main/ProgramDirectory.h"
#include "tools/file_commands.h"
#include "tools/run_outcome.h"
#include "tools/summary_printer.h"

namespace {

using torven::cli::kExitFileProblem;

void PrintUsage(std::ostream& out) {
    out << "Usage: torven-run FILE.tv5d [FILE.tv5d ...]\n"
           "       torven-run --convert OLD NEW.tv5d [--variant N]\n"
           "       torven-run --new FILE.tv5d\n"
           "       torven-run --help\n"
           "\n"
           "Runs the retaining-wall analysis engine (Torven2015_DLL.so, taken from the\n"
           "directory of this program) on each input data file in turn and prints a\n"
           "summary: cases run, per case the iteration count and whether the solution\n"
           "closed, error and warning messages of the report, and the largest\n"
           "deflection, moment and shear with their depths.\n"
           "\n"
           "Outputs, written beside each data file under its base name:\n"
           "  FILE.tv5o  report\n"
           "  FILE.tv5p  plot data\n"
           "  FILE.tv5r  iteration monitor\n"
           "The engine also leaves its scratch files KESTRA.001, SOILDATA and debug.dat\n"
           "in the data file's directory; names.dat is written there for the call and\n"
           "removed afterwards.\n"
           "\n"
           "--convert reads the data file OLD in any layout and writes it to NEW in\n"
           "the current one. The layout follows OLD's extension (.tvd: version 3.0,\n"
           ".tv4d: 2013, anything else: current) unless --variant N names it:\n"
           "  1 current (.tv5d)   2 Torven 2013 (.tv4d)   3 Torven 3.0 (.tvd)\n"
           "  4 Torven 2.0 (.tvd) 5 any other file, read as 4\n"
           "A staged file keeps all its stages. A file the reader cannot read is\n"
           "reported with the reader's message (line and item of the bad word) and\n"
           "NEW is not written. NEW must not have an older layout's extension.\n"
           "\n"
           "--new writes the data file of a new project (the defaults of File New)\n"
           "to FILE, which must not exist yet.\n"
           "\n"
           "Both write NEW or FILE whole or not at all: a file already there is\n"
           "replaced only once the new one is completely written. They read the\n"
           "table definitions main_tables.def from this program's directory and exit\n"
           "with 0, or 2 when a file cannot be read or written or the command line\n"
           "is wrong.\n"
           "\n"
           "Exit status (the worst over all files):\n"
           "  0  every case ran without an error message\n"
           "  1  a report holds an error message, lacks END OF ANALYSIS, or a\n"
           "     solution did not close within the tolerance\n"
           "  2  a data file cannot be read (or its directory not written), or the\n"
           "     command line is wrong\n"
           "  3  the engine cannot be loaded or refuses the call\n";
}

int RunAnalyses(const std::vector<std::string>& files) {
    const auto engineDirectory = torven::run::ProgramDirectory();
    int worst = torven::cli::kExitOk;
    for (const std::string& file : files) {
        const auto outcome = torven::cli::AnalyseFile(file, engineDirectory);
        torven::cli::PrintSummary(std::cout, outcome);
        worst = std::max(worst, outcome.exitStatus);
    }
    return worst;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return kExitFileProblem;
    }
    if (args.front() == "--help" || args.front() == "-h") {
        PrintUsage(std::cout);
        return torven::cli::kExitOk;
    }
    if (args.front() == "--convert" || args.front() == "--new") {
        return torven::cli::RunFileCommand(args, torven::run::ProgramDirectory(), std::cout, std::cerr);
    }
    if (args.front().starts_with("--")) {
        std::cerr << "torven-run: unknown option " << args.front() << "\n\n";
        PrintUsage(std::cerr);
        return kExitFileProblem;
    }
    return RunAnalyses(args);
}
