#include "engine/py/clay_model.h"

namespace torven::py {

void ClayModel::lookUp(double x) {
    const soil::PYProfile& p = s_.profile;
    c_ = p.strengthAt(x);
    gamma_ = p.gammaAvg(x);
    eps50_ = p.eps50At(x);
}

SideCurve ClayModel::side(const ClayCurve& c) const {
    return {c.points, clayShift(s_.sigmaVDredge, c_, s_.b), c.initialModulus};
}

}  // namespace torven::py
