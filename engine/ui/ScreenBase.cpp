#include "engine/ui/ScreenBase.h"

#include "engine/app/AllocationReport.h"
#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/MouseListeningWidget.h"
#include "engine/ui/WidgetManager.h"

#include <algorithm>

ScreenBase::ScreenBase(const std::string& name)
    : widgetManager_(std::make_unique<WidgetManager>(this)),
      resources_(std::make_unique<ResourceManager>()),
      inTransition_(std::make_unique<EmptyTransition>()),
      outTransition_(std::make_unique<EmptyTransition>()), name_(name) {
    const AppConfig& config = AppConfig::instance();
    offsetX_ = config.offsetX();
    offsetY_ = config.offsetY();
    widgetManager_->setOrigin(offsetX_, offsetY_);
}

bool ScreenBase::pointerPosition(int& x, int& y) const {
    GameApp* app = GameApp::instance();
    if (!app) {
        return false;
    }
    app->getMousePosition(x, y);
    return true;
}

ScreenBase::~ScreenBase() {
    engineLog() << "remove all widgets ! = " << widgets_.size() << '\n';
    for (auto& widget : widgets_) {
        widgetManager_->removeWidget(widget.get());
        widget.reset();
    }
    widgets_.clear();
    pendingRemovals_.clear();
    widgetManager_.reset();
    // The widgets drew with these textures; they are gone now.
    resources_.reset();
    inTransition_.reset();
    outTransition_.reset();
    AllocationReport::report(engineLog());
}

void ScreenBase::onKeyEvent(const KeyEvent& event) {
    widgetManager_->keyEvent(event);
}

void ScreenBase::onMouseEvent(const MouseEvent& event) {
    widgetManager_->mouseEvent(event);
}

void ScreenBase::start(GameApp& app, std::unique_ptr<GameState> self) {
    if (substitute_) {
        app.pushScreen(std::move(substitute_));
        return;
    }
    onStart();
    app.pushScreen(std::move(self));
}

void ScreenBase::onEnter(GameApp& app) {
    auto root = std::make_unique<MouseListeningWidget>(static_cast<MouseListener*>(this));
    root->setRect(WidgetRect(0, 0, root->z(), app.width(), app.height()));
    rootWidget_ = addWidget(std::move(root));
    createWidgets();
    setEnabled(true);
    phase_ = Entering;
    // No input while the screen fades in; it is switched on when shown.
    widgetManager_->setInputEnabled(false);
    if (inTransition_) {
        inTransition_->start(this, InTransitionId);
    }
}

void ScreenBase::onExit(GameApp&) {
    setEnabled(false);
}

void ScreenBase::onCovered(GameApp&) {
    setEnabled(false);
    // Buttons under the pointer drop their highlight while covered, at once:
    // a covered screen is not updated, so no fade would finish.
    widgetManager_->leavePointed();
    for (const auto& widget : widgets_) {
        widget->settle();
    }
}

void ScreenBase::onUncovered(GameApp&) {
    bringPicturesBack();
    setEnabled(true);
    widgetManager_->pointerReturned();
}

void ScreenBase::transitionFinished(int id) {
    if (id == InTransitionId) {
        showNow();
    }
}

void ScreenBase::showNow() {
    phase_ = Shown;
    widgetManager_->setInputEnabled(true);
    // Moves during the fade-in were dropped.
    widgetManager_->pointerReturned();
    onShown();
    controlsToLog_ = true;
}

template <typename Step> void ScreenBase::drawStep(Graphics& graphics, Step step) {
    graphics.pushTransform();
    graphics.translate(float(offsetX_), float(offsetY_));
    step();
    graphics.popTransform();
}

void ScreenBase::onHidden() {
    if (releasePicturesWhenHidden_ && !picturesSetAside_) {
        resources_->setTexturesAside();
        picturesSetAside_ = true;
    }
}

void ScreenBase::bringPicturesBack() {
    if (picturesSetAside_) {
        picturesSetAside_ = false;
        resources_->bringTexturesBack();
    }
}

void ScreenBase::draw(Graphics& graphics) {
    // Shown again while still covered (the screen above stopped covering).
    bringPicturesBack();
    Transition* running = phase_ == Entering  ? inTransition_.get()
                          : phase_ == Leaving ? outTransition_.get()
                                              : nullptr;
    if (running) {
        drawStep(graphics, [&] { running->preDraw(graphics); });
    }
    drawStep(graphics, [&] { drawBackground(graphics); });
    drawStep(graphics, [&] { widgetManager_->render(graphics, this); });
    drawStep(graphics, [&] { drawForeground(graphics); });
    if (running) {
        drawStep(graphics, [&] { running->postDraw(graphics); });
    }
}

void ScreenBase::update(int elapsedMs) {
    widgetManager_->update(elapsedMs, this);
    // Listed once input reaches the widgets: from the next event on.
    if (controlsToLog_ && widgetManager_->isInputEnabled() && !widgetManager_->listChanged()) {
        controlsToLog_ = false;
        logControls();
    }

    for (Widget* widget : pendingRemovals_) {
        engineLog() << "safe widget in list to delete =" << static_cast<const void*>(widget)
                    << '\n';
    }
    while (!pendingRemovals_.empty()) {
        Widget* widget = pendingRemovals_.back();
        pendingRemovals_.pop_back();
        auto it = std::find_if(widgets_.begin(), widgets_.end(),
                               [widget](const auto& owned) { return owned.get() == widget; });
        if (it != widgets_.end()) {
            widgets_.erase(it);
        }
    }

    onUpdate(elapsedMs);

    if (phase_ == Entering) {
        if (inTransition_ && inTransition_->isRunning()) {
            inTransition_->update(elapsedMs);
        } else {
            showNow();
        }
    } else if (phase_ == Leaving) {
        if (outTransition_ && outTransition_->isRunning()) {
            outTransition_->update(elapsedMs);
        } else {
            phase_ = Shown;
            onClosed(exitCode_);
        }
    }
}

