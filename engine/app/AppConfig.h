#pragma once

#include <memory>
#include <string>
#include <vector>

// The application's configuration, read from config.xml: logical screen size,
// caption, save location, languages, logo screens, mouse cursors, volumes.
// Plain data: the application applies what it says. A process-wide singleton
// created on first use; `reset` gives tests a fresh one.
class AppConfig {
public:
    struct LogoScreen {
        std::string type;
        std::string folder;
        std::string fileName;
    };
    struct Cursor {
        int id = 0;
        std::string imageFile;
    };
    struct Language {
        std::string code;
        std::string labels;
        std::string flag;
        // The language's name in itself ("Deutsch"); the code without one.
        std::string name;
    };
    enum FullscreenMode { ModeUnset = -1, ModeAuto = 0, ModeWindowed = 1, ModeFullScreen = 2 };

    static AppConfig& instance();
    static void reset();

    // Reads config.xml. A file that cannot be read or parsed leaves every
    // value as it was and returns false after one diagnostic line.
    bool load(const std::string& path);

    int width() const { return width_; }
    int height() const { return height_; }
    int bitDepth() const { return bitDepth_; }
    int offsetX() const { return offsetX_; }
    int offsetY() const { return offsetY_; }
    const std::string& caption() const { return caption_; }
    const std::string& saveFolder() const { return saveFolder_; }
    const std::string& saveFileName() const { return saveFileName_; }
    const std::string& creditsFileName() const { return creditsFileName_; }
    const std::string& activeLanguage() const { return activeLanguage_; }
    const std::string& labelsFile() const { return labelsFile_; }
    const std::string& startingLanguage() const { return startingLanguage_; }
    const std::string& cursorFolder() const { return cursorFolder_; }
    const std::string& surveyUrl() const { return surveyUrl_; }
    int soundVolume() const { return soundVolume_; }
    int musicVolume() const { return musicVolume_; }
    int fullscreenMode() const { return fullscreenMode_; }
    int versionMajor() const { return versionMajor_; }
    int versionMinor() const { return versionMinor_; }
    const std::vector<LogoScreen>& logoScreens() const { return logoScreens_; }
    const std::vector<Cursor>& cursors() const { return cursors_; }
    const std::vector<Language>& languages() const { return languages_; }

    void setLogoScreens(std::vector<LogoScreen> screens) { logoScreens_ = std::move(screens); }
    void setScreenResolution(int width, int height, int bitDepth) {
        width_ = width;
        height_ = height;
        bitDepth_ = bitDepth;
    }
    void setOffset(int x, int y) {
        offsetX_ = x;
        offsetY_ = y;
    }
    void setCaption(const std::string& caption) { caption_ = caption; }
    void setSaveLocation(const std::string& folder, const std::string& fileName) {
        saveFolder_ = folder;
        saveFileName_ = fileName;
    }

    // The path of cursor `index`'s picture: the folder and the file name
    // joined as they stand. Empty for an index outside the list.
    std::string cursorPath(int index) const;

    // The code of language `index`, or "EN" outside the list.
    std::string languageCode(int index) const;
    // Makes the listed language with that code the active one (its code and
    // label file); false, with nothing changed, for the current or an
    // unlisted code. The application reloads its labels (`GameApp::selectLanguage`).
    bool selectLanguage(const std::string& code);
    // The same by list position; false outside the list.
    bool selectLanguageByIndex(int index);

private:
    AppConfig() = default;
    friend struct std::default_delete<AppConfig>;

    void applyLanguage(const Language& language);

    int width_ = 0;
    int height_ = 0;
    int bitDepth_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::string caption_;
    std::string saveFolder_;
    std::string saveFileName_;
    std::string creditsFileName_;
    std::string activeLanguage_;
    std::string labelsFile_;
    std::string startingLanguage_;
    std::string cursorFolder_;
    std::string surveyUrl_;
    int soundVolume_ = 75;
    int musicVolume_ = 50;
    int fullscreenMode_ = ModeUnset;
    int versionMajor_ = 1;
    int versionMinor_ = 0;
    std::vector<LogoScreen> logoScreens_;
    std::vector<Cursor> cursors_;
    std::vector<Language> languages_;
};
