#pragma once
// Run-time loader for the engine library: one library per object, released
// when the object goes, so every run starts the engine from a fresh load.
#include <stdexcept>
#include <string>

namespace torven::run {

class EDLLError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EDLLNotOpenError : public EDLLError {
public:
    EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary();

    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Loads the library at path, unloading any library held before. Throws
    // EDLLError carrying the loader's own explanation when that fails.
    void Load(const std::string& path);
    void Unload();
    bool IsLoaded() const { return handle_ != nullptr; }
    const std::string& LibraryName() const { return libraryName_; }

    // Address of an exported symbol, or null when there is no such export.
    // Throws EDLLNotOpenError when nothing is loaded.
    void* ProcAddress(const std::string& name) const;

    template <typename Function>
    Function* Proc(const std::string& name) const {
        return reinterpret_cast<Function*>(ProcAddress(name));
    }

private:
    std::string libraryName_;
    void* handle_ = nullptr;
};

}  // namespace torven::run
