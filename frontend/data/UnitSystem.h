#pragma once
// The three unit systems and the kinds that unit codes are built from.
#include <array>
#include <string_view>

namespace torven::data {

inline constexpr int kEnglish = 1;
inline constexpr int kSI = 2;
inline constexpr int kOtherUnits = 3;

// Systems outside 1..3 are taken as the nearest end.
int ClampUnitSystem(int system);

struct UnitKind {
    std::string_view name;                  // "F", "F1", ..., "L3"
    std::array<std::string_view, 3> labels;  // English, SI, other
    long double ratio;                      // English units in one SI unit
};

// The kind named `name` exactly, or nullptr.
const UnitKind* FindUnitKind(std::string_view name);

// Label of a kind in a system (clamped).
std::string_view KindLabel(const UnitKind& kind, int system);

}  // namespace torven::data
