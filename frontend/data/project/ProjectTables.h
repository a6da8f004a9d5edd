#pragma once
// Names of the main window's tables that hold the project's list input.
#include <string_view>

namespace torven::data::tbl {

inline constexpr std::string_view kRestraints = "SoilLayer";
inline constexpr std::string_view kStiffness = "PileSect";
inline constexpr std::string_view kConcentratedLoads = "BoundCond";
inline constexpr std::string_view kSprings = "SoilStrength";
inline constexpr std::string_view kTiebacks = "TiebackTable1";
inline constexpr std::string_view kPYModifiers = "PYMod";
inline constexpr std::string_view kDistLoad = "DistLoad";
inline constexpr std::string_view kLongDist = "LongDist";
inline constexpr std::string_view kSurcharges = "SurchargeTable";
inline constexpr std::string_view kSoil = "NewSoil";
inline constexpr std::string_view kLongSoil = "LongSoil";
inline constexpr std::string_view kPYCurves = "PYCurves2";
inline constexpr std::string_view kMEICurves = "MEICurves2";

// Choice column of PileSect whose last row is written as constant.
inline constexpr int kStiffnessChoiceColumn = 2;
// Columns of a soil table and of the curve-set tables.
inline constexpr int kSoilTypeColumn = 0;
inline constexpr int kSoilDepthColumn = 1;
inline constexpr int kSoilParametersColumn = 2;
inline constexpr int kPYCurveNodeColumn = 0;
inline constexpr int kPYCurvePointsColumn = 1;
inline constexpr int kPYCurvePMultiplierColumn = 2;
inline constexpr int kPYCurveYMultiplierColumn = 3;
inline constexpr int kMEIPointsColumn = 2;
// Surcharge rows: load type choice and magnitude.
inline constexpr int kSurchargeTypeColumn = 0;
inline constexpr int kSurchargeMagnitudeColumn = 1;
inline constexpr int kPointLoad = 1;
inline constexpr int kLineLoad = 2;
inline constexpr int kStripLoad = 3;

}  // namespace torven::data::tbl
