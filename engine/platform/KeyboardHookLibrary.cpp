#include "engine/platform/KeyboardHookLibrary.h"

#include "engine/platform/FileSystem.h"

#include <dlfcn.h>
#include <iostream>
#include <sys/stat.h>
#include <utility>

namespace platform {

namespace {

// dlsym returns void*; the round trip through a function pointer of the
// exported signature is what POSIX guarantees to work.
template <typename Function> Function lookUp(void* handle, const char* name) {
    return reinterpret_cast<Function>(::dlsym(handle, name));
}

} // namespace

KeyboardHookLibrary::KeyboardHookLibrary(std::string path) : path_(std::move(path)) {
    struct stat info {};
    if (path_.empty() || ::stat(path_.c_str(), &info) != 0) {
        return; // No helper library installed: the normal case.
    }
    // Without a slash dlopen would search the library path instead of the file
    // just checked.
    const std::string openPath = path_.find('/') == std::string::npos ? "./" + path_ : path_;
    handle_ = ::dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* error = ::dlerror();
        std::cout << "platform: keyboard hook library \"" << path_
                  << "\" cannot be loaded: " << (error != nullptr ? error : "unknown error")
                  << std::endl;
        return;
    }
    install_ = lookUp<HookFunction>(handle_, "installKeyboardHook");
    uninstall_ = lookUp<HookFunction>(handle_, "uninstallKeyboardHook");
    setEnabled_ = lookUp<EnableFunction>(handle_, "setEnableKeyboardHook");
    ::dlerror(); // Missing functions are allowed; drop the pending error.
}

KeyboardHookLibrary::~KeyboardHookLibrary() {
    if (handle_ != nullptr) {
        ::dlclose(handle_);
    }
}

std::string KeyboardHookLibrary::defaultPath() {
    return executableDirectory() + "/input.so";
}

void KeyboardHookLibrary::install() {
    if (install_ != nullptr) {
        install_();
    }
}

void KeyboardHookLibrary::uninstall() {
    if (uninstall_ != nullptr) {
        uninstall_();
    }
}

void KeyboardHookLibrary::setEnabled(bool enabled) {
    if (setEnabled_ != nullptr) {
        setEnabled_(enabled ? 1 : 0);
    }
}

} // namespace platform
