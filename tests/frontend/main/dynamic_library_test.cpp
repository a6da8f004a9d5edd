#include "frontend/main/TDynamicLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace torven::run {
namespace {

const std::string kFakeEngine = std::string(TORVEN_FAKE_ENGINE_DIR) + "/Torven2015_DLL.so";

TEST(TDynamicLibrary, MissingFileErrorNamesThePathAndTheReason) {
    TDynamicLibrary library;
    try {
        library.Load("/nonexistent-torven-dir/Torven2015_DLL.so");
        FAIL() << "loading a missing file succeeded";
    } catch (const EDLLError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("/nonexistent-torven-dir/Torven2015_DLL.so"), std::string::npos);
        EXPECT_NE(message.find("No such file"), std::string::npos) << message;
    }
    EXPECT_FALSE(library.IsLoaded());
}

TEST(TDynamicLibrary, LookupNeedsAnOpenLibrary) {
    TDynamicLibrary library;
    EXPECT_THROW(library.ProcAddress("_ITORVEN"), EDLLNotOpenError);
}

TEST(TDynamicLibrary, FindsBothEntryNamesAndAnswersNullForOthers) {
    TDynamicLibrary library;
    library.Load(kFakeEngine);
    ASSERT_TRUE(library.IsLoaded());
    auto* entry = library.Proc<int(int)>("_ITORVEN");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, library.Proc<int(int)>("ITORVEN"));
    EXPECT_EQ(entry(13), 1);
    EXPECT_EQ(library.ProcAddress("NoSuchEntry"), nullptr);

    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_THROW(library.ProcAddress("_ITORVEN"), EDLLNotOpenError);
}

// The engine keeps its state in module-level tables; a runner that analyses
// several files relies on unloading to start each run from zero.
TEST(TDynamicLibrary, EngineLeavesTheProcessWhenUnloaded) {
    const std::string engine = std::string(TORVEN_BIN_DIR) + "/Torven2015_DLL.so";
    {
        TDynamicLibrary library;
        library.Load(engine);
        ASSERT_NE(library.ProcAddress("_ITORVEN"), nullptr);
    }
    void* stillThere = dlopen(engine.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(stillThere, nullptr) << "the engine stays mapped after dlclose";
    if (stillThere != nullptr) dlclose(stillThere);
}

}  // namespace
}  // namespace torven::run
