// Typing into a text field through the application's real key path: SDL key
// events with their unicode field, translated and sent to the focused widget.
#include "engine/ui/TextInputWidget.h"
#include "engine/audio/SfxContainer.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/CountingSound.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct RecordingTextListener : TextInputListener {
    void onTextChanged(const std::string& text, int id) override {
        reportedText_ = text;
        changes.emplace_back(text, id);
    }
    std::vector<std::pair<std::string, int>> changes;
};

const std::string EDiaeresis = "\xC3\xAB"; // ë
const std::string ZheLetter = "\xD0\x96";  // Ж, beyond Latin-1

class TextInputWidgetTest : public WidgetScreenFixture {
protected:
    TextInputWidget* addField(const std::string& text, int maxLength,
                              bool clearOnFirstClick = false) {
        auto owned =
            std::make_unique<TextInputWidget>(text, &listener, maxLength, clearOnFirstClick);
        owned->setFont(&font);
        owned->setListener(&listener, 42);
        owned->setBounds(100, 100, 200, 30);
        field = add(std::move(owned));
        return field;
    }
    void clickField() {
        app->pushClick(150, 110);
        app->step();
    }
    void key(int sym, int unicode, int modifiers = 0) {
        input().typeKey(sym, unicode, modifiers);
        app->step();
    }
    void backspace() { key(SDLK_BACKSPACE, '\b'); }

    FixedWidthFont font;
    RecordingTextListener listener;
    TextInputWidget* field = nullptr;
};

TEST_F(TextInputWidgetTest, TypedLettersAreStoredAsUtf8AndBackspaceRemovesWholeCharacters) {
    addField("", 16);
    clickField();
    key(SDLK_z, 'Z', KMOD_LSHIFT);
    key(SDLK_o, 'o');
    key(SDLK_e, 0xEB); // ë: its unicode does not fit the one-byte character field
    EXPECT_EQ(field->text(), "Zo" + EDiaeresis);
    EXPECT_EQ(field->length(), 3);
    EXPECT_EQ(field->cursorIndex(), 3) << "counted in characters";
    ASSERT_EQ(listener.changes.size(), 3u);
    EXPECT_EQ(listener.changes[2], std::make_pair("Zo" + EDiaeresis, 42));
    EXPECT_EQ(listener.reportedText(), "Zo" + EDiaeresis);

    backspace();
    EXPECT_EQ(field->text(), "Zo") << "both bytes of the letter go";
    EXPECT_EQ(field->cursorIndex(), 2);

    key(SDLK_a, 0x0416);
    EXPECT_EQ(field->text(), "Zo" + ZheLetter);
    key(SDLK_LEFT, 0);
    backspace();
    EXPECT_EQ(field->text(), "Z" + ZheLetter) << "the character before the cursor";
    EXPECT_EQ(field->cursorIndex(), 1);
    key(SDLK_u, 0xFC); // ü
    EXPECT_EQ(field->text(), "Z\xC3\xBC" + ZheLetter) << "inserted at the cursor";
    EXPECT_EQ(field->cursorIndex(), 2);
    key(SDLK_RIGHT, 0);
    backspace();
    backspace();
    EXPECT_EQ(field->text(), "Z");
    EXPECT_EQ(listener.changes.back().first, "Z");
}

TEST_F(TextInputWidgetTest, LengthLimitCountsCharactersNotBytes) {
    addField("", 3);
    clickField();
    key(SDLK_e, 0xEB);
    key(SDLK_a, 0x0416);
    key(SDLK_e, 0xEB);
    EXPECT_EQ(field->text(), EDiaeresis + ZheLetter + EDiaeresis);
    key(SDLK_x, 'x');
    EXPECT_EQ(field->length(), 3);
    EXPECT_EQ(listener.changes.size(), 3u) << "a refused character is not reported";
}

TEST_F(TextInputWidgetTest, DeleteActsAsBackspace) {
    addField("abc", 16);
    clickField();
    EXPECT_EQ(field->cursorIndex(), 3);
    key(SDLK_LEFT, 0);
    key(SDLK_DELETE, 127);
    EXPECT_EQ(field->text(), "ac") << "the character before the cursor, not after";
    EXPECT_EQ(field->cursorIndex(), 1);
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0].first, "ac");

    key(SDLK_DELETE, 127);
    EXPECT_EQ(field->text(), "c");
    key(SDLK_DELETE, 127);
    EXPECT_EQ(field->text(), "c") << "nothing before the cursor";
    EXPECT_EQ(field->cursorIndex(), 0);
    EXPECT_EQ(listener.changes.size(), 2u);
}

TEST_F(TextInputWidgetTest, ControlCharactersAreNeverInserted) {
    addField("ab", 16);
    clickField();
    key(SDLK_TAB, '\t');
    key(SDLK_RETURN, '\r');
    key(SDLK_ESCAPE, 27);
    key(SDLK_a, 1, KMOD_LCTRL); // Ctrl+A types code 1
    key(SDLK_a, 0x85);          // a C1 control
    EXPECT_EQ(field->text(), "ab");
    EXPECT_TRUE(listener.changes.empty());

    // A filter that takes everything still lets no control character through.
    field->setCharacterFilter([](std::uint32_t) { return true; });
    key(SDLK_TAB, '\t');
    key(SDLK_x, 127);
    EXPECT_EQ(field->text(), "ab");
    key(SDLK_a, 0x85);
    EXPECT_EQ(field->text(), "ab\xC2\x85") << "the filter decides about the rest";

    field->setText("");
    field->setCharacterFilter([](std::uint32_t c) { return c >= '0' && c <= '9'; });
    key(SDLK_a, 'a');
    key(SDLK_7, '7');
    EXPECT_EQ(field->text(), "7");
}

