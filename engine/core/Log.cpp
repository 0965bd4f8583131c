#include "engine/core/Log.h"

#include <iostream>

namespace {
std::ostream* logStream = nullptr;
}

std::ostream& engineLog() {
    return logStream ? *logStream : std::cout;
}

void setEngineLog(std::ostream* stream) {
    logStream = stream;
}
