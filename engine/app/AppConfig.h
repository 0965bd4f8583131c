#pragma once

#include <memory>
#include <string>

// The application's configuration: logical screen size, caption, save
// location and the drawing offset used for widescreen centring. A process-wide
// singleton created on first use; `reset` gives tests a fresh one.
class AppConfig {
public:
    static AppConfig& instance();
    static void reset();

    int width() const { return width_; }
    int height() const { return height_; }
    int bitDepth() const { return bitDepth_; }
    int offsetX() const { return offsetX_; }
    int offsetY() const { return offsetY_; }
    const std::string& caption() const { return caption_; }
    const std::string& saveFolder() const { return saveFolder_; }
    const std::string& saveFileName() const { return saveFileName_; }

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

private:
    AppConfig() = default;
    friend struct std::default_delete<AppConfig>;

    int width_ = 0;
    int height_ = 0;
    int bitDepth_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::string caption_;
    std::string saveFolder_;
    std::string saveFileName_;
};
