#pragma once

#include <memory>

class TinyActionListener;

// A lightweight timed behaviour driven only by the milliseconds fed to update(); no
// clock and no tags. Same lifecycle and ownership rules as lux::Action: owned through
// std::unique_ptr, composites own their children, listeners are never owned.
class TinyAction {
public:
    TinyAction() = default;
    TinyAction& operator=(const TinyAction&) = delete;
    virtual ~TinyAction() = default;

    virtual void update(int ms) { (void)ms; }
    virtual void start(TinyActionListener* listener, int index);
    // Halts without notifying the listener.
    virtual void stop();
    virtual std::unique_ptr<TinyAction> clone() const;

    // Runs both at once. Takes ownership of both; a parallel `first` grows in place and
    // is returned, anything else is wrapped with `other` in a new TinyParalelAction.
    // A null operand yields the other one.
    static std::unique_ptr<TinyAction> with(std::unique_ptr<TinyAction> first,
                                            std::unique_ptr<TinyAction> other);
    // Runs `next` after `first`. Same ownership rules; a sequence `first` grows in place.
    static std::unique_ptr<TinyAction> then(std::unique_ptr<TinyAction> first,
                                            std::unique_ptr<TinyAction> next);

    // running := false, then actionFinished(index) to the listener if any.
    void finish();

    bool isRunning() const { return running_; }
    int index() const { return index_; }

protected:
    // Copies the bookkeeping only; the protection keeps callers from slicing.
    TinyAction(const TinyAction&) = default;

    // Composition hooks. `self` owns this object; the defaults build a new composite.
    virtual std::unique_ptr<TinyAction> withOwned(std::unique_ptr<TinyAction> self,
                                                  std::unique_ptr<TinyAction> other);
    virtual std::unique_ptr<TinyAction> thenOwned(std::unique_ptr<TinyAction> self,
                                                  std::unique_ptr<TinyAction> next);

    TinyActionListener* listener() const { return listener_; }
    // Lets a copied container point its copied children at itself instead of at the
    // original they were cloned from.
    static void rebindListener(TinyAction& action, const TinyActionListener* from,
                               TinyActionListener* to);

private:
    int index_ = -1;
    TinyActionListener* listener_ = nullptr;
    bool running_ = false;
};
