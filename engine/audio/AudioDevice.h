#pragma once

// Whether SDL_mixer has an open output device. Loading needs one: without
// it the game runs silent and the audio classes hold nothing.
bool audioDeviceOpen();

#include <string>

// Says in a line when a music file that SDL_mixer opened is cut short, so
// that it would play only in part (SDL_mixer opens such files silently).
void reportCutShortMusic(const std::string& path);
