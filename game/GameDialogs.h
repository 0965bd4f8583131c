#pragma once

#include "engine/ui/ButtonStyle.h"
#include "engine/ui/MessageDialogDesc.h"

#include <memory>
#include <string>

class Font;
class QuillButton;
class QuillButtonListener;

// The game's message dialog: the parchment window centred on the game with
// its opening and closing animations, serif text, the title centred, and
// two standard buttons side by side near its foot. Texts are already in the
// player's language; (offsetX, offsetY) is the showing screen's drawing offset.
MessageDialogDesc parchmentDialogDesc(const std::string& title, const std::string& message,
                                      const std::string& firstLabel, const std::string& secondLabel,
                                      int offsetX, int offsetY);

// The burgundy-framed button of the parchment dialogs (128 x 64 pictures):
// ink label, burgundy while the pointer is over it, greyed when disabled.
// The label takes the smaller serif when the usual one would not fit the
// button's cream plate (long translations such as "Abbrechen").
ButtonStyle parchmentButtonStyle(const GLTexture* base, const std::string& label);
std::unique_ptr<QuillButton> makeParchmentButton(QuillButtonListener* listener, int id,
                                                 const GLTexture* base, const std::string& label);
// The serif for a label on the button's plate.
const Font* parchmentButtonFont(const std::string& label);
// The colours of text on parchment.
Color parchmentInk();
Color parchmentTitle();
