#pragma once

#include "engine/app/InputEvents.h"

// Raw mouse input of a screen: the clicks no other widget took.
class MouseListener {
public:
    virtual ~MouseListener() = default;
    virtual void mousePressed(const MouseEvent& event) = 0;
    virtual void mouseMoved(const MouseEvent& event) = 0;
    virtual void mouseReleased(const MouseEvent& event) = 0;
};

// Notifications of buttons and clickable images: (id, code) with the codes below.
enum ButtonEventCode {
    ButtonPressed = 0,
    ButtonClicked = 1,
    ButtonEntered = 2,
    ButtonLeft = 3,
    ButtonDropped = 4
};

class ButtonListener {
public:
    virtual ~ButtonListener() = default;
    virtual void buttonPressed(int id) = 0;
    virtual void buttonClicked(int id) = 0;
};

class QuillButtonListener {
public:
    virtual ~QuillButtonListener() = default;
    virtual void buttonEvent(int id, int code) = 0;
};

class SimpleButtonListener {
public:
    virtual ~SimpleButtonListener() = default;
    virtual void buttonEvent(int id, int code) = 0;
};
