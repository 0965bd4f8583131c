#pragma once

#include <memory>

namespace lux {

class ActionListener;

// A timed behaviour advanced once a frame. It stays idle until started, runs until
// it finishes or is stopped, and may be started again. Actions are owned through
// std::unique_ptr; composites own their children, listeners are never owned.
class Action {
public:
    Action() = default;
    Action& operator=(const Action&) = delete;
    virtual ~Action() = default;

    // Advances by the given milliseconds; actions timed by the clock ignore them.
    virtual void update(int ms);
    // Re-evaluates the action against the clock.
    virtual void refresh() {}
    virtual void start(ActionListener* listener, int index);
    // Halts without notifying the listener.
    virtual void stop();
    virtual std::unique_ptr<Action> clone() const;

    // Runs both at once. Takes ownership of both; a parallel `first` grows in place and
    // is returned, anything else is wrapped with `other` in a new ParalelAction.
    // A null operand yields the other one.
    static std::unique_ptr<Action> with(std::unique_ptr<Action> first,
                                        std::unique_ptr<Action> other);
    // Runs `next` after `first`. Same ownership rules; a sequence `first` grows in place.
    static std::unique_ptr<Action> then(std::unique_ptr<Action> first,
                                        std::unique_ptr<Action> next);

    // running := false, then actionFinished(index) to the listener if any.
    void finish();
    // running := false, then actionTagFinished(index, tag) to the listener if any.
    void finishTag();

    bool isRunning() const { return running_; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    int index() const { return index_; }

protected:
    // Copies the bookkeeping only; the protection keeps callers from slicing.
    Action(const Action&) = default;

    // Composition hooks. `self` owns this object; the defaults build a new composite.
    virtual std::unique_ptr<Action> withOwned(std::unique_ptr<Action> self,
                                              std::unique_ptr<Action> other);
    virtual std::unique_ptr<Action> thenOwned(std::unique_ptr<Action> self,
                                              std::unique_ptr<Action> next);

    // How a leaf reports completion: the tag first when it has one, then the finish.
    void complete();

    ActionListener* listener() const { return listener_; }
    // Lets a copied container point its copied children at itself instead of at the
    // original they were cloned from.
    static void rebindListener(Action& action, const ActionListener* from, ActionListener* to);

private:
    int tag_ = -1;
    int index_ = -1;
    ActionListener* listener_ = nullptr;
    bool running_ = false;
};

} // namespace lux
