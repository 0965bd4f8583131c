#pragma once

namespace lux {

// Receives completion reports from the actions it starts.
class ActionListener {
public:
    virtual ~ActionListener() = default;

    // The action started with this index has completed.
    virtual void actionFinished(int index) = 0;

    // A tagged action completed; reported just before actionFinished.
    virtual void actionTagFinished(int index, int tag) {
        (void)index;
        (void)tag;
    }
};

} // namespace lux
