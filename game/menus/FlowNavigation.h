#pragma once

#include <string>

class QuillButton;
class QuillButtonListener;
class ResourceManager;
class ScreenBase;

// What the narrative screens do once they have closed and popped themselves.
namespace flow_navigation {

// Moves the game flow on by one and starts that screen, saving the new
// position at once. Where the flow meets a type that cannot be built (yet),
// the player goes to the main menu built with `contextWhenNone`, and Play
// there says so.
void startNextScreen(const std::string& contextWhenNone);

// A main menu built with the context ("fromStory", "fromCredits", ...).
void startMainMenu(const std::string& context);

// For a narrative screen whose out-transition has ended: pops it, then starts
// the main menu built with `context` (toMenu) or the flow's next screen.
void leave(bool toMenu, const std::string& context);

// The MENU (id 0) and SKIP (id 1) buttons of the slide shows, at the bottom
// corners of the 1024 x 768 screen, drawn with the button picture registered
// under `textureKey` in `resources`. Returns the SKIP button.
enum SlideButton { MenuButton = 0, SkipButton = 1 };
QuillButton* addMenuAndSkip(ScreenBase& screen, QuillButtonListener* listener,
                            ResourceManager& resources, const std::string& textureKey);

} // namespace flow_navigation
