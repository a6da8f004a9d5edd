#pragma once
// The curve model of each soil type.
#include <memory>

#include "engine/py/curve_model.h"

namespace torven::py {

std::unique_ptr<CurveModel> makeSoftClay(const LayerSetting& s);
std::unique_ptr<CurveModel> makeStiffClayBelowWater(const LayerSetting& s);
std::unique_ptr<CurveModel> makeStiffClayAboveWater(const LayerSetting& s);
std::unique_ptr<CurveModel> makeSand(const LayerSetting& s);
std::unique_ptr<CurveModel> makeSilt(const LayerSetting& s);
std::unique_ptr<CurveModel> makeStrongRock(const LayerSetting& s);
std::unique_ptr<CurveModel> makeWeakRock(const LayerSetting& s);

}  // namespace torven::py
