#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The engine's only file-system calls; everything else goes through these.
// Paths use '/' separators. Failures print one line on stdout.
namespace platform {

// Folder for per-user application data, without a trailing slash: APPDATA
// (as on Windows), else XDG_DATA_HOME, else $HOME/.local/share; empty values
// count as unset. "." when not even HOME is known.
std::string userFolder();

// Creates every missing level of `path` with mode 0755. True when the whole
// path exists as a directory afterwards.
bool makeDirectories(const std::string& path);

// True for a regular file this process may read.
bool fileExists(const std::string& path);

bool directoryExists(const std::string& path);

// Removes a file (not a directory). False when nothing was removed.
bool removeFile(const std::string& path);

// Writes the bytes as the whole file and flushes them to the disk before it
// returns, so that a rename over an older file can never expose an empty one
// after a power cut. False (after one line) when any part failed.
bool writeFileDurably(const std::string& path, const void* bytes, std::size_t length);

// Moves `from` over `to`, replacing it atomically: a reader sees either the old
// or the new file, never a partial one. Both must be on the same file system.
// The folder is flushed afterwards, so the new name itself survives a power cut.
bool renameFile(const std::string& from, const std::string& to);

// The regular files under the folder and its subfolders, as paths relative
// to it, sorted; empty when there is no such folder.
std::vector<std::string> filesUnder(const std::string& folder);

// Folder holding the running executable; "." when it cannot be found.
std::string executableDirectory();

// The working folder, absolute; "." when it cannot be read.
std::string currentDirectory();

// Makes `path` the working folder. False (after one line) when it cannot.
bool changeDirectory(const std::string& path);

} // namespace platform
