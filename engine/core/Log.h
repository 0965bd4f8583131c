#pragma once

#include <ostream>

// The engine's diagnostic stream (standard output unless redirected, e.g. by
// tests that check a diagnostic line).
std::ostream& engineLog();
void setEngineLog(std::ostream* stream);
