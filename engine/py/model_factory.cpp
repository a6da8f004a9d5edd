#include "engine/py/models.h"

namespace torven::py {

std::unique_ptr<CurveModel> makeCurveModel(int soilType, const LayerSetting& s) {
    switch (soilType) {
        case 2: return makeStiffClayBelowWater(s);
        case 3: return makeStiffClayAboveWater(s);
        case 4: return makeSand(s);
        case 5: return makeSilt(s);
        case 6: return makeStrongRock(s);
        case 7: return makeWeakRock(s);
        default: return makeSoftClay(s);  // any other code is soft clay
    }
}

}  // namespace torven::py
