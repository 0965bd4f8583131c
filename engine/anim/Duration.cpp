#include "engine/anim/Duration.h"

#include "engine/anim/ActionClock.h"

namespace lux {

void Duration::begin() {
    start_ = clockNow();
    manualElapsed_ = 0;
}

void Duration::advance(int ms) {
    manual_ = true;
    manualElapsed_ += ms;
}

int Duration::elapsed() const {
    if (manual_) {
        return manualElapsed_;
    }
    return static_cast<int>(clockNow() - start_);
}

} // namespace lux
