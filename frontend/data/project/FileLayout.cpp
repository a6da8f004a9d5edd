#include "frontend/data/project/FileLayout.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace torven::data {

FileLayout LayoutOfVariant(int variant) {
    switch (std::clamp(variant, kCurrentVariant, kVariantCount)) {
        case 1: return {};
        case 2: return {.tiebackCount = false};
        case 3: return {.meiCount = false, .tiebackCount = false};
        default:
            return {.numStages = false,
                    .meiCount = false,
                    .tiebackCount = false,
                    .oldSoilForm = true,
                    .longTermCode = false};
    }
}

FileLayout StageLayout(bool hasMEICount, bool hasTiebackCount) {
    return {.meiCount = hasMEICount, .tiebackCount = hasTiebackCount};
}

int VariantForFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return std::tolower(c); });
    if (extension == ".tvd") return 3;
    if (extension == ".tv4d") return 2;
    return kCurrentVariant;
}

}  // namespace torven::data
