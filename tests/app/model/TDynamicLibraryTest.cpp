#include "model/EDLLNotOpenError.hpp"
#include "model/EFileNotFoundError.hpp"
#include "model/EInitError.hpp"
#include "model/TDynamicLibrary.hpp"

#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace orvane {
namespace {

bool loaded(const std::string& path)
{
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) ::dlclose(handle);
    return handle != nullptr;
}

TEST(TDynamicLibrary, OpensLooksUpAndReleases)
{
    TDynamicLibrary library;
    EXPECT_FALSE(library.isOpen());
    EXPECT_EQ(library.fileName(), "");
    library.setFileName(FAKE_ENGINE);
    library.open();
    ASSERT_TRUE(library.isOpen());
    EXPECT_TRUE(loaded(FAKE_ENGINE));
    library.open();  // already open: nothing happens
    EXPECT_NE(library.entry("_IORVANE"), nullptr);
    EXPECT_EQ(library.entry("NO_SUCH_ENTRY"), nullptr);
    library.setFileName(FAKE_ENGINE_REFUSING);
    EXPECT_FALSE(library.isOpen());
    EXPECT_FALSE(loaded(FAKE_ENGINE));
}

TEST(TDynamicLibrary, AnEntryOfAClosedLibraryIsAnError)
{
    TDynamicLibrary library;
    try {
        library.entry("_IORVANE");
        ADD_FAILURE();
    } catch (const EDLLNotOpenError& e) {
        EXPECT_STREQ(e.what(), "Library is not open");
    }
}

TEST(TDynamicLibrary, AMissingLibraryLeavesTheObjectClosed)
{
    TDynamicLibrary library;
    library.setFileName("/nonexistent/libOrvaneEngine.so");
    EXPECT_NO_THROW(library.open());
    EXPECT_FALSE(library.isOpen());
    EXPECT_NE(library.lastError().find("libOrvaneEngine.so"), std::string::npos);
}

TEST(TDynamicLibrary, AMissingDependencyIsFileNotFound)
{
    TestFolder folder;
    const auto alone = folder.path() / "libalone.so";
    std::filesystem::copy_file(FAKE_ENGINE_DEPENDENT, alone);
    TDynamicLibrary library;
    library.setFileName(alone.string());
    try {
        library.open();
        ADD_FAILURE();
    } catch (const EFileNotFoundError& e) {
        EXPECT_STREQ(e.what(), "Library could not be located");
    }
    EXPECT_FALSE(library.isOpen());
    // Beside its dependency the same library loads.
    library.setFileName(FAKE_ENGINE_DEPENDENT);
    library.open();
    EXPECT_TRUE(library.isOpen());
}

TEST(TDynamicLibrary, UnresolvedSymbolsAreAnInitialisationError)
{
    TDynamicLibrary library;
    library.setFileName(FAKE_ENGINE_UNBOUND);
    try {
        library.open();
        ADD_FAILURE();
    } catch (const EInitError& e) {
        EXPECT_STREQ(e.what(), "Library failed to properly initialize");
    }
    EXPECT_FALSE(library.isOpen());
}

}  // namespace
}  // namespace orvane
