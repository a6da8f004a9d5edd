// Whole analyses with generated curves, checked by statics: the soil
// resistance from the generated curves at the converged deflections balances
// the applied and earth-pressure loads in force and moment.
#include <gtest/gtest.h>

#include "tests/engine/py/equilibrium.h"

namespace torven::test {
namespace {

class Equilibrium : public EngineFixture {
protected:
    void expectConvergedInBalance(const CaseBuilder& b, const std::string& name);
};

void Equilibrium::expectConvergedInBalance(const CaseBuilder& b, const std::string& name) {
    EngineRun engine;
    const std::string report = run(b.str(), &engine);
    ASSERT_EQ(report.find("ERROR"), std::string::npos) << name << "\n" << report;
    ASSERT_EQ(report.find("\n     ***** "), std::string::npos) << name << "\n" << report;  // not converged
    const Balance balance = wallBalance(engine, readSoilData(0));
    const double length = engine.wall().n() * engine.wall().h();
    EXPECT_GT(balance.load, 0) << name;
    EXPECT_LT(std::fabs(balance.force), 1e-3 * balance.load) << name << ": " << balance.force;
    EXPECT_LT(std::fabs(balance.moment), 1e-3 * balance.load * length) << name << ": " << balance.moment;
}

TEST_F(Equilibrium, CantileverInSoftClay) {
    SoilCase soil;
    soil.widthActive = soil.widthPY = 12;
    soil.layers = {clay(600, 0.07, 3, 1)};
    CaseBuilder b = generatedCase(soil);
    b.loads = {"1\t0\t0\t1000\t0\t0"};
    expectConvergedInBalance(b, "soft clay");
}

TEST_F(Equilibrium, CantileverInSand) {
    SoilCase soil;
    soil.widthActive = soil.widthPY = 12;
    soil.layers = {sand(600, 0.065, 32)};
    CaseBuilder b = generatedCase(soil);
    b.loads = {"1\t0\t0\t1000\t0\t0"};
    expectConvergedInBalance(b, "sand");
}

// Soldier piles 24 in wide at 8 ft under sand, socketed into weak or strong rock.
TEST_F(Equilibrium, SoldierPileSocketedInRock) {
    const LayerLines rocks[] = {uniform(7, 480, {0.09, 1000, 0, 0.0005, 50000, 50}),
                                uniform(6, 480, {0.09, 2000, 0, 0, 0, 0})};
    for (const LayerLines& rock : rocks) {
        SoilCase soil;
        soil.widthActive = 96;
        soil.widthPY = 24;
        soil.layers = {sand(200, 0.065, 32), rock};
        expectConvergedInBalance(generatedCase(soil), rock.type == 7 ? "weak rock" : "strong rock");
    }
}

}  // namespace
}  // namespace torven::test
