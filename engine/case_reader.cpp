// Reading, checking and echo of one analysis case.
#include <cmath>

#include "engine/engine_run.h"
#include "engine/fortran_format.h"
#include "engine/tieback.h"

namespace torven {

namespace {

// Beyond this the station arrays would not fit in memory of a desktop.
constexpr int kMaxIncrements = 100000;
constexpr int kMaxRestraints = 20;

const char* const kNotInOrder = "     ERROR STOP -- STATIONS NOT IN ORDER";
const char* const kBeyondEnd = "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";
const char* const kTooMuchData = "     TOO MUCH DATA FOR AVAILABLE STORAGE";

std::string controlLine(const std::string& label, int value, int width) {
    return fmt::X(6) + label + fmt::I(value, width);
}

std::string rangeEcho(RangeForm form, int from, int to, int contd, const RangeValues& v) {
    std::string s;
    switch (form) {
        case RangeForm::Full: s = fmt::X(5) + fmt::I(from, 4) + fmt::I(to, 4) + fmt::I(contd, 3); break;
        case RangeForm::Opens: s = fmt::X(5) + fmt::I(from, 4) + fmt::X(4) + fmt::I(contd, 3); break;
        case RangeForm::Closes: s = fmt::X(9) + fmt::I(to, 4) + fmt::I(contd, 3); break;
    }
    s += fmt::X(1);
    for (double x : {v.ei, v.q, v.s, v.t, v.r, v.p}) s += fmt::E(x, 10, 3);
    return s;
}

}  // namespace

void EngineRun::readCase() {
    const ControlRecord& c = case_.control;
    Report& r = *report_;
    r.sectionBox("        PROGRAM CONTROL PARAMETERS");
    r.line();
    r.line(controlLine("NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ", c.nRestr, 2));
    r.line(controlLine("NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ", c.nStiff, 2));
    r.line(controlLine("GENERATE EARTH PRESSURE INTERNALLY                 = ", c.kep >= 2 ? 1 : 0, 2));
    r.line(controlLine("GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ", c.kpy == 2 ? 1 : 0, 2));
    r.line(controlLine("NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ", c.nPYMod, 2));
    r.line(controlLine("NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ", c.nPYCurves, 2));

    readWallRecord();
    readRestraints();
    readStiffnessAndLoads();
    readPYModifications();
    readEarthPressure();
    checkBeyondEnd();
    loadCurves();
    readMomentEICurves();
}

void EngineRun::readWallRecord() {
    WallRecord& w = case_.wall;
    ListReader& in = *reader_;
    in.beginRecord();
    w.numIncrements = in.readInt("NUMBER OF INCREMENTS");
    w.incrementLength = in.readReal("INCREMENT LENGTH");
    w.maxDeflection = in.readReal("MAXIMUM ALLOWABLE DEFLECTION");
    w.deflTolerance = in.readReal("DEFLECTION CLOSURE TOLERANCE");
    w.freeHeight = in.readReal("FREE HEIGHT OF WALL");
    w.widthActive = in.readReal("WIDTH OF WALL");

    Report& r = *report_;
    const std::string& len = labels_.length3;
    r.line(controlLine("NUMBER OF INCREMENTS                               = ", w.numIncrements, 3));
    r.line(fmt::X(6) + "INCREMENT LENGTH                                   = " + fmt::F(w.incrementLength, 9, 3) + len);
    r.line(fmt::X(6) + "FREE HEIGHT OF WALL                                = " + fmt::F(w.freeHeight, 9, 3) + len);
    r.line(fmt::X(6) + "MAXIMUM ALLOWABLE DEFLECTION                       = " + fmt::F(w.maxDeflection, 9, 3) + len);
    r.line(fmt::X(6) + "DEFLECTION CLOSURE TOLERANCE                       = " + fmt::ES(w.deflTolerance, 9, 3) + len);

    if (w.numIncrements < 1 || !(w.incrementLength > 0.0)) {
        r.emptyLines(2);
        checkStop("     ERROR -- THE NUMBER OF INCREMENTS AND THE INCREMENT LENGTH MUST BE POSITIVE");
    }
    if (w.numIncrements > kMaxIncrements) {
        r.emptyLines(2);
        r.line(kTooMuchData);
        r.emptyLines(2);
        throw CheckStop{};
    }
    wall_.reset(w.numIncrements, w.incrementLength);
}

void EngineRun::readRestraints() {
    const int count = case_.control.nRestr;
    Report& r = *report_;
    if (count <= 0) {
        r.line();
        r.line(fmt::X(20));
        return;
    }
    r.sectionBox("        SPECIFIED DEFLECTIONS AND SLOPES");
    r.line();
    r.line(fmt::X(5) + "     STA      CASE       DEFLECTION        SLOPE");
    r.line();
    if (count > kMaxRestraints) {
        r.emptyLines(2);
        r.line(kTooMuchData);
        r.emptyLines(2);
        throw CheckStop{};
    }
    int previous = -1;
    const int n = wall_.n();
    for (int i = 0; i < count; ++i) {
        reader_->beginRecord();
        const int restraintCase = reader_->readInt("RESTRAINT CASE");
        const int station = reader_->readInt("RESTRAINT STATION");
        const double deflection = reader_->readReal("SPECIFIED DEFLECTION");
        const double slope = reader_->readReal("SPECIFIED SLOPE");
        if (station < previous) {
            r.emptyLines(2);
            checkStop(kNotInOrder);
        }
        // Only stations -1 .. N+1 take part in the elimination.
        if (station > n + 1) {
            r.emptyLines(2);
            checkStop(kBeyondEnd);
        }
        previous = station;
        wall_.addRestraint(restraintCase, station, deflection, slope);
        std::string echo = fmt::X(10) + fmt::I(station, 3) + fmt::X(7) + fmt::I(restraintCase, 2);
        if (restraintCase >= 3)
            echo += fmt::X(3) + fmt::X(5) + fmt::E(deflection, 10, 3) + fmt::X(5) + fmt::E(slope, 10, 3);
        else if (restraintCase == 2)
            echo += fmt::X(11) + "NONE" + fmt::X(8) + fmt::E(slope, 10, 3);
        else
            echo += fmt::X(8) + fmt::E(deflection, 10, 3) + fmt::X(9) + "NONE";
        r.line(echo);
    }
}

void EngineRun::checkRangeStations(int fromStation, int toStation) {
    if (fromStation < -3 || toStation < -3) checkStop(kNotInOrder);
    const int last = wall_.n() + 3;
    if (fromStation > last || toStation > last) checkStop(kBeyondEnd);
}

void EngineRun::readStiffnessAndLoads() {
    Report& r = *report_;
    r.sectionBox("        STIFFNESS AND LOAD DATA");
    r.line(fmt::X(6) + "EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,");
    r.line(fmt::X(6) + "S - STIFFNESS OF TRANSVERSE RESISTANCE,");
    r.line(fmt::X(6) + "T - TORQUE,              P - AXIAL LOAD,");
    r.line(fmt::X(6) + "R - STIFFNESS OF TORSIONAL RESISTANCE.");
    r.line();
    r.line("     FROM TO CONTD     EI         Q        S'        T         R         P");
    const UnitLabels& u = labels_;
    // Units right-aligned over the 10-column value fields.
    r.line(fmt::X(18) + u.force3 + "-" + u.length2 + "**2" + fmt::X(6) + u.force4 + fmt::X(4) + u.force3 + "/" +
           u.length2 + fmt::X(4) + u.force3 + "-" + u.length2 + u.force3 + "-" + u.length2 + "/RAD" + fmt::X(6) +
           u.force4);

    ListReader& in = *reader_;
    const double h = wall_.h();
    auto distribute = [&](RangeDistributor& table, int from, int to, int contd, const RangeValues& v,
                          const RangeValues& echoValues) {
        checkRangeStations(from, to);
        RangeForm form = RangeForm::Full;
        if (!table.add(from, to, contd, v, form)) checkStop(kNotInOrder);
        RangeValues shown = echoValues;
        shown.ei = wall_.EI[WallModel::index(from)];
        r.line(rangeEcho(form, from, to, contd, shown));
    };

    RangeDistributor stiffness(wall_);
    for (int i = 0; i < case_.control.nStiff; ++i) {
        in.beginRecord();
        const int from = in.readInt("FROM STATION");
        const int to = in.readInt("TO STATION");
        const int contd = in.readInt("CONSTANT OR INTERPOLATE") - 1;
        RangeValues v;
        v.ei = in.readReal("FLEXURAL RIGIDITY");
        checkRangeStations(from, to);
        RangeForm form = RangeForm::Full;
        if (!stiffness.add(from, to, contd, v, form)) checkStop(kNotInOrder);
        r.line(rangeEcho(form, from, to, contd, v));
    }

    in.beginRecord();
    const int nConc = in.readInt("NO OF CONCENTRATED LOADS");
    RangeDistributor loads(wall_);
    for (int i = 0; i < nConc; ++i) {
        in.beginRecord();
        const int contd = in.readInt("CONSTANT OR INTERPOLATE") - 1;
        const int from = in.readInt("FROM STATION");
        const int to = in.readInt("TO STATION");
        RangeValues v;
        v.q = in.readReal("LATERAL LOAD");
        v.t = in.readReal("MOMENT");
        const double axial = in.readReal("AXIAL LOAD");
        v.p = -axial;  // compression is negative inside
        if (v.t != 0.0) wall_.appliedMoments.push_back({from, v.t / (2.0 * h)});
        RangeValues shown = v;
        shown.p = axial;
        distribute(loads, from, to, contd, v, shown);
    }

    in.beginRecord();
    const int nSpring = in.readInt("NO OF SPRINGS");
    case_.nSpring = nSpring;
    RangeDistributor springs(wall_);
    const int rows = nSpring + case_.control.nTieback;
    for (int i = 0; i < rows; ++i) {
        int from = 0, to = 0, contd = 0;
        RangeValues v;
        in.beginRecord();
        if (i < nSpring) {
            from = in.readInt("FROM STATION");
            to = in.readInt("TO STATION");
            contd = in.readInt("CONSTANT OR INTERPOLATE") - 1;
            v.s = in.readReal("LATERAL SPRING STIFFNESS");
            v.r = in.readReal("ROTATIONAL SPRING STIFFNESS");
        } else {
            Tieback tie;
            tie.depth = in.readReal("TIEBACK DEPTH");
            tie.area = in.readReal("TIEBACK AREA");
            tie.modulus = in.readReal("TIEBACK ELASTIC MODULUS");
            tie.unbondedLength = in.readReal("TIEBACK UNBONDED LENGTH");
            tie.angle = in.readReal("TIEBACK ANGLE");
            tie.spacing = in.readReal("TIEBACK SPACING");
            tie.prestress = in.readReal("TIEBACK PRESTRESSING FORCE");
            if (!(tie.unbondedLength != 0.0) || !(tie.spacing != 0.0)) {
                r.emptyLines(2);
                checkStop("     ERROR -- TIEBACK " + std::to_string(case_.tiebacks.size() + 1) +
                          ": UNBONDED LENGTH AND SPACING MUST NOT BE ZERO");
            }
            convertTieback(tie, case_.control.units, h, case_.wall.widthActive);
            // An anchor acts on the wall itself, never on the fictitious stations.
            if (tie.station < 0 || tie.station > wall_.n()) {
                r.emptyLines(2);
                checkStop(kNotInOrder);
            }
            from = to = tie.station;
            v.s = tie.spring;
            v.q = tie.load;
            case_.tiebacks.push_back(tie);
        }
        if (from == to) {
            const double depth = from * h;
            if (i == 0) supportDepths_.first = depth;
            if (i == rows - 1) supportDepths_.last = depth;
        }
        distribute(springs, from, to, contd, v, v);
    }
}

void EngineRun::readPYModifications() {
    for (int i = 0; i < case_.control.nPYMod; ++i) {
        reader_->beginRecord();
        PYModRow row;
        row.depth = reader_->readReal("P-Y MODIFICATION DEPTH");
        row.pMultiplier = reader_->readReal("P-MULTIPLIER");
        row.yMultiplier = reader_->readReal("Y-MULTIPLIER");
        case_.pyMods.push_back(row);
    }
}

void EngineRun::readMomentEICurves() {
    ListReader& in = *reader_;
    for (int i = 0; i < case_.control.nMEI; ++i) {
        in.beginRecord();
        MomentEICurve curve;
        curve.fromStation = in.readInt("M-EI CURVE FROM STATION");
        curve.toStation = in.readInt("M-EI CURVE TO STATION");
        const int points = in.readInt("NO OF M-EI CURVE POINTS");
        for (int j = 0; j < points; ++j) {
            in.beginRecord();
            curve.moment.push_back(in.readReal("M-EI CURVE MOMENT"));
            curve.ei.push_back(in.readReal("M-EI CURVE EI"));
        }
        checkRangeStations(curve.fromStation, curve.toStation);
        wall_.meiCurves.push_back(std::move(curve));
    }
}

void EngineRun::checkBeyondEnd() {
    const int k1 = WallModel::index(wall_.n() + 1);
    const int k2 = k1 + 1;
    const WallModel& w = wall_;
    const double sum = w.EI[k1] + w.Q[k1] + w.S[k1] + w.T[k1] + w.R[k1] + w.P[k1] + w.EI[k2] + w.T[k2] + w.R[k2] +
                       w.P[k2];
    if (sum != 0.0) checkStop(kBeyondEnd);
}

}  // namespace torven
