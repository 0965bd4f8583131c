#pragma once

#include <string>

class AppConfig;

// Which of the configured languages the game speaks: the one the player chose
// in the game (kept in a small file of its own beside the save file), else
// the desktop's when the game has it, else the configuration's starting one.
namespace language_choice {

// The file that keeps the player's choice, in the save folder.
constexpr const char* FileName = "language.cfg";

// The language part of a POSIX locale name in upper case: "DE" for
// "de_DE.UTF-8", "de" or "de_AT@euro"; empty for "C", "POSIX" and "".
std::string codeOfLocale(const std::string& locale);

// The locale the desktop asks programs to speak, as the C library picks the
// one for messages: LC_ALL, else LC_MESSAGES, else LANG (the first that is
// set and not empty); empty when none is.
std::string desktopLocale();

// The choice file's path for the configuration's save folder.
std::string choicePath(const AppConfig& config);

// The code of the configured language to start in. A choice file that cannot
// be read as a configured language's code is passed over with a line.
std::string startingCode(const AppConfig& config, const std::string& choiceFile);

// The file of the language's own, named as the scene files are: "slides.xml"
// is "slidesDE.xml" in German. English, and a language without its own file,
// read the file itself.
std::string localisedFile(const std::string& path, const std::string& language);

// Keeps the choice for the next starts, written aside and renamed over the
// old file as the save file is. False (after a line) when it cannot be.
bool remember(const std::string& choiceFile, const std::string& code);

} // namespace language_choice
