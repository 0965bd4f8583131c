#pragma once

#include "engine/anim/ActionListener.h"
#include "engine/anim/TinyActionListener.h"

#include <string>
#include <vector>

// Keeps every report in arrival order so tests can check both content and ordering.
class RecordingListener : public lux::ActionListener {
public:
    void actionFinished(int index) override {
        finished.push_back(index);
        log.push_back("finish " + std::to_string(index));
    }
    void actionTagFinished(int index, int tag) override {
        log.push_back("tag " + std::to_string(index) + " " + std::to_string(tag));
    }

    std::vector<int> finished;
    std::vector<std::string> log;
};

// The same for tiny actions, which have no tags.
class TinyRecordingListener : public TinyActionListener {
public:
    void actionFinished(int index) override {
        finished.push_back(index);
        log.push_back("finish " + std::to_string(index));
    }

    std::vector<int> finished;
    std::vector<std::string> log;
};
