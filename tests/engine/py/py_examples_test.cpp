// The bundled examples with generated p-y curves converge, and the converged
// walls are in equilibrium with their generated curves.
#include <gtest/gtest.h>

#include "tests/engine/py/equilibrium.h"
#include "tests/engine/plot_reader.h"

namespace torven::test {
namespace {

using GeneratedCurveExamples = EngineFixture;

TEST_F(GeneratedCurveExamples, ConvergeInEquilibrium) {
    struct Example {
        const char* file;
        int curves;
    };
    const Example examples[] = {
        {"anchored-wall-soft-clay.tv5d", 10},  // soft clay and stiff clay below the excavation
        {"soldier-pile-weak-rock.tv5d", 10},   // sand, then weak rock
        {"sheet-pile-silt.tv5d", 5},
    };
    const std::filesystem::path dir = std::filesystem::path(TORVEN_SOURCE_DIR) / "examples";
    for (const Example& e : examples) {
        const std::string data = readFile(dir / e.file);
        ASSERT_FALSE(data.empty()) << e.file;
        EngineRun engine;
        const std::string report = run(data, &engine);
        EXPECT_EQ(report.find("ERROR"), std::string::npos) << e.file;
        EXPECT_EQ(report.find("\n     ***** "), std::string::npos) << e.file;  // iteration warnings
        const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
        ASSERT_EQ(blocks.size(), 1u) << e.file;
        EXPECT_EQ(blocks[0].curves.size(), static_cast<std::size_t>(e.curves)) << e.file;
        const Balance b = wallBalance(engine, readSoilData(0));
        const double length = engine.wall().n() * engine.wall().h();
        EXPECT_LT(std::fabs(b.force), 1e-3 * b.load) << e.file;
        EXPECT_LT(std::fabs(b.moment), 1e-3 * b.load * length) << e.file;
    }
}

}  // namespace
}  // namespace torven::test
