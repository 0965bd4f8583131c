#pragma once

#include <string>

namespace platform {

// Optional helper library that keeps system keys (Windows key, Alt+Tab) from
// leaving the game; "input.dll" on Windows, input.so beside the executable
// here. The game runs the same without it: every call is then a no-op, as is
// any call whose function the library does not export.
class KeyboardHookLibrary {
public:
    // Default: input.so in executableDirectory().
    explicit KeyboardHookLibrary(std::string path = defaultPath());
    ~KeyboardHookLibrary();

    KeyboardHookLibrary(const KeyboardHookLibrary&) = delete;
    KeyboardHookLibrary& operator=(const KeyboardHookLibrary&) = delete;

    static std::string defaultPath();

    void install();
    void uninstall();
    void setEnabled(bool enabled);

    bool isLoaded() const { return handle_ != nullptr; }
    bool hasInstall() const { return install_ != nullptr; }
    bool hasUninstall() const { return uninstall_ != nullptr; }
    bool hasSetEnabled() const { return setEnabled_ != nullptr; }
    const std::string& path() const { return path_; }

private:
    using HookFunction = void (*)();
    using EnableFunction = void (*)(int);

    std::string path_;
    void* handle_ = nullptr;
    HookFunction install_ = nullptr;
    HookFunction uninstall_ = nullptr;
    EnableFunction setEnabled_ = nullptr;
};

} // namespace platform
