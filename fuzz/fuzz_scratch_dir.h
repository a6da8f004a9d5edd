#pragma once
// Every fuzz target works in a scratch directory of its own, made once per
// process, so the engine's relative file names never touch the tree.
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace torven::fuzz {

inline void enterScratchDirectory(const char* prefix) {
    std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr || ::chdir(pattern.c_str()) != 0) std::abort();
}

}  // namespace torven::fuzz
