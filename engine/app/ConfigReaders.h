#pragma once

#include "engine/graphics/Types.h"

#include <string>

// Readers of the small value texts in data files.

// "Color(r,g,b,a)": exactly four numbers between the first "(" and the first
// ")"; anything else is opaque white.
Color parseColor(const std::string& text);

// "Rect(x,y,width,height)": exactly four numbers; anything else is the empty
// rectangle (depth 0).
WidgetRect parseRect(const std::string& text);

// True exactly for "1", "true" and "yes".
bool parseBool(const std::string& text);
