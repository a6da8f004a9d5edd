#pragma once
// Station model of the wall: per-station properties, restraints and the
// finite-difference beam-column solution. Arrays are indexed by K = station + 4
// (index 0 unused) so that K = 1 .. N+7 covers stations -3 .. N+3.
#include <vector>

namespace torven {

struct Restraint {
    double deflection = 0.0;
    double slope = 0.0;
};

struct MomentEICurve {
    int fromStation = 0;
    int toStation = 0;
    std::vector<double> moment;  // increasing
    std::vector<double> ei;
};

struct AppliedMoment {
    int station = 0;
    double value = 0.0;  // moment / (2h)
};

struct StationResult {
    double depth = 0.0;
    double deflection = 0.0;
    double slope = 0.0;
    double moment = 0.0;
    double shear = 0.0;
    double netReaction = 0.0;
    double ei = 0.0;
};

struct SolveCounts {
    int exceeded = 0;   // |W| > MaxDeflection
    int notClosed = 0;  // |W - previous W| > DeflTolerance
};

enum RestraintKind : int {
    kFree = 1,
    kDeflection = 2,
    kSlopeStart = 3,
    kDeflectionInSlope = 4,
    kSlopeEnd = 5,
};

class WallModel {
public:
    // Zeroes every array and sizes them for N increments of length h.
    void reset(int numIncrements, double incrementLength);

    int n() const { return n_; }
    double h() const { return h_; }
    int lastIndex() const { return n_ + 4; }          // K of the tip
    static int index(int station) { return station + 4; }
    // True when the station has a slot in the arrays (-3 .. N+3).
    bool hasStation(int station) const { return station >= -3 && station <= n_ + 3; }

    std::vector<double> EI, Q, S, T, R, P;  // input station values
    std::vector<double> Qw, Sw;             // working copies including the soil
    std::vector<double> W;                  // deflection
    std::vector<double> A, B, C;            // recursion coefficients
    std::vector<int> restraintKind;
    std::vector<Restraint> restraints;      // in input order
    std::vector<MomentEICurve> meiCurves;
    std::vector<AppliedMoment> appliedMoments;

    // Sets the kinds for one restraint row and appends it to the list.
    void addRestraint(int restraintCase, int station, double deflection, double slope);

    // Replaces EI on the stations of each moment-EI curve from the current W.
    void updateEI();

    // One linear solution from EI, Qw, Sw, T, R, P and the restraints.
    SolveCounts solve(double maxDeflection, double deflTolerance);

    // Slope, moment, shear and net reaction for stations -1 .. N+1 after a solve.
    // Element i holds station i - 1.
    std::vector<StationResult> stationResults();

private:
    int n_ = 0;
    double h_ = 0.0;
};

// One row of a range table (stiffness, loads, springs/tiebacks).
struct RangeValues {
    double ei = 0.0, q = 0.0, s = 0.0, t = 0.0, r = 0.0, p = 0.0;
};

enum class RangeForm { Full, Opens, Closes };

// Adds the rows of one table to the station arrays, with half values at the
// ends of every range and linear interpolation between rows with Contd = 1.
class RangeDistributor {
public:
    explicit RangeDistributor(WallModel& wall) : wall_(wall) {}
    // Returns false when the range runs backwards (stations not in order).
    // `form` tells the echo which stations the report line shows.
    bool add(int fromStation, int toStation, int contd, const RangeValues& v, RangeForm& form);

private:
    bool spread(int ks, const RangeValues& vs, int ke, const RangeValues& ve);
    WallModel& wall_;
    int previousContd_ = 0;
    int startIndex_ = 0;
    RangeValues startValues_;
};

}  // namespace torven
