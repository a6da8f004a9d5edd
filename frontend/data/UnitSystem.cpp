#include "frontend/data/UnitSystem.h"

#include <algorithm>

namespace torven::data {

namespace {

constexpr std::array<UnitKind, 10> kKinds = {{
    {"F", {"lbs", "kN", "F"}, 224.8089237L},
    {"F1", {"kips", "kN", "F"}, 0.2248089237L},
    {"F2", {"tons", "kN", "F"}, 0.1124044745L},
    {"F4", {"lb-sec2/in", "Mg", "M"}, 5.7101483L},
    {"F5", {"sec", "sec", "T"}, 1.0L},
    {"F6", {"slug", "Mg", "F"}, 68.364249L},
    {"L", {"in", "m", "L"}, 39.37007874L},
    {"L1", {"in", "mm", "L"}, 0.03937007874L},
    {"L2", {"ft", "m", "L"}, 3.280839895L},
    {"L3", {"rad", "rad", "L"}, 1.0L},
}};

}  // namespace

int ClampUnitSystem(int system) { return std::clamp(system, kEnglish, kOtherUnits); }

const UnitKind* FindUnitKind(std::string_view name) {
    for (const UnitKind& kind : kKinds) {
        if (kind.name == name) return &kind;
    }
    return nullptr;
}

std::string_view KindLabel(const UnitKind& kind, int system) {
    return kind.labels[ClampUnitSystem(system) - 1];
}

}  // namespace torven::data
