#pragma once

// Whether SDL_mixer has an open output device. Loading needs one: without
// it the game runs silent and the audio classes hold nothing.
bool audioDeviceOpen();