bool ScreenBase::coversWindow() const {
    const GLTexture* picture = backdrop();
    const AppConfig& config = AppConfig::instance();
    return picture && picture->hasGLTexture() && picture->isOpaque() &&
           picture->imageWidth() >= config.width() && picture->imageHeight() >= config.height();
}

void ScreenBase::releaseGpuResources() {
    resources_->releaseAll(ResourceManager::Fonts | ResourceManager::Textures);
}

void ScreenBase::restoreGpuResources() {
    resources_->reloadAll(ResourceManager::Fonts | ResourceManager::Textures);
}

void ScreenBase::adoptWidget(std::unique_ptr<Widget> widget) {
    if (!widget) {
        return;
    }
    Widget* raw = widget.get();
    widgets_.push_back(std::move(widget));
    widgetManager_->addWidget(raw);
}

std::unique_ptr<Widget> ScreenBase::removeWidget(Widget* widget) {
    auto it = std::find_if(widgets_.begin(), widgets_.end(),
                           [widget](const auto& owned) { return owned.get() == widget; });
    if (it == widgets_.end()) {
        return nullptr;
    }
    widgetManager_->removeWidget(widget);
    std::unique_ptr<Widget> owned = std::move(*it);
    widgets_.erase(it);
    pendingRemovals_.erase(std::remove(pendingRemovals_.begin(), pendingRemovals_.end(), widget),
                           pendingRemovals_.end());
    if (rootWidget_ == widget) {
        rootWidget_ = nullptr;
    }
    return owned;
}

void ScreenBase::deleteWidget(Widget* widget) {
    removeWidget(widget);
}

void ScreenBase::safeRemoveWidget(Widget* widget) {
    if (!widget) {
        return;
    }
    if (std::find(pendingRemovals_.begin(), pendingRemovals_.end(), widget) !=
        pendingRemovals_.end()) {
        return;
    }
    widgetManager_->markListChanged();
    widgetManager_->removeWidget(widget);
    widgetManager_->clearPointed();
    pendingRemovals_.push_back(widget);
    if (rootWidget_ == widget) {
        rootWidget_ = nullptr;
    }
    engineLog() << "safe remove widget = " << static_cast<const void*>(widget) << '\n';
}

void ScreenBase::enterAgain() {
    phase_ = Entering;
    widgetManager_->setInputEnabled(false);
    if (inTransition_) {
        inTransition_->start(this, InTransitionId);
    } else {
        showNow();
    }
}

void ScreenBase::close(int exitCode, bool disableInput) {
    phase_ = Leaving;
    if (disableInput) {
        widgetManager_->setInputEnabled(false);
    }
    exitCode_ = exitCode;
    if (outTransition_) {
        outTransition_->start(this, OutTransitionId);
    }
}

void ScreenBase::setInTransition(std::unique_ptr<Transition> transition) {
    inTransition_ = std::move(transition);
}

void ScreenBase::setOutTransition(std::unique_ptr<Transition> transition) {
    outTransition_ = std::move(transition);
}

void ScreenBase::setSubstitute(std::unique_ptr<GameState> substitute) {
    substitute_ = std::move(substitute);
}

void ScreenBase::relayout() {
    GameApp* app = GameApp::instance();
    if (rootWidget_ && app) {
        rootWidget_->setBounds(0, 0, app->width(), app->height());
    }
}

void ScreenBase::setOffset(int x, int y) {
    offsetX_ = x;
    offsetY_ = y;
    widgetManager_->setOrigin(x, y);
}

bool ScreenBase::dialogMove(PlayerMove& move, int answer) const {
    for (const auto& widget : widgets_) {
        const auto* dialog = dynamic_cast<const MessageDialogSimple*>(widget.get());
        if (dialog && widgetManager_->contains(dialog)) {
            move = dialog->suggestAnswer(answer);
            return true;
        }
    }
    return false;
}

PlayerMove ScreenBase::clickOn(const Widget* widget, const std::string& what) const {
    if (!widget || phase_ != Shown || !widgetManager_->contains(widget) || !widget->isEnabled() ||
        !widget->isVisible()) {
        return PlayerMove::wait();
    }
    return PlayerMove::click(widget->name().empty() ? what : widget->name(),
                             offsetX_ + widget->x() + widget->width() / 2,
                             offsetY_ + widget->y() + widget->height() / 2, widget->width() / 4,
                             widget->height() / 4);
}

void ScreenBase::logControls() const {
    for (const auto& widget : widgets_) {
        if (widget->name().empty() || !widgetManager_->contains(widget.get())) {
            continue;
        }
        engineLog() << "Control \"" << widget->name() << "\" at "
                    << offsetX_ + widget->x() + widget->width() / 2 << ','
                    << offsetY_ + widget->y() + widget->height() / 2 << " (" << widget->width()
                    << 'x' << widget->height() << (widget->isEnabled() ? ")" : ", disabled)")
                    << '\n';
    }
}
