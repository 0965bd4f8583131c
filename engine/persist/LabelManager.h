#pragma once

#include <map>
#include <string>

// The table of texts the player reads, keyed by label keys ("PLAY",
// "PAUSE"), filled from the label file of the active language. Texts are kept
// as the file's bytes (UTF-8 in our files); the fonts decode them.
class LabelManager {
public:
    static constexpr const char* NotFoundPrefix = "error::label not found! -> ";

    virtual ~LabelManager() = default;

    // Replaces the table with the file's labels; false (and an empty table,
    // after one diagnostic line) when the file cannot be read.
    bool load(const std::string& path);
    // The text of the key, or the not-found text naming it.
    std::string getText(const std::string& key) const;
    bool hasText(const std::string& key) const { return labels_.count(key) != 0; }
    void clear() { labels_.clear(); }

    const std::map<std::string, std::string>& labels() const { return labels_; }

private:
    std::map<std::string, std::string> labels_;
};
