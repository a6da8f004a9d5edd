#pragma once
// The plot data file: per case an earth-pressure part, a p-y curve part and
// a results part, read back as a stream of blank-separated numbers.
#include <ostream>
#include <sstream>
#include <vector>

#include "engine/wall_model.h"

namespace torven {

struct PressureRow {
    double depth = 0.0;
    double total = 0.0;
    double soil = 0.0;
    double surcharge = 0.0;
};

struct CurvePoint {
    double y = 0.0;
    double p = 0.0;
};

// A case that stops at a failed check still gets a block the reader can
// follow: parts it did not reach are written empty, and a curve part is only
// written once it is complete.
class PlotFile {
public:
    explicit PlotFile(std::ostream& out) : out_(out) {}

    void writePressureBlock(const std::vector<PressureRow>& rows);
    void beginCurveBlock(int units, int count);
    // `fixedDepth`: the generated-only form (F10.2 depth, I5 count).
    void writeCurveHeader(double depth, int points, bool fixedDepth);
    void writeCurvePoint(double y, double p);
    void endCurveBlock();
    // Stations 0 .. N+1 of the last completed solution (none before the first).
    void writeResultBlock(int blockCount, int units, const std::vector<StationResult>& rows);

private:
    enum class Stage { Start, PressureWritten, CurvesWritten };
    std::ostream& out_;
    std::ostringstream curves_;
    Stage stage_ = Stage::Start;
};

}  // namespace torven
