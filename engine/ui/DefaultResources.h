#pragma once

#include <string>

class Font;
class GLTexture;

// The application-wide font or texture registered under a key; null when no
// application runs or nothing is registered under the key. Widgets take their
// default looks from here; their creators may hand over others.
Font* applicationFont(const std::string& key);
GLTexture* applicationTexture(const std::string& key);
// The application's text for a label key; the key itself when no application runs.
std::string applicationLabel(const std::string& key);
