// The bundled example with generated earth pressure runs to a converged solution.
#include <gtest/gtest.h>

#include "tests/engine/engine_fixture.h"
#include "tests/engine/plot_reader.h"
#include "tests/engine/soil/soil_case.h"

namespace torven::test {
namespace {

using SoilExample = EngineFixture;

TEST_F(SoilExample, CantileverInSandOverClayConverges) {
    const std::filesystem::path examples = std::filesystem::path(TORVEN_SOURCE_DIR) / "examples";
    const std::string data = readFile(examples / "cantilever-sand-over-clay.tv5d");
    ASSERT_FALSE(data.empty());
    const std::string report = run(data);
    EXPECT_EQ(report.find("ERROR"), std::string::npos) << report;
    EXPECT_EQ(report.find("\n     ***** "), std::string::npos) << report;  // iteration warnings
    EXPECT_TRUE(report.ends_with("     END OF ANALYSIS\n"));

    // Wall 360 long, clay from 192 down: the table stops at the tip.
    EXPECT_EQ(readPressureFile().count, 361);
    const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
    ASSERT_EQ(blocks.size(), 1u);
    ASSERT_EQ(blocks[0].rows.size(), 62u);
    // The top leans into the excavation by a fraction of an inch.
    EXPECT_GT(blocks[0].rows[0][1], 0.1);
    EXPECT_LT(blocks[0].rows[0][1], 2.0);
}

}  // namespace
}  // namespace torven::test
