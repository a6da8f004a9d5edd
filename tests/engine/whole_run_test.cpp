// Closed-form checks through the whole run: data file in, plot data file out.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/case_builder.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/plot_reader.h"

namespace torven::test {
namespace {

using WholeRun = EngineFixture;

std::string num(double v) {
    std::ostringstream s;
    s.precision(17);
    s << v;
    return s.str();
}

// Largest deviation from `exact`, relative to the largest exact value.
template <class F>
double relativeError(const std::vector<std::array<double, 5>>& rows, int column, int first, int last, F exact) {
    double worst = 0.0, scale = 0.0;
    for (int s = first; s <= last; ++s) {
        const double e = exact(rows[s][0]);
        worst = std::max(worst, std::fabs(rows[s][column] - e));
        scale = std::max(scale, std::fabs(e));
    }
    return worst / scale;
}

TEST_F(WholeRun, LongWallOnLinearCurvesAgainstHetenyi) {
    // Infinite beam on an elastic foundation under a point load: w0 = P b / (2k), M0 = P / (4 b).
    const double ei = 1e9, k = 100.0, load = 10000.0;
    const double beta = std::pow(k / (4.0 * ei), 0.25);
    std::vector<double> w0, m0;
    for (int n : {200, 400}) {
        const double h = 1200.0 / n;
        CaseBuilder b;
        b.wall = std::to_string(n) + " " + num(h) + "\t100\t1E-10\t0\t12";
        b.stiffness = {"0\t" + std::to_string(n) + "\t1\t" + num(ei)};
        b.loads = {"1\t" + std::to_string(n / 2) + "\t" + std::to_string(n / 2) + "\t" + num(load) + "\t0\t0"};
        b.pressure = {"0\t0", "1\t0"};
        b.kpy = 1;
        // Identical curves interpolate to the same foundation at every station between them.
        b.nPYCurves = 21;
        for (int s = 0; s <= n; s += n / 20) {
            b.curveLines.push_back(std::to_string(s) + " 4 1 1");
            for (double y : {-2.0, 0.0, 1.0, 2.0}) b.curveLines.push_back(num(y) + "\t" + num(-k * y));
        }
        run(b.str());
        const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
        ASSERT_EQ(blocks.size(), 1u);
        const auto& mid = blocks[0].rows[n / 2];
        w0.push_back(mid[1]);
        m0.push_back(mid[2]);
    }
    const double wExact = load * beta / (2.0 * k);
    const double mExact = load / (4.0 * beta);
    EXPECT_NEAR(w0[1], wExact, 0.002 * wExact);
    EXPECT_NEAR(std::fabs(m0[1]), mExact, 0.002 * mExact);
    // Second order: halving h divides the error by about four.
    EXPECT_NEAR((w0[0] - wExact) / (w0[1] - wExact), 4.0, 1.0) << w0[0] - wExact << " " << w0[1] - wExact;
}

TEST_F(WholeRun, ProppedCantileverUnderTriangularPressure) {
    // Pinned at the top, fixed at the tip, pressure growing from 0 to q0 at the tip.
    const double ei = 1e8, q0 = 10.0;
    std::vector<double> errors;
    for (int n : {40, 80}) {
        const double length = 240.0, h = length / n;
        CaseBuilder b;
        b.wall = std::to_string(n) + " " + num(h) + "\t100\t1E-10\t240\t12";
        b.restraints = {"1\t0\t0\t0", "3\t" + std::to_string(n) + "\t0\t0"};
        b.stiffness = {"0\t" + std::to_string(n) + "\t1\t" + num(ei)};
        b.loads.clear();
        b.pressure = {"0\t0", num(length) + "\t" + num(q0)};
        run(b.str());
        const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
        ASSERT_EQ(blocks.size(), 1u);
        const auto& rows = blocks[0].rows;
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(n + 2));
        auto w = [&](double s) {
            return (q0 * std::pow(length, 3) * s / 120.0 - q0 * length * std::pow(s, 3) / 60.0 +
                    q0 * std::pow(s, 5) / (120.0 * length)) /
                   ei;
        };
        auto m = [&](double s) { return -q0 * length * s / 10.0 + q0 * std::pow(s, 3) / (6.0 * length); };
        const double wError = relativeError(rows, 1, 0, n, w);
        // The tip carries half the EI of the row, so its moment is compared one station up.
        const double mError = relativeError(rows, 2, 1, n - 1, m);
        EXPECT_LT(wError, 0.01);
        EXPECT_LT(mError, 0.01);
        errors.push_back(wError);
    }
    EXPECT_GT(errors[0] / errors[1], 3.0);
}

TEST_F(WholeRun, PlotBlocksOfOneTwoAndThreeCases) {
    struct Case {
        const char* name;
        std::string data;
        std::size_t blocks;
        int blockCount;
    };
    CaseBuilder single;
    single.restraints = {"3\t40\t0\t0"};
    single.loads = {"1\t0\t0\t10\t0\t0"};
    CaseBuilder shortTerm = single, longTerm = single;
    shortTerm.endCode = 9;
    std::string staged;
    for (int stage = 1; stage <= 3; ++stage) {
        CaseBuilder s = single;
        s.numStages = 3;
        s.endCode = stage;
        staged += s.str();
    }
    const std::vector<Case> cases = {
        {"single", single.str(), 1, 1},
        {"short and long term", shortTerm.str() + longTerm.str() + "0\r\n", 2, 2},
        {"three stages", staged, 3, 3},
    };
    for (const Case& c : cases) {
        run(c.data);
        const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
        ASSERT_EQ(blocks.size(), c.blocks) << c.name;
        for (const PlotBlock& b : blocks) {
            EXPECT_EQ(b.blockCount, c.blockCount) << c.name;
            EXPECT_EQ(b.pressure.size(), 2u) << c.name;
            EXPECT_EQ(b.pressure[0][2], 1.0E-7) << "zero soil pressure is written as 1E-7";
            EXPECT_EQ(b.units, 1);
            EXPECT_TRUE(b.curves.empty());
            EXPECT_EQ(b.rows.size(), 42u) << c.name;
            EXPECT_EQ(b.rows[41][0], 41 * 6.0) << "rows run to station N+1";
        }
    }
}

TEST_F(WholeRun, CheckStopInASecondCaseRepeatsTheLastResults) {
    CaseBuilder first;
    first.restraints = {"3\t40\t0\t0"};
    first.loads = {"1\t0\t0\t10\t0\t0"};
    first.endCode = 9;
    CaseBuilder second = first;
    second.endCode = 0;
    second.stiffness = {"10\t5\t1\t1E6"};
    run(first.str() + second.str() + "0\r\n");
    const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1].blockCount, 2);
    ASSERT_EQ(blocks[1].rows.size(), blocks[0].rows.size());
    EXPECT_EQ(blocks[1].rows[0][1], blocks[0].rows[0][1]);
}

TEST_F(WholeRun, CheckStopInTheFirstCaseWritesAnEmptyResultPart) {
    CaseBuilder b;
    b.stiffness = {"10\t5\t1\t1E6"};
    run(b.str());
    const std::vector<PlotBlock> blocks = readPlotBlocks(plot());
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].blockCount, 1);
    EXPECT_TRUE(blocks[0].rows.empty());
}

}  // namespace
}  // namespace torven::test
