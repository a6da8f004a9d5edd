// A whole engine call on a 300-increment wall with 60 user p-y curves.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/engine_run.h"

namespace torven {
namespace {

std::string wallWithCurves(int n, int curves) {
    const double h = 6.0;
    std::ostringstream s;
    s << "Benchmark wall\r\n1 1\t1\t0\t1\t1 " << curves << " 1 0 0\r\n";
    s << n << " " << h << "\t100\t1E-6\t360\t12\r\n";
    s << "1\t0\t0\t0\r\n0\t" << n << "\t1\t5.34E9\r\n0\r\n0\r\n";
    s << "3\r\n0\t0\r\n360\t49.5\r\n" << n * h << "\t49.5\r\n";
    const int first = 60;
    const int step = (n - first) / (curves - 1);
    for (int c = 0; c < curves; ++c) {
        const int station = first + c * step;
        const double pu = 3.75 * (station * h - 360.0 + 6.0);
        s << station << "\t9\t1\t1\r\n";
        for (double y : {-3.0, -1.0, -0.3, -0.1, 0.0, 0.1, 0.3, 1.0, 3.0})
            s << y << "\t" << -pu * y / (std::fabs(y) + 0.2) << "\r\n";
    }
    s << "0\r\n";
    return s.str();
}

void BM_WholeRun(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / ("torven-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    std::ofstream("wall.tv5d", std::ios::binary) << wallWithCurves(300, 60);
    std::ofstream("names.dat") << "2015.5.14\nx\ny\n0\nwall.tv5d\nwall.tv5o\nwall.tv5p\nwall.tv5r\n";
    for (auto _ : state) {
        EngineRun run;
        benchmark::DoNotOptimize(run.run());
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torven
