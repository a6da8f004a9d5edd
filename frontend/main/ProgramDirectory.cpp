#include "frontend/main/ProgramDirectory.h"

namespace torven::run {

std::filesystem::path ProgramDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace torven::run
