#pragma once

// Receives completion reports from the tiny actions it starts.
class TinyActionListener {
public:
    virtual ~TinyActionListener() = default;

    // The action started with this index has completed.
    virtual void actionFinished(int index) = 0;
};
