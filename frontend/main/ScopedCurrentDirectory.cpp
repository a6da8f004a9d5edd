#include "frontend/main/ScopedCurrentDirectory.h"

namespace torven::run {

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::filesystem::path& directory)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    std::error_code ignored;  // a destructor has nobody to tell
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace torven::run
