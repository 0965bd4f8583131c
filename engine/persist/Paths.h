#pragma once

#include <string>

// Path text operations shared by the save game, screenshots and the data-file
// readers, and the user paths built from a save folder name (the
// configuration's). Paths use '/'.
namespace paths {

// The per-user application-data folder (APPDATA, with the platform's
// fallbacks when it is unset), without a trailing slash.
std::string userFolder();
// Creates every level of the path; true when it exists as a directory.
bool makeDirectories(const std::string& path);

// User folder + "/" + the save folder (the user folder itself for none).
std::string saveDirectory(const std::string& saveFolder);
// Save directory + "/" + the save file name.
std::string saveFilePath(const std::string& saveFolder, const std::string& saveFileName);
// Save directory + "/ScreenShots/".
std::string screenshotDirectory(const std::string& saveFolder);

// Removes trailing '/' characters; "/" itself stays.
std::string withoutTrailingSlash(const std::string& path);
// Appends a '/' when missing; empty stays empty.
std::string withTrailingSlash(const std::string& path);
// The text after the last '.' when that comes after the last '/', else empty.
std::string extension(const std::string& path);
std::string withoutExtension(const std::string& path);
// The text after the last '/' (all of it when there is none).
std::string fileName(const std::string& path);
// The text up to and including the last '/' (empty when there is none).
std::string directoryOf(const std::string& path);
// Drops every "." segment and every ".." segment with the segment before it.
// A ".." with nothing before it to drop is kept in a relative path (it
// leads out of the starting folder) and dropped at the root of an absolute one.
std::string normalisePath(const std::string& path);

} // namespace paths
