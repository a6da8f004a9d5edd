#pragma once
// What the three clay models share around their curves: the strength, mean
// unit weight and e50 at the curve depth, and the active shift.
#include "engine/py/clay_curves.h"
#include "engine/py/curve_model.h"

namespace torven::py {

class ClayModel : public CurveModel {
protected:
    using CurveModel::CurveModel;

    // c first: beyond the profile its lookup names the strength curve.
    void lookUp(double x);
    // The side's points with the shift of the clays.
    SideCurve side(const ClayCurve& c) const;

    double c_ = 0.0, gamma_ = 0.0, eps50_ = 0.0;
};

}  // namespace torven::py
