#include "engine/platform/KeyboardHookLibrary.h"

#include "engine/platform/FileSystem.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TemporaryDirectory.h"

#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>

// Paths of the stand-in libraries built from hooklib/input_hook.c.
#if !defined(QUILL_TEST_HOOK_LIB) || !defined(QUILL_TEST_HOOK_PARTIAL_LIB)
#error "QUILL_TEST_HOOK_LIB and QUILL_TEST_HOOK_PARTIAL_LIB must name the test hook libraries"
#endif

using platform::KeyboardHookLibrary;

namespace {

// Reads the call log of a stand-in library that KeyboardHookLibrary has
// already loaded; RTLD_NOLOAD fails if it has not.
class HookCallLog {
public:
    explicit HookCallLog(const char* path) : handle_(::dlopen(path, RTLD_NOW | RTLD_NOLOAD)) {}
    ~HookCallLog() {
        if (handle_ != nullptr) {
            ::dlclose(handle_);
        }
    }
    HookCallLog(const HookCallLog&) = delete;
    HookCallLog& operator=(const HookCallLog&) = delete;

    bool valid() const { return handle_ != nullptr; }
    std::string text() const {
        using LogFunction = const char* (*)();
        auto log = reinterpret_cast<LogFunction>(::dlsym(handle_, "hookCallLog"));
        return log != nullptr ? log() : "<no hookCallLog>";
    }

private:
    void* handle_;
};

bool isLoadedInProcess(const char* path) {
    void* handle = ::dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) {
        ::dlclose(handle);
    }
    return handle != nullptr;
}

void callEverything(KeyboardHookLibrary& library) {
    library.install();
    library.setEnabled(true);
    library.setEnabled(false);
    library.uninstall();
}

} // namespace

TEST(KeyboardHookLibrary, AbsentLibraryIsSilentAndEveryCallANoOp) {
    TemporaryDirectory dir;
    ASSERT_TRUE(dir.valid());
    StdoutCapture capture;
    KeyboardHookLibrary library(dir / "input.so");
    callEverything(library);
    EXPECT_EQ(capture.finish(), "");
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.hasInstall());
    EXPECT_FALSE(library.hasUninstall());
    EXPECT_FALSE(library.hasSetEnabled());
}

TEST(KeyboardHookLibrary, UnloadableFileGivesOneLineAndNoOps) {
    TemporaryDirectory dir;
    ASSERT_TRUE(dir.valid());
    TemporaryDirectory::writeFile(dir / "input.so", "not a shared library");
    StdoutCapture capture;
    KeyboardHookLibrary library(dir / "input.so");
    callEverything(library);
    const std::string output = capture.finish();
    EXPECT_EQ(StdoutCapture::lineCount(output), 1) << output;
    EXPECT_NE(output.find(dir / "input.so"), std::string::npos) << output;
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.hasInstall());
    EXPECT_FALSE(library.hasSetEnabled());
}

TEST(KeyboardHookLibrary, CallsReachTheLibraryInOrder) {
    KeyboardHookLibrary library(QUILL_TEST_HOOK_LIB);
    ASSERT_TRUE(library.isLoaded());
    EXPECT_TRUE(library.hasInstall());
    EXPECT_TRUE(library.hasUninstall());
    EXPECT_TRUE(library.hasSetEnabled());

    HookCallLog log(QUILL_TEST_HOOK_LIB);
    ASSERT_TRUE(log.valid());
    EXPECT_EQ(log.text(), "");
    callEverything(library);
    EXPECT_EQ(log.text(), "install;enable(1);enable(0);uninstall;");
}

TEST(KeyboardHookLibrary, MissingFunctionsAreNoOps) {
    KeyboardHookLibrary library(QUILL_TEST_HOOK_PARTIAL_LIB);
    ASSERT_TRUE(library.isLoaded());
    EXPECT_FALSE(library.hasInstall());
    EXPECT_FALSE(library.hasUninstall());
    EXPECT_TRUE(library.hasSetEnabled());

    HookCallLog log(QUILL_TEST_HOOK_PARTIAL_LIB);
    ASSERT_TRUE(log.valid());
    callEverything(library);
    EXPECT_EQ(log.text(), "enable(1);enable(0);");
}

TEST(KeyboardHookLibrary, UnloadsOnDestruction) {
    ASSERT_FALSE(isLoadedInProcess(QUILL_TEST_HOOK_LIB));
    {
        KeyboardHookLibrary library(QUILL_TEST_HOOK_LIB);
        ASSERT_TRUE(library.isLoaded());
        EXPECT_TRUE(isLoadedInProcess(QUILL_TEST_HOOK_LIB));
    }
    EXPECT_FALSE(isLoadedInProcess(QUILL_TEST_HOOK_LIB));
}

TEST(KeyboardHookLibrary, DefaultLooksForInputSoBesideTheExecutable) {
    EXPECT_EQ(KeyboardHookLibrary::defaultPath(), platform::executableDirectory() + "/input.so");
    // The build puts the stand-in library next to the test program.
    KeyboardHookLibrary library;
    EXPECT_TRUE(library.isLoaded());
    EXPECT_TRUE(std::filesystem::equivalent(library.path(), QUILL_TEST_HOOK_LIB));
}
