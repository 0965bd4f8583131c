#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class GameState;

// The order in which the player meets the game's screens, read from
// GameFlow.xml, with the player's position in it and the factories that
// build a screen from a type name and its attributes. A process-wide
// singleton created on first use; `reset` gives tests a fresh one.
class GameFlow {
public:
    using Attributes = std::map<std::string, std::string>;
    using Factory = std::function<std::unique_ptr<GameState>(const Attributes&)>;

    struct Entry {
        std::string type;
        // Every attribute of the entry, `type` included.
        Attributes attributes;
    };

    static GameFlow& instance();
    static void reset();

    // Appends the file's entries; false (after one diagnostic line) when the
    // file cannot be read.
    bool load(const std::string& path);
    void registerScreenType(const std::string& type, Factory factory);
    bool hasScreenType(const std::string& type) const { return factories_.count(type) != 0; }
    // Builds the main menu with the context (its "attrib") and starts it.
    void startMainMenu(const std::string& context);
    // A new screen of that type, or none when the type has no factory (or
    // the factory refuses the attributes).
    std::unique_ptr<GameState> createScreen(const std::string& type,
                                            const Attributes& attributes) const;
    // The screen at the position (after moving one on with `advance`); none
    // past the end or for a type without a factory.
    std::unique_ptr<GameState> next(bool advance);

    int position() const { return position_; }
    void setPosition(int position) { position_ = position; }
    const std::vector<Entry>& entries() const { return entries_; }

    // For factories: the named attributes must all be present; otherwise one
    // line names the entry's type and the missing one, and the answer is false.
    static bool requireAttributes(const Attributes& attributes,
                                  const std::vector<std::string>& names);
    // An attribute's value, or the fallback when the entry lacks it.
    static std::string attribute(const Attributes& attributes, const std::string& name,
                                 const std::string& fallback = "");
    // An integer attribute as C atoi reads it (non-numeric text gives 0).
    static int intAttribute(const Attributes& attributes, const std::string& name, int fallback);

private:
    std::map<std::string, Factory> factories_;
    std::vector<Entry> entries_;
    int position_ = 0;
};
