#include "engine/wall_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace torven {
namespace {

constexpr double kHuge = 1e30;

struct Row {
    int from, to, contd;
    RangeValues v;
};

RangeValues eiOnly(double ei) {
    RangeValues v;
    v.ei = ei;
    return v;
}

// Distributes the rows as one table; returns false at the first refused row.
bool distribute(WallModel& wall, const std::vector<Row>& rows, std::vector<RangeForm>* forms = nullptr) {
    RangeDistributor dist(wall);
    for (const Row& r : rows) {
        RangeForm form{};
        if (!dist.add(r.from, r.to, r.contd, r.v, form)) return false;
        if (forms) forms->push_back(form);
    }
    return true;
}

SolveCounts solveWithoutSoil(WallModel& wall, double maxDeflection = kHuge, double tolerance = kHuge) {
    wall.Qw = wall.Q;
    wall.Sw = wall.S;
    return wall.solve(maxDeflection, tolerance);
}

double at(const std::vector<double>& arr, int station) { return arr[WallModel::index(station)]; }

// ---------------------------------------------------------------- range rows

TEST(RangeDistributor, RowsBecomeStationValues) {
    constexpr int n = 20;
    const double e1 = 100.0, e2 = 300.0, e3 = 700.0;
    auto line = [](int s, int s0, double v0, int s1, double v1) {
        return v0 + (v1 - v0) * (s - s0) / (s1 - s0);
    };
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<RangeForm> forms;
        std::function<double(int)> expected;  // EI at a station
    };
    const std::vector<Case> cases = {
        {"one row over the wall",
         {{0, n, 0, eiOnly(e1)}},
         {RangeForm::Full},
         [&](int s) { return s < 0 || s > n ? 0.0 : (s == 0 || s == n ? e1 / 2 : e1); }},
        {"two rows sharing station 10",
         {{0, 10, 0, eiOnly(e1)}, {10, n, 0, eiOnly(e2)}},
         {RangeForm::Full, RangeForm::Full},
         [&](int s) {
             if (s < 0 || s > n) return 0.0;
             if (s == 10) return (e1 + e2) / 2;
             double v = s < 10 ? e1 : e2;
             return s == 0 || s == n ? v / 2 : v;
         }},
        {"interpolation from a single station to a range end",
         {{0, 0, 1, eiOnly(e1)}, {5, 10, 0, eiOnly(e2)}},
         {RangeForm::Opens, RangeForm::Closes},
         [&](int s) {
             if (s < 0 || s > 10) return 0.0;
             double v = line(s, 0, e1, 10, e2);
             return s == 0 || s == 10 ? v / 2 : v;
         }},
        {"single-station row adds its full value",
         {{7, 7, 0, eiOnly(e1)}},
         {RangeForm::Full},
         [&](int s) { return s == 7 ? e1 : 0.0; }},
        {"chained interpolation closes and reopens at station 10",
         {{0, 0, 1, eiOnly(e1)}, {5, 10, 1, eiOnly(e2)}, {15, n, 0, eiOnly(e3)}},
         {RangeForm::Opens, RangeForm::Closes, RangeForm::Closes},
         [&](int s) {
             if (s < 0 || s > n) return 0.0;
             double v = s <= 10 ? line(s, 0, e1, 10, e2) : line(s, 10, e2, n, e3);
             return s == 0 || s == n ? v / 2 : v;
         }},
        {"interpolation left open at the end adds nothing",
         {{0, n, 1, eiOnly(e1)}},
         {RangeForm::Opens},
         [](int) { return 0.0; }},
        {"range reaching past the arrays is clipped",
         {{-50, n + 50, 0, eiOnly(e1)}},
         {RangeForm::Full},
         [&](int) { return e1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WallModel wall;
        wall.reset(n, 1.0);
        std::vector<RangeForm> forms;
        ASSERT_TRUE(distribute(wall, c.rows, &forms));
        EXPECT_EQ(forms, c.forms);
        for (int s = -3; s <= n + 3; ++s) {
            EXPECT_NEAR(at(wall.EI, s), c.expected(s), 1e-12) << "station " << s;
        }
    }
}

TEST(RangeDistributor, SpreadsEveryArray) {
    WallModel wall;
    wall.reset(10, 1.0);
    RangeValues v{1.0, 2.0, 3.0, 4.0, 5.0, -6.0};
    ASSERT_TRUE(distribute(wall, {{2, 8, 0, v}}));
    const std::vector<double>* arrays[] = {&wall.EI, &wall.Q, &wall.S, &wall.T, &wall.R, &wall.P};
    const double full[] = {v.ei, v.q, v.s, v.t, v.r, v.p};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(at(*arrays[i], 2), full[i] / 2);
        EXPECT_DOUBLE_EQ(at(*arrays[i], 5), full[i]);
        EXPECT_DOUBLE_EQ(at(*arrays[i], 8), full[i] / 2);
        EXPECT_EQ(at(*arrays[i], 9), 0.0);
    }
}

TEST(RangeDistributor, RefusesBackwardRanges) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
    };
    const std::vector<Case> cases = {
        {"constant row from 10 to 5", {{10, 5, 0, eiOnly(1.0)}}},
        {"interpolation closing above its start", {{10, 10, 1, eiOnly(1.0)}, {2, 5, 0, eiOnly(1.0)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WallModel wall;
        wall.reset(20, 1.0);
        EXPECT_FALSE(distribute(wall, c.rows));
        for (double ei : wall.EI) EXPECT_EQ(ei, 0.0);
    }
}

// ---------------------------------------------------------------- restraints

TEST(WallModelRestraints, RowsSetKinds) {
    constexpr int n = 10;
    struct Case {
        int restraintCase, station;
        std::vector<std::pair<int, int>> kinds;  // station, kind
    };
    const std::vector<Case> cases = {
        {1, 4, {{3, kFree}, {4, kDeflection}, {5, kFree}}},
        {0, 4, {{4, kDeflection}}},
        {2, 4, {{3, kSlopeStart}, {4, kFree}, {5, kSlopeEnd}}},
        {3, 4, {{3, kSlopeStart}, {4, kDeflectionInSlope}, {5, kSlopeEnd}}},
        {7, 4, {{3, kSlopeStart}, {4, kDeflectionInSlope}, {5, kSlopeEnd}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.restraintCase);
        WallModel wall;
        wall.reset(n, 1.0);
        wall.addRestraint(c.restraintCase, c.station, 0.5, 0.25);
        for (auto [station, kind] : c.kinds) EXPECT_EQ(wall.restraintKind[WallModel::index(station)], kind) << station;
        ASSERT_EQ(wall.restraints.size(), 1u);
        EXPECT_EQ(wall.restraints[0].deflection, 0.5);
        EXPECT_EQ(wall.restraints[0].slope, 0.25);
    }
}

TEST(WallModelRestraints, LaterRowsOverwriteAndEdgesStayInside) {
    WallModel wall;
    wall.reset(10, 1.0);
    wall.addRestraint(3, 5, 0.0, 0.0);
    wall.addRestraint(1, 6, 0.0, 0.0);
    EXPECT_EQ(wall.restraintKind[WallModel::index(6)], kDeflection);
    EXPECT_EQ(wall.restraintKind[WallModel::index(4)], kSlopeStart);

    wall.addRestraint(3, -3, 0.0, 0.0);      // station -4 has no slot
    wall.addRestraint(3, 10 + 3, 0.0, 0.0);  // nor has N+4
    EXPECT_EQ(wall.restraintKind[0], kFree);
    EXPECT_EQ(wall.restraintKind.size(), 10u + 8u);
    EXPECT_EQ(wall.restraints.size(), 4u);
}

// A beam on springs under a load at the top: every restraint leaves it solvable.
WallModel sprungBeam(int n = 20, double h = 0.5) {
    WallModel wall;
    wall.reset(n, h);
    RangeValues v;
    v.ei = 1000.0;
    v.s = 50.0 * h;
    distribute(wall, {{0, n, 0, v}});
    wall.Q[WallModel::index(0)] = 10.0;
    return wall;
}

TEST(WallModelRestraints, SolutionHonoursRestraint) {
    struct Case {
        const char* name;
        int restraintCase, station;
        double deflection, slope;
        bool deflectionHeld, slopeHeld;
    };
    const std::vector<Case> cases = {
        {"pinned top", 1, 0, 0.0, 0.0, true, false},
        {"prescribed deflection inside", 1, 7, 0.01, 0.0, true, false},
        {"zero slope at the top", 2, 0, 0.0, 0.0, false, true},
        {"prescribed slope inside", 2, 7, 0.0, 0.003, false, true},
        {"deflection and slope together", 3, 0, 0.01, 0.003, true, true},
        {"fixed inside", 3, 12, 0.0, 0.0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WallModel wall = sprungBeam();
        WallModel free = sprungBeam();
        wall.addRestraint(c.restraintCase, c.station, c.deflection, c.slope);
        solveWithoutSoil(wall);
        solveWithoutSoil(free);
        const double h = wall.h();
        const double wAbove = at(wall.W, c.station - 1), wBelow = at(wall.W, c.station + 1);
        if (c.deflectionHeld) {
            EXPECT_EQ(at(wall.W, c.station), c.deflection);
        }
        if (c.slopeHeld) {
            EXPECT_NEAR((wBelow - wAbove) / (2 * h), c.slope, 1e-15);
            if (c.slope == 0.0) {
                EXPECT_EQ(wAbove, wBelow);
            }
        }
        // The restraint must change the answer, or the check above proves nothing.
        EXPECT_GT(std::fabs(at(wall.W, 0) - at(free.W, 0)), 1e-6);
        for (double w : wall.W) EXPECT_TRUE(std::isfinite(w));
    }
}

TEST(WallModelRestraints, DegenerateRestraintsHoldTheStation) {
    {
        SCOPED_TRACE("kind without a list entry");
        WallModel wall = sprungBeam();
        wall.restraintKind[WallModel::index(5)] = kDeflection;
        solveWithoutSoil(wall);
        EXPECT_EQ(at(wall.W, 5), 0.0);
    }
    {
        SCOPED_TRACE("slope condition opening on a station with no stiffness");
        WallModel wall;
        wall.reset(10, 1.0);
        distribute(wall, {{1, 10, 0, eiOnly(1000.0)}});  // nothing at station 0: D = 0 at -1
        wall.Q[WallModel::index(5)] = 1.0;
        wall.addRestraint(2, 0, 0.0, 0.0);
        wall.addRestraint(1, 10, 0.0, 0.0);
        wall.addRestraint(1, 9, 0.0, 0.0);
        solveWithoutSoil(wall);
        for (double w : wall.W) EXPECT_TRUE(std::isfinite(w));
        EXPECT_EQ(at(wall.W, 1), 0.0);
    }
}

// ---------------------------------------------------------------- closed forms

struct Cantilever {
    static constexpr double kEI = 2.0e4, kLength = 10.0;
    WallModel wall;
    explicit Cantilever(int n) {
        wall.reset(n, kLength / n);
        distribute(wall, {{0, n, 0, eiOnly(kEI)}});
        wall.addRestraint(3, n, 0.0, 0.0);
    }
};

TEST(WallModelClosedForm, CantileverTopLoad) {
    const double load = 3.0;
    const double exact = load * std::pow(Cantilever::kLength, 3) / (3 * Cantilever::kEI);
    std::vector<double> errors;
    for (int n : {20, 40, 80}) {
        SCOPED_TRACE(n);
        Cantilever c(n);
        c.wall.Q[WallModel::index(0)] = load;
        solveWithoutSoil(c.wall);
        const auto res = c.wall.stationResults();
        ASSERT_EQ(res.size(), static_cast<std::size_t>(n + 3));
        const double h = c.wall.h();
        errors.push_back(res[1].deflection - exact);
        for (int s = 0; s < n; ++s) {
            EXPECT_DOUBLE_EQ(res[s + 1].depth, s * h);
            EXPECT_NEAR(res[s + 1].moment, load * s * h, 1e-9) << s;
        }
        for (int s = 1; s < n - 1; ++s) EXPECT_NEAR(res[s + 1].shear, load, 1e-9) << s;
        EXPECT_NEAR(res[1].netReaction, load, 1e-9);
        EXPECT_NEAR(res[n + 1].netReaction, -load, 1e-9);
        EXPECT_EQ(res[n + 1].ei, Cantilever::kEI / 2);
    }
    // The discrete tip deflection is P L^3/(3EI) + P L h^2/(6EI): second order.
    EXPECT_NEAR(errors[0], load * Cantilever::kLength * 0.25 / (6 * Cantilever::kEI), 1e-12);
    EXPECT_NEAR(errors[0] / errors[1], 4.0, 1e-6);
    EXPECT_NEAR(errors[1] / errors[2], 4.0, 1e-6);
}

TEST(WallModelClosedForm, CantileverTopCoupleIsExact) {
    const double couple = 5.0;
    const double exact = couple * Cantilever::kLength * Cantilever::kLength / (2 * Cantilever::kEI);
    for (int n : {20, 40, 80}) {
        SCOPED_TRACE(n);
        Cantilever c(n);
        c.wall.T[WallModel::index(0)] = couple;
        solveWithoutSoil(c.wall);
        EXPECT_NEAR(at(c.wall.W, 0), exact, 1e-12 * exact);
        const auto res = c.wall.stationResults();
        for (int s = 1; s < n; ++s) EXPECT_NEAR(res[s + 1].moment, couple, 1e-9) << s;
    }
}

TEST(WallModelClosedForm, PointLoadOnElasticFoundation) {
    // Long beam, so its ends are several characteristic lengths from the load.
    const double ei = 1.0, k = 4.0, load = 1.0, length = 24.0;
    const double beta = std::pow(k / (4 * ei), 0.25);
    const double exactW = load * beta / (2 * k);
    const double exactM = -load / (4 * beta);  // sagging under the load
    std::vector<double> errW, errM;
    for (int n : {96, 192, 384}) {
        const double h = length / n;
        WallModel wall;
        wall.reset(n, h);
        RangeValues v;
        v.ei = ei;
        v.s = k * h;
        distribute(wall, {{0, n, 0, v}});
        wall.Q[WallModel::index(n / 2)] = load;
        solveWithoutSoil(wall);
        const StationResult mid = wall.stationResults()[n / 2 + 1];
        errW.push_back(mid.deflection - exactW);
        errM.push_back(mid.moment - exactM);
    }
    EXPECT_LT(std::fabs(errW.back()), 2e-3 * exactW);
    EXPECT_LT(std::fabs(errM.back()), 2e-3 * std::fabs(exactM));
    for (std::size_t i = 0; i + 1 < errW.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(errW[i] / errW[i + 1], 4.0, 0.3);
        EXPECT_NEAR(errM[i] / errM[i + 1], 4.0, 0.3);
    }
}

TEST(WallModelClosedForm, AxialCompressionAmplifiesDeflection) {
    // Pinned-pinned beam, uniform load q, compression at half the Euler load.
    const double ei = 1.0, length = 1.0, q = 1.0;
    const double euler = M_PI * M_PI * ei / (length * length);
    const double compression = 0.5 * euler;
    const double u = std::sqrt(compression / ei) * length / 2;
    const double amplification = 12 * (2 / std::cos(u) - 2 - u * u) / (5 * std::pow(u, 4));
    const double exact = 5 * q * std::pow(length, 4) / (384 * ei) * amplification;
    ASSERT_NEAR(amplification, 1 / (1 - 0.5), 0.01);

    std::vector<double> errors;
    for (int n : {40, 80, 160}) {
        const double h = length / n;
        WallModel wall;
        wall.reset(n, h);
        RangeValues v;
        v.ei = ei;
        v.q = q * h;
        v.p = -compression;  // entered as +compression
        distribute(wall, {{0, n, 0, v}});
        wall.addRestraint(1, 0, 0.0, 0.0);
        wall.addRestraint(1, n, 0.0, 0.0);
        solveWithoutSoil(wall);
        errors.push_back(at(wall.W, n / 2) - exact);
    }
    EXPECT_LT(std::fabs(errors.back()), 1e-4 * exact);
    EXPECT_NEAR(errors[0] / errors[1], 4.0, 0.3);
    EXPECT_NEAR(errors[1] / errors[2], 4.0, 0.3);
}

TEST(WallModelClosedForm, PrescribedMotionWithoutLoadIsRigid) {
    // Consistent restraints on an unloaded beam move it as a straight line,
    // so every slope and closing equation must carry its value exactly.
    constexpr int n = 20;
    const double h = 0.5, length = n * h, theta = 0.004;
    struct Rest {
        int restraintCase, station;
        double deflection, slope;
    };
    struct Case {
        const char* name;
        std::vector<Rest> rows;
        double w0;  // deflection at the top
    };
    const std::vector<Case> cases = {
        {"clamp at the tip with a rotation", {{3, n, 0.02, theta}}, 0.02 - theta * length},
        {"pin at the top, slope at the tip", {{1, 0, 0.01, 0.0}, {2, n, 0.0, theta}}, 0.01},
        {"slope at the top, then a held station", {{2, 0, 0.0, theta}, {1, 5, 0.01, 0.0}}, 0.01 - theta * 5 * h},
        {"two clamps in line", {{3, 0, 0.01, theta}, {3, n, 0.01 + theta * length, theta}}, 0.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WallModel wall;
        wall.reset(n, h);
        distribute(wall, {{0, n, 0, eiOnly(1000.0)}});
        for (const Rest& r : c.rows) wall.addRestraint(r.restraintCase, r.station, r.deflection, r.slope);
        solveWithoutSoil(wall);
        const auto res = wall.stationResults();
        for (int s = -1; s <= n + 1; ++s) {
            const StationResult& r = res[s + 1];
            EXPECT_NEAR(r.deflection, c.w0 + theta * s * h, 1e-13) << s;
            EXPECT_NEAR(r.slope, theta, 1e-12) << s;
            EXPECT_NEAR(r.moment, 0.0, 1e-9) << s;
        }
    }
}

// ---------------------------------------------------------------- solve counts

TEST(WallModelSolve, CountsWallStationsOnly) {
    constexpr int n = 20;
    Cantilever c(n);
    c.wall.Q[WallModel::index(0)] = 3.0;
    // Every wall station but the held tip moves; stations -1 and N+1 are not counted.
    SolveCounts first = solveWithoutSoil(c.wall, 0.0, 0.0);
    EXPECT_EQ(first.exceeded, n);
    EXPECT_EQ(first.notClosed, n);
    SolveCounts again = solveWithoutSoil(c.wall, at(c.wall.W, 0), 0.0);
    EXPECT_EQ(again.exceeded, 0);
    EXPECT_EQ(again.notClosed, 0);
}

// ---------------------------------------------------------------- moment-EI curves

TEST(WallModelUpdateEI, FollowsTheCurve) {
    constexpr int n = 10;
    const double h = 0.5;
    struct Case {
        const char* name;
        std::vector<double> moment, ei;
        double curvature;
        double expected;
    };
    const std::vector<double> bilinM = {0.0, 100.0, 150.0}, bilinEI = {1000.0, 1000.0, 500.0};
    const std::vector<Case> cases = {
        {"first segment", bilinM, bilinEI, 0.05, 1000.0},
        {"second segment", bilinM, bilinEI, 0.2, 2000.0 / 3.0},
        {"sign of curvature ignored", bilinM, bilinEI, -0.2, 2000.0 / 3.0},
        {"beyond the last point extends the last segment", bilinM, bilinEI, 1.0, 2000.0 / 11.0},
        {"zero deflection picks the zero-moment point", {-100.0, 100.0, 200.0}, {800.0, 1200.0, 1000.0}, 0.0, 1000.0},
        {"segment parallel to M = phi EI keeps its first point", {0.0, 0.0}, {1000.0, 500.0}, 0.0, 1000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WallModel wall;
        wall.reset(n, h);
        for (double& e : wall.EI) e = 5.0;
        for (int s = -3; s <= n + 3; ++s) wall.W[WallModel::index(s)] = 0.5 * c.curvature * (s * h) * (s * h);
        wall.meiCurves.push_back({3, 5, c.moment, c.ei});
        wall.updateEI();
        for (int s = 3; s <= 5; ++s) EXPECT_NEAR(at(wall.EI, s), c.expected, 1e-9) << s;
        EXPECT_EQ(at(wall.EI, 2), 5.0);
        EXPECT_EQ(at(wall.EI, 6), 5.0);
    }
}

TEST(WallModelUpdateEI, SkipsCurvesOutsideTheArrays) {
    WallModel wall;
    wall.reset(10, 1.0);
    wall.meiCurves.push_back({-5, 20, {0.0, 1.0}, {7.0, 7.0}});
    wall.meiCurves.push_back({10, 13, {0.0, 1.0}, {9.0, 9.0}});  // reaches the last slot
    wall.updateEI();
    EXPECT_EQ(at(wall.EI, 0), 0.0);
    EXPECT_EQ(at(wall.EI, 13), 9.0);
}

// ---------------------------------------------------------------- station results

TEST(WallModelStationResults, AppliedMomentCorrections) {
    constexpr int n = 20;
    struct Change {
        int station;
        double shear, net;
    };
    struct Case {
        const char* name;
        std::vector<AppliedMoment> moments;
        std::vector<Change> changes;  // every other station is unchanged
    };
    const double v = 8.0;
    const std::vector<Case> cases = {
        {"inside the wall", {{6, v}}, {{5, -0.5 * v, -v}, {6, -v, 0.0}, {7, -0.5 * v, v}}},
        {"at the top fictitious station", {{-1, v}}, {{-1, -v, 0.0}, {0, -0.5 * v, v}}},
        {"at the bottom fictitious station", {{n + 1, v}}, {{n, -0.5 * v, -v}, {n + 1, -v, 0.0}}},
        {"outside the reported stations", {{n + 3, v}}, {}},
        {"neighbours add up", {{6, v}, {7, 2 * v}},
         {{5, -0.5 * v, -v}, {6, -v - v, -2 * v}, {7, -0.5 * v - 2 * v, v}, {8, -v, 2 * v}}},
    };
    WallModel wall = sprungBeam(n);
    wall.addRestraint(1, 10, 0.0, 0.0);
    solveWithoutSoil(wall);
    const auto base = wall.stationResults();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wall.appliedMoments = c.moments;
        const auto res = wall.stationResults();
        for (int s = -1; s <= n + 1; ++s) {
            double dShear = 0.0, dNet = 0.0;
            for (const Change& ch : c.changes) {
                if (ch.station == s) dShear = ch.shear, dNet = ch.net;
            }
            const StationResult &r = res[s + 1], &b = base[s + 1];
            EXPECT_NEAR(r.shear - b.shear, dShear, 1e-9) << s;
            EXPECT_NEAR(r.netReaction - b.netReaction, dNet, 1e-9) << s;
            EXPECT_EQ(r.moment, b.moment);
            EXPECT_EQ(r.deflection, b.deflection);
        }
    }
}

}  // namespace
}  // namespace torven
