#include "engine/persist/FileSaveGame.h"

#include "engine/core/Log.h"
#include "engine/platform/FileSystem.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

// Backups are numbered so that a second damaged file never replaces the
// first one; the cap only guards against a loop of failing start-ups.
constexpr int MaxBackups = 99;

bool pathTaken(const std::string& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

std::string printable(const std::uint8_t* bytes, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length && i < 32; ++i) {
        const char c = static_cast<char>(bytes[i]);
        text += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    }
    return length > 32 ? text + "..." : text;
}

} // namespace

FileSaveGame::FileSaveGame(std::string path, std::string productId)
    : path_(std::move(path)), productId_(std::move(productId)) {}

FileSaveGame::~FileSaveGame() = default;

void FileSaveGame::write(const void* bytes, std::size_t length) {
    if (buffer_) {
        buffer_->write(bytes, length);
    }
}

void FileSaveGame::read(void* bytes, std::size_t length) {
    if (buffer_) {
        buffer_->read(bytes, length);
    }
}

bool FileSaveGame::save() {
    if (path_.empty()) {
        return false;
    }
    if (buffer_) {
        // An entry asked for a save while one was running: both give up.
        buffer_.reset();
        engineLog() << "save game: save requested during a save or load, nothing written"
                    << std::endl;
        return false;
    }
    buffer_ = std::make_unique<Buffer>();
    buffer_->writeUint32(static_cast<std::uint32_t>(productId_.size()));
    buffer_->write(productId_.data(), productId_.size());
    saveEntries();
    if (!buffer_) {
        return false;
    }
    const std::unique_ptr<Buffer> bytes = std::move(buffer_);
    const std::string temporary = temporaryPath();
    if (!writeFile(temporary, bytes->data(), bytes->size())) {
        engineLog() << "save game: cannot write \"" << temporary << "\", \"" << path_
                    << "\" is left as it was" << std::endl;
        if (pathTaken(temporary)) {
            platform::removeFile(temporary);
        }
        return false;
    }
    if (!platform::renameFile(temporary, path_)) {
        platform::removeFile(temporary);
        return false;
    }
    return true;
}

bool FileSaveGame::writeFile(const std::string& path, const std::uint8_t* bytes,
                             std::size_t length) {
    return platform::writeFileDurably(path, bytes, length);
}

bool FileSaveGame::load() {
    if (path_.empty() || buffer_) {
        lastError_ = path_.empty() ? "no save file path" : "a save or load is in progress";
        return false;
    }
    FILE* file = std::fopen(path_.c_str(), "rb");
    if (!file) {
        lastError_ = "cannot open the file";
        return false;
    }
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        lastError_ = "cannot read the file";
        return false;
    }
    if (static_cast<unsigned long>(size) > MaxFileSize) {
        std::fclose(file);
        lastError_ = "the file is " + std::to_string(size) + " bytes, larger than any save file";
        engineLog() << "save game: \"" << path_ << "\": " << lastError_ << std::endl;
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    if (got != bytes.size()) {
        lastError_ = "cannot read the file";
        return false;
    }
    const bool loaded = loadBytes(bytes.data(), bytes.size());
    if (!lastError_.empty()) {
        engineLog() << "save game: \"" << path_ << "\": " << lastError_ << std::endl;
    }
    return loaded;
}

bool FileSaveGame::loadBytes(const void* bytes, std::size_t length) {
    if (buffer_) {
        lastError_ = "a save or load is in progress";
        return false;
    }
    lastError_.clear();
    clearDamage();
    buffer_ = std::make_unique<Buffer>(bytes, length);
    if (length < 4) {
        lastError_ = "the file is too short for a header (" + std::to_string(length) + " bytes)";
        buffer_.reset();
        return false;
    }
    const std::uint32_t idLength = buffer_->readUint32();
    if (idLength > buffer_->remaining()) {
        lastError_ = "the header claims a product id of " + std::to_string(idLength) +
                     " bytes, but only " + std::to_string(buffer_->remaining()) + " follow";
        buffer_.reset();
        return false;
    }
    const std::uint8_t* id = buffer_->data() + buffer_->readPosition();
    if (std::string(reinterpret_cast<const char*>(id), idLength) != productId_) {
        lastError_ = "foreign product id \"" + printable(id, idLength) + "\" (expected \"" +
                     productId_ + "\")";
        buffer_.reset();
        return false;
    }
    buffer_->skip(idLength);
    loadEntries();
    if (buffer_->overrun()) {
        reportDamage("the file ends before its last entry");
    } else if (buffer_->remaining() > 0) {
        reportDamage(std::to_string(buffer_->remaining()) +
                     " bytes are left over after the last entry");
    }
    buffer_.reset();
    lastError_ = damaged() ? "damaged " + damage() : std::string();
    return true;
}

bool FileSaveGame::loadAtStartup() {
    const bool loaded = load();
    if (loaded && !damaged()) {
        return true;
    }
    if (pathTaken(path_) && !keepBackup()) {
        // Writing now would destroy the only copy of whatever the file holds.
        engineLog() << "save game: \"" << path_ << "\" is kept as it is, no backup possible"
                    << std::endl;
        return loaded;
    }
    save();
    return loaded;
}

bool FileSaveGame::keepBackup() {
    std::string target;
    for (int i = 1; i <= MaxBackups; ++i) {
        target = path_ + ".bak" + (i == 1 ? std::string() : std::to_string(i));
        if (!pathTaken(target)) {
            break;
        }
    }
    if (!platform::renameFile(path_, target)) {
        return false;
    }
    backupPath_ = target;
    engineLog() << "save game: the unreadable save file was kept as \"" << target << "\""
                << std::endl;
    return true;
}

std::string FileSaveGame::takeSetAsideNotice() {
    if (backupNoticed_ || backupPath_.empty()) {
        return {};
    }
    backupNoticed_ = true;
    return backupPath_;
}
