#include "frontend/data/UnitLabel.h"

#include <initializer_list>

#include "frontend/data/UnitSystem.h"

namespace torven::data {

namespace {

// Replaces every occurrence of the kind's name, resuming behind each label.
void ReplaceKind(std::string& text, std::string_view name, int system) {
    const std::string_view label = KindLabel(*FindUnitKind(name), system);
    for (std::size_t pos = text.find(name); pos != std::string::npos; pos = text.find(name, pos)) {
        text.replace(pos, name.size(), label);
        pos += label.size();
    }
}

// The first listed kind found in the text, else the plain family name.
void ReplaceFirstKindOf(std::string& text, std::initializer_list<std::string_view> names,
                        std::string_view plain, int system) {
    for (std::string_view name : names) {
        if (text.find(name) != std::string::npos) {
            ReplaceKind(text, name, system);
            return;
        }
    }
    ReplaceKind(text, plain, system);
}

}  // namespace

std::string UnitLabel(std::string_view code, int system) {
    std::string text(code);
    for (std::string_view name : {"F2", "F1", "F4", "F5", "F6", "F", "L3", "L2", "L1", "L"}) {
        ReplaceKind(text, name, system);
    }
    return text;
}

std::string FieldUnitLabel(std::string_view code, int system) {
    std::string text(code);
    if (ClampUnitSystem(system) == kOtherUnits) return text;
    ReplaceFirstKindOf(text, {"F6", "F5", "F4", "F2", "F1"}, "F", system);
    ReplaceFirstKindOf(text, {"L2", "L1", "L3"}, "L", system);
    return text;
}

}  // namespace torven::data
