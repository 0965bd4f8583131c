#include "engine/anim/MathFunction.h"

std::unique_ptr<MathFunction> LinearRule::makeFunction(float factor) {
    // The rule has no state: one shared instance serves every copy.
    static const LinearRule rule;
    return std::make_unique<MathFunction>(
        std::make_unique<MathFunctionPropertyLinear>(factor),
        std::make_unique<CustomFunctor<LinearRule, float, float, const MathFunctionProperty*>>(
            &rule, &LinearRule::apply));
}
