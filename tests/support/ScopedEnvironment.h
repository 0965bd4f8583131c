#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Saves the named environment variables and puts them back when it goes out of
// scope, so a test can change them freely.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(std::vector<std::string> names) {
        for (auto& name : names) {
            const char* value = std::getenv(name.c_str());
            saved_.emplace_back(std::move(name),
                                value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value) {
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    void unset(const std::string& name) { ::unsetenv(name.c_str()); }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
