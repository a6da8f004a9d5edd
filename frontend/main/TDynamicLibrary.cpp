#include "frontend/main/TDynamicLibrary.h"

#include <dlfcn.h>

namespace torven::run {

TDynamicLibrary::~TDynamicLibrary() { Unload(); }

void TDynamicLibrary::Load(const std::string& path) {
    Unload();
    libraryName_ = path;
    // RTLD_LOCAL keeps the engine's symbols out of the global scope, so a
    // later load of another engine build cannot bind to this one's.
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw EDLLError("Cannot load the library " + path + ": " +
                        (reason != nullptr ? reason : "unknown loader error"));
    }
}

void TDynamicLibrary::Unload() {
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

void* TDynamicLibrary::ProcAddress(const std::string& name) const {
    if (handle_ == nullptr) throw EDLLNotOpenError();
    dlerror();  // clear a stale error so a null export is not misread
    return dlsym(handle_, name.c_str());
}

}  // namespace torven::run
