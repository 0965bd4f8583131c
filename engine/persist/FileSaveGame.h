#pragma once

#include "engine/persist/Buffer.h"
#include "engine/persist/SaveGame.h"

#include <cstdint>
#include <memory>
#include <string>

// The save game as one binary file: a header naming the product (its length
// as 4 bytes, then its characters), then the entries' bytes. Saving writes a
// temporary file beside the save file and renames it over the old one, so an
// interrupted save never leaves a half-written file behind.
class FileSaveGame : public SaveGame {
public:
    // Larger files are not ours; refusing them keeps a load's memory bounded.
    static constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

    FileSaveGame(std::string path, std::string productId);
    ~FileSaveGame() override;

    // False when nothing was written (empty path, a save or load already in
    // progress, or the file could not be written); the old file then stands.
    bool save() override;
    // False for a missing, unreadable or foreign file, with every entry left
    // as it was. A file whose header matches loads (true) even when its
    // entries turn out damaged; `damaged` tells.
    bool load() override;
    // The same check and reading on bytes already in memory.
    bool loadBytes(const void* bytes, std::size_t length);
    // The start-up path: loads, and when that fails or the file is damaged,
    // keeps the old file as a backup beside it and writes the current values
    // at once. Returns what `load` returned.
    bool loadAtStartup();

    void write(const void* bytes, std::size_t length) override;
    void read(void* bytes, std::size_t length) override;
    std::size_t remaining() const override { return buffer_ ? buffer_->remaining() : 0; }
    std::size_t readOffset() const override { return buffer_ ? buffer_->readPosition() : 0; }

    const std::string& path() const { return path_; }
    const std::string& productId() const { return productId_; }
    std::string temporaryPath() const { return path_ + ".tmp"; }
    // Why the last load failed, or where its file was damaged; empty after a
    // clean load.
    const std::string& lastError() const { return lastError_; }
    // Where the last backup went; empty when none was made.
    const std::string& backupPath() const { return backupPath_; }
    std::string takeSetAsideNotice() override;

protected:
    // Writes the bytes as the whole file; false when any part failed.
    virtual bool writeFile(const std::string& path, const std::uint8_t* bytes, std::size_t length);

private:
    bool keepBackup();

    std::string path_;
    std::string productId_;
    std::unique_ptr<Buffer> buffer_;
    std::string lastError_;
    std::string backupPath_;
    bool backupNoticed_ = false;
};
