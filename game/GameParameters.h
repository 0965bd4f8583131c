#pragma once

#include <memory>
#include <set>
#include <string>

class ConfigFile;

// The screens' tuning values, read from GameParameters.cfg ("key = value"
// lines). The application loads the file at start-up; screens ask for a value
// with the fallback they use when the file or the key is missing. A
// process-wide singleton created on first use; `reset` gives tests a fresh one.
class GameParameters {
public:
    static GameParameters& instance();
    static void reset();

    ~GameParameters();
    GameParameters(const GameParameters&) = delete;
    GameParameters& operator=(const GameParameters&) = delete;

    // Reads the file; false (after one diagnostic line) when it cannot be
    // opened, and every value then falls back.
    bool load(const std::string& path);
    bool isLoaded() const { return file_ != nullptr; }
    // The integer under the key, or the fallback when it is missing (said
    // once per key when the file was read).
    int intValue(const std::string& key, int fallback) const;
    // The text under the key, or the fallback, said once like intValue.
    std::string stringValue(const std::string& key, const std::string& fallback) const;

private:
    GameParameters();
    friend struct std::default_delete<GameParameters>;

    std::unique_ptr<ConfigFile> file_;
    // Keys asked for but missing from the file, said once each.
    mutable std::set<std::string> missingSaid_;
};
