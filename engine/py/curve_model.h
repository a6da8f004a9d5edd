#pragma once
// What every soil and rock model offers the generation loop of a layer: the
// parameters at a curve depth, the curve of one side, its report header, and
// the integrated resistance that later layers turn into an equivalent depth.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/py/curve_points.h"
#include "engine/py/equivalent_depth.h"
#include "engine/report.h"
#include "engine/soil/py_profile.h"

namespace torven::py {

// Ends the case with the reason in the report, naming the layer.
using Refusal = std::function<void(const std::string& reason)>;

struct LayerSetting {
    const soil::PYProfile& profile;
    int layer = 0;             // 0-based p-y layer
    double b = 0.0;            // WidthPY
    bool continuous = false;   // width ratio below 1.1
    double freeHeight = 0.0;
    double sigmaVDredge = 0.0;
    double forceAbove = 0.0;   // F: integrated resistance of the layers above
    Report& report;
    const UnitLabels& labels;
    std::ostream& warnings;    // the standard error stream of the engine
    Refusal refuse;

    const soil::PYLayer& pyLayer() const { return profile.layers()[layer]; }
};

enum class PointFormat { Fixed, Scientific, DExponent };

struct ModelStyle {
    PointFormat points = PointFormat::Fixed;
    int rowGap = 1;          // blanks before each value of a SOILDATA row
    bool sideTitle = true;   // "AT THE ... SIDE" before the header
    bool rock = false;       // multiplies p itself, no shift, no multiplier line
    bool warnsTinyDeflection = false;
};

struct SideCurve {
    CurvePoints points;
    double shift = 0.0;           // pa: subtracted on the excavation side, added on the backfill side
    double initialModulus = 0.0;  // named by the tiny-deflection warning
};

class CurveModel {
public:
    CurveModel(const LayerSetting& setting, ModelStyle style) : s_(setting), style_(style) {}
    virtual ~CurveModel() = default;

    const ModelStyle& style() const { return style_; }
    // R of this layer so far (excavation side).
    double layerResistance() const { return resistance_; }

    // Moves to curve depth `index` (0 to 4) of the layer, X = x, and takes the
    // parameters there; once per depth.
    void enterDepth(int index, double x);
    // The points of one side, z its depth; `pMultiplier` is used by the rock models only.
    virtual SideCurve curve(Side side, double z, double pMultiplier) = 0;
    // Header and parameter lines of the side last computed.
    virtual void writeHeader(Side side, double z) const = 0;

protected:
    virtual void atDepth(int index, double x) = 0;
    // XEq of the layer from the parameters at its first curve depth, with a
    // warning and the layer top in its place when they leave it undefined.
    void findEquivalentDepth(int soilType, const EquivalentDepthInput& in);
    // The depth of the side for the ultimate resistance: from XEq below the first layer.
    double resistanceDepth(double z) const;
    // "XEQ", the layer number, XEq and the curve depth, list-directed.
    void writeEquivalentDepthLine(double x) const;
    // Writes `lines` to the standard error stream and the report, then ends
    // the run with the cause, which names the layer.
    [[noreturn]] void stopWithWarning(const std::vector<std::string>& lines, const std::string& cause) const;

    LayerSetting s_;
    ModelStyle style_;
    double resistance_ = 0.0;
    double xEq_ = 0.0;
    int index_ = 0;
    double x_ = 0.0;
    double dx_ = 0.0;  // X less the previous curve depth of the layer
};

std::unique_ptr<CurveModel> makeCurveModel(int soilType, const LayerSetting& setting);

}  // namespace torven::py