TEST_F(TextInputWidgetTest, ArrowHomeAndEndKeysMoveTheCursor) {
    addField("ab" + EDiaeresis, 16);
    clickField();
    key(SDLK_HOME, 0);
    EXPECT_EQ(field->cursorIndex(), 0);
    key(SDLK_LEFT, 0);
    EXPECT_EQ(field->cursorIndex(), 0) << "stops at the start";
    key(SDLK_x, 'x');
    EXPECT_EQ(field->text(), "xab" + EDiaeresis);
    key(SDLK_END, 0);
    EXPECT_EQ(field->cursorIndex(), 4);
    key(SDLK_RIGHT, 0);
    EXPECT_EQ(field->cursorIndex(), 4) << "stops at the end";
    key(SDLK_UP, 0);
    EXPECT_EQ(field->cursorIndex(), 0);
    key(SDLK_RIGHT, 0);
    key(SDLK_RIGHT, 0);
    EXPECT_EQ(field->cursorIndex(), 2);
    key(SDLK_DOWN, 0);
    EXPECT_EQ(field->cursorIndex(), 4);
    EXPECT_EQ(listener.changes.size(), 1u) << "moving reports nothing";
}

TEST_F(TextInputWidgetTest, KeysCountOnlyWhileActiveAndOnlyWhenPressed) {
    addField("", 16);
    field->requestFocus();
    key(SDLK_a, 'a');
    EXPECT_EQ(field->text(), "") << "focused but not active";
    EXPECT_FALSE(field->isActive());

    clickField();
    EXPECT_TRUE(field->isActive());
    app->pushKey(false, SDLK_b, 0, 'b');
    app->step();
    EXPECT_EQ(field->text(), "") << "key releases type nothing";
    key(SDLK_b, 'b');
    EXPECT_EQ(field->text(), "b");

    app->pushClick(500, 400); // elsewhere: focus moves to the screen
    app->step();
    key(SDLK_c, 'c');
    EXPECT_EQ(field->text(), "b");
}

TEST_F(TextInputWidgetTest, FirstClickClearsTheInitialTextOnlyOnce) {
    addField("Player", 16, true);
    clickField();
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(field->cursorIndex(), 0);
    key(SDLK_a, 'A');
    key(SDLK_HOME, 0);
    clickField();
    EXPECT_EQ(field->text(), "A");
    EXPECT_EQ(field->cursorIndex(), 1) << "a later click puts the cursor at the end";

    addField("Keep", 16, false);
    clickField();
    EXPECT_EQ(field->text(), "Keep");
    EXPECT_EQ(field->cursorIndex(), 4);
}

TEST_F(TextInputWidgetTest, ActivateOnFocusFollowsKeyboardFocus) {
    addField("", 16);
    field->setActivateOnFocus(true);
    field->requestFocus();
    EXPECT_TRUE(field->isActive());
    key(SDLK_a, 'a');
    EXPECT_EQ(field->text(), "a");
    app->pushClick(500, 400);
    app->step();
    EXPECT_FALSE(field->isActive());

    field->setActivateOnFocus(false);
    clickField();
    app->pushClick(500, 400);
    app->step();
    EXPECT_TRUE(field->isActive()) << "without the flag losing focus leaves it active";
}

TEST_F(TextInputWidgetTest, AtMaxLengthTheCharacterIsIgnoredButTheTypingSoundPlays) {
    SfxContainer::instance().setEnabled(false);
    CountingSound typing;
    addField("", 2);
    field->setTypingSound(&typing);
    clickField();
    key(SDLK_a, 'a');
    key(SDLK_b, 'b');
    EXPECT_EQ(typing.plays, 2);
    key(SDLK_c, 'c');
    EXPECT_EQ(field->text(), "ab");
    EXPECT_EQ(listener.changes.size(), 2u);
    EXPECT_EQ(typing.plays, 3) << "the key is heard though nothing changed";

    key(SDLK_TAB, '\t');
    EXPECT_EQ(typing.plays, 4) << "refused characters are heard too";
    key(SDLK_HOME, 0);
    backspace();
    EXPECT_EQ(field->text(), "ab");
    EXPECT_EQ(typing.plays, 5) << "a backspace with nothing to remove";
    key(SDLK_LEFT, 0);
    key(SDLK_RIGHT, 0);
    key(SDLK_END, 0);
    key(SDLK_DOWN, 0);
    EXPECT_EQ(typing.plays, 5) << "cursor keys are silent";
    key(SDLK_LSHIFT, 0, KMOD_LSHIFT);
    EXPECT_EQ(typing.plays, 5) << "a key that types nothing is silent";
}

TEST_F(TextInputWidgetTest, WithTheEffectsSwitchOnTheCatalogueIsPlayedInsteadOfTheTypingSound) {
    CountingSound typing;
    addField("", 16);
    field->setTypingSound(&typing);
    clickField();
    ASSERT_TRUE(SfxContainer::instance().isEnabled());
    key(SDLK_a, 'a');
    backspace();
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(typing.plays, 0);
}

} // namespace
