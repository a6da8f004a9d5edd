#pragma once
// Changes the process's current directory for the lifetime of the object:
// the engine finds its run file and leaves its scratch files there.
#include <filesystem>

namespace torven::run {

class ScopedCurrentDirectory {
public:
    // Throws std::filesystem::filesystem_error when the change fails.
    explicit ScopedCurrentDirectory(const std::filesystem::path& directory);
    ~ScopedCurrentDirectory();

    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace torven::run
