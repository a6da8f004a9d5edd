#pragma once
// Unit labels shown next to column captions and numeric fields.
#include <string>
#include <string_view>

namespace torven::data {

// Column rule: every kind name is replaced by its label, longer names first.
std::string UnitLabel(std::string_view code, int system);

// Field rule: one force kind and one length kind are replaced; in the
// "other" system the code itself is the label.
std::string FieldUnitLabel(std::string_view code, int system);

}  // namespace torven::data
