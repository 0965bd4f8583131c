#pragma once

#include <memory>

// The parameter block of an interpolation function.
class MathFunctionProperty {
public:
    virtual ~MathFunctionProperty() = default;
    virtual std::unique_ptr<MathFunctionProperty> clone() const = 0;
};

class MathFunctionPropertyLinear : public MathFunctionProperty {
public:
    explicit MathFunctionPropertyLinear(float factor) : factor_(factor) {}
    std::unique_ptr<MathFunctionProperty> clone() const override {
        return std::make_unique<MathFunctionPropertyLinear>(*this);
    }
    float factor() const { return factor_; }

private:
    float factor_;
};

// A callable with two arguments.
template <typename R, typename A, typename B> class IFunctor {
public:
    virtual ~IFunctor() = default;
    virtual R operator()(A a, B b) const = 0;
    virtual std::unique_ptr<IFunctor> clone() const = 0;
};

// Calls a member function of an object it does not own.
template <typename Owner, typename R, typename A, typename B>
class CustomFunctor : public IFunctor<R, A, B> {
public:
    using Method = R (Owner::*)(A, B) const;
    CustomFunctor(const Owner* owner, Method method) : owner_(owner), method_(method) {}
    R operator()(A a, B b) const override { return (owner_->*method_)(a, b); }
    std::unique_ptr<IFunctor<R, A, B>> clone() const override {
        return std::make_unique<CustomFunctor>(*this);
    }

private:
    const Owner* owner_;
    Method method_;
};

// An interpolation function: f(x) = functor(x, property), over a range.
// Keyframes carry a copy of theirs; playback itself tweens linearly.
class MathFunction {
public:
    MathFunction(std::unique_ptr<MathFunctionProperty> property,
                 std::unique_ptr<IFunctor<float, float, const MathFunctionProperty*>> functor)
        : property_(std::move(property)), functor_(std::move(functor)) {}
    virtual ~MathFunction() = default;

    virtual void setRange(float from, float to) {
        rangeFrom_ = from;
        rangeTo_ = to;
    }
    virtual float evaluate(float x) const {
        return functor_ ? (*functor_)(x, property_.get()) : 0.0f;
    }
    std::unique_ptr<MathFunction> clone() const {
        auto copy = std::make_unique<MathFunction>(property_ ? property_->clone() : nullptr,
                                                   functor_ ? functor_->clone() : nullptr);
        copy->setRange(rangeFrom_, rangeTo_);
        return copy;
    }
    float rangeFrom() const { return rangeFrom_; }
    float rangeTo() const { return rangeTo_; }

private:
    std::unique_ptr<MathFunctionProperty> property_;
    std::unique_ptr<IFunctor<float, float, const MathFunctionProperty*>> functor_;
    float rangeFrom_ = 1.0f;
    float rangeTo_ = -1.0f;
};

// factor * x: the one function the player registers (id 0).
class LinearRule {
public:
    float apply(float x, const MathFunctionProperty* property) const {
        const auto* linear = dynamic_cast<const MathFunctionPropertyLinear*>(property);
        return linear ? linear->factor() * x : x;
    }
    static std::unique_ptr<MathFunction> makeFunction(float factor);
};
