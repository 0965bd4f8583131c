#include "engine/app/Transition.h"

void Transition::start(TransitionListener* listener, int id) {
    listener_ = listener;
    id_ = id;
    running_ = true;
    begin();
}

void Transition::finished() {
    running_ = false;
    if (listener_) {
        listener_->transitionFinished(id_);
    }
}

void EmptyTransition::begin() {
    finished();
}
