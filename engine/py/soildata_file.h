#pragma once
// The SOILDATA scratch file: the curve count, the user curves with their
// multipliers applied, then per generated curve its depth and 34 rows.
#include <ostream>

#include "engine/case_data.h"

namespace torven::py {

class SoilDataFile {
public:
    explicit SoilDataFile(std::ostream& out) : out_(out) {}

    void countLine(int count);
    void userCurve(const UserCurve& curve);
    // Depth below the top of the backfill and the point count of both sides.
    void depthLine(double depth);
    // I5 and p, y in scientific 10.3, each after `gap` blanks.
    void row(int index, double p, double y, int gap);

private:
    std::ostream& out_;
};

}  // namespace torven::py
