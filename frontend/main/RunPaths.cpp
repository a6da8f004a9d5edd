#include "frontend/main/RunPaths.h"

namespace torven::run {

RunPaths RunPathsFor(const std::filesystem::path& dataFile) {
    const auto data = std::filesystem::absolute(dataFile).lexically_normal();
    auto withExtension = [&data](const char* extension) {
        return std::filesystem::path(data).replace_extension(extension);
    };
    return {data, withExtension(".tv5o"), withExtension(".tv5p"), withExtension(".tv5r")};
}

}  // namespace torven::run
