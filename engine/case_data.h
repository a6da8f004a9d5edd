#pragma once
// Everything one analysis case reads from the input data file.
#include <string>
#include <vector>

#include "engine/plot_file.h"

namespace torven {

struct ControlRecord {
    int units = 1;
    int nRestr = 0;
    int nStiff = 0;
    int nPYMod = 0;
    int kep = 0;   // 0 none, 1 user table, 2 triangular, 3 trapezoidal
    int kpy = 0;   // 0 none, 1 user curves, 2 generated (with user curves)
    int nPYCurves = 0;
    int numStages = 1;
    int nMEI = 0;
    int nTieback = 0;
};

struct WallRecord {
    int numIncrements = 0;
    double incrementLength = 0.0;
    double maxDeflection = 0.0;
    double deflTolerance = 0.0;
    double freeHeight = 0.0;
    double widthActive = 0.0;
};

struct Tieback {
    double depth = 0.0, area = 0.0, modulus = 0.0, unbondedLength = 0.0;
    double angle = 0.0, spacing = 0.0, prestress = 0.0;
    // Derived when the row is converted into a spring and a load.
    int station = 0;
    double angleRad = 0.0;
    double spring = 0.0;
    double load = 0.0;
    double depthConverted = 0.0;    // d' in the file's length unit
    double spacingConverted = 0.0;  // s'
};

struct PYModRow {
    double depth = 0.0, pMultiplier = 1.0, yMultiplier = 1.0;
};

struct SoilWallRecord {
    double freeHeight = 0.0, widthActive = 0.0, widthPY = 0.0;
    double waterDepthBackfill = 0.0, waterDepthExcavation = 0.0, activeFactor = 0.0;
    int wallCode = 0;
    double backfillSlope = 0.0;
};

struct SurchargeLoad {
    int type = 0;  // 1 point, 2 line, 3 strip
    double magnitude = 0.0, distance = 0.0, width = 0.0;
};

struct SoilLayer {
    int type = 0;
    double bottomDepth = 0.0;
    double thickness = 0.0;
    double top[6] = {};
    double bottom[6] = {};
};

struct SoilRecord {
    SoilWallRecord wall;
    double uniformSurcharge = 0.0;
    double legacySurcharge[5] = {};
    std::vector<SurchargeLoad> surcharges;
    std::vector<SoilLayer> layers;
};

struct UserCurve {
    int station = 0;
    double pMultiplier = 1.0;
    double yMultiplier = 1.0;
    std::vector<CurvePoint> points;  // as entered
};

struct CaseData {
    std::string title;  // 80 characters, blank-padded
    ControlRecord control;
    WallRecord wall;
    int nSpring = 0;  // rows of R7
    std::vector<Tieback> tiebacks;
    std::vector<PYModRow> pyMods;
    bool hasSoilRecord = false;
    SoilRecord soil;
    std::vector<PressureRow> pressure;  // the earth-pressure table in use
    double sigmaVDredge = 0.0;          // effective vertical stress at the dredge line; 0 without generated earth pressure
    std::vector<UserCurve> userCurves;
};

// Depths of the first and last single-station rows of the spring and tieback
// table, for the trapezoidal pressure diagram; a row over several stations
// leaves the earlier value, so these live for the whole run.
struct SupportDepths {
    double first = 0.0;
    double last = 0.0;
};

}  // namespace torven
