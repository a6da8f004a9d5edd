#include "engine/py/frictional_model.h"

#include <algorithm>

#include "engine/fortran_format.h"

namespace torven::py {

FrictionalModel::FrictionalModel(const LayerSetting& s, ModelStyle style, double pi, WallFriction friction)
    : CurveModel(s, style), pi_(pi), friction_(friction) {}

void FrictionalModel::takeWeight(double x) {
    gamma_ = s_.profile.gammaAvg(x);
    // Without weight the wedge has no resistance and the equivalent depth no meaning.
    if (!(gamma_ > 0.0)) s_.refuse("THE MEAN EFFECTIVE UNIT WEIGHT ABOVE X =" + fmt::E(x, 10, 3) + " IS NOT POSITIVE");
}

void FrictionalModel::takeAngle(double phi) {
    phi_ = phi;
    coef_ = sandCoefficients(phi, pi_);
}

double FrictionalModel::sandPart(double z, double zp) {
    part_ = sandResistance(coef_, gamma_, zp, s_.b);
    if (!s_.continuous) return std::min(part_.wedge, part_.flowAround);
    const double delta = friction_.ofPhi * phi_ + friction_.fixed;
    return s_.b * coulombPassive(phi_, delta) * gamma_ * z;
}

void FrictionalModel::addResistance(Side side, double pu) {
    if (side != Side::Excavation) return;
    if (index_ > 0) resistance_ += 0.5 * (previousPu_ + pu) * dx_;
    if (index_ == soil::kCurvesPerLayer - 1) resistance_ += (s_.pyLayer().xBottom - x_) * pu;
    previousPu_ = pu;
}

}  // namespace torven::py
