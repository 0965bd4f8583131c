#pragma once

class Graphics;

class TransitionListener {
public:
    virtual ~TransitionListener() = default;
    virtual void transitionFinished(int id) = 0;
};

// How a screen enters or leaves. `start` runs it; when it is over it tells
// its listener the id it was started with.
class Transition {
public:
    virtual ~Transition() = default;
    virtual void preDraw(Graphics& /*graphics*/) {}
    virtual void postDraw(Graphics& /*graphics*/) {}
    virtual void update(int /*elapsedMs*/) {}

    void start(TransitionListener* listener, int id);
    bool isRunning() const { return running_; }

protected:
    virtual void begin() {}
    void finished();

    bool running_ = false;
    TransitionListener* listener_ = nullptr;
    int id_ = 0;
};

// Finishes the moment it begins.
class EmptyTransition : public Transition {
protected:
    void begin() override;
};
