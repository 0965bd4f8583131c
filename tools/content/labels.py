#!/usr/bin/python3
"""Generate the game's label tables, English and German.

Every text the player reads comes from a label table: screens ask for the text
of an upper-case label key.  This script holds both tables as Python data and
writes

    content/config/labels/Labels.xml      English ("EN", no suffix)
    content/config/labels/LabelsDE.xml    German  ("DE")

Usage:  /usr/bin/python3 tools/content/labels.py [output-dir]

File format: a root <Strings> whose child elements each carry one attribute,
key="text"; the tag name is not read.  The loader starts at the first child
node of <Strings> and stops at once if that node is not an element, so the
files carry no comments.  Line breaks inside a text are written as &#10;.

Checks (the script exits with status 1 and names every problem):
  - every key is upper case, appears once, and has a non-empty English and
    German text;
  - texts use printable Latin-1 only (the code points the game's bitmap
    fonts carry, see fonts.py);
  - a text that ends in a blank (counter captions, "Welcome, ") does so in
    both languages, because the game appends a number or a name directly;
  - dialog titles hold no lower-case letter outside ASCII: the message dialog
    upper-cases its title byte by byte, which would leave a lower-case umlaut;
  - when content/fonts/ exists, texts are measured with the engine's layout
    rules (xadvance - xoffset plus kerning, greedy word wrap) and must fit
    their button, title line, tooltip or dialog text box;
  - tools/content/label_keys.md (the key reference for programmers) lists
    exactly the keys of this table;
  - the written files are parsed back and must give the same keys, in the
    same order, with the same texts.

Deterministic: the output depends only on the data below.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
DEFAULT_OUT = os.path.join(ROOT, "content", "config", "labels")
FONT_DIR = os.path.join(ROOT, "content", "fonts")
KEY_DOC = os.path.join(HERE, "label_keys.md")

FILES = (("Labels.xml", 0), ("LabelsDE.xml", 1))

# ---------------------------------------------------------------------------
# Kinds of text.  Each kind says how the text is drawn, so that it can be
# checked to fit:  (font file stem or None, check, limit)
#   "line"    one line; its width must not exceed limit pixels
#   "upper"   one line, upper-cased by the dialog before drawing; width limit
#   "wrap"    wrapped to limit[0] pixels as the engine wraps (line feeds stay
#             inside their words); at most limit[1] lines
#   "para"    each line-feed separated paragraph wrapped to limit[0] pixels;
#             at most limit[1] lines in all
#   None      only the character limit applies
# plus a character limit that applies in every case.
# ---------------------------------------------------------------------------

# The standard button picture (BtnBase, 128 pixels wide) carries its label on
# a cream plate 100 pixels wide; 96 keeps a margin at both ends.  The
# game draws a label in CheltenhamBT20 when it fits there and in CheltenhamBT16
# otherwise, so every button text must fit in CheltenhamBT16.
BUTTON_TEXT_WIDTH = 96
# Message dialogs: 359 x 257 window, text box 309 wide and 187 minus the
# title font's line height tall.  The title is centred and then moved left by
# up to 40 pixels (the puzzle result dialog), so it must stay well inside.
DIALOG_TEXT_WIDTH = 309
DIALOG_TEXT_LINES = 6          # 6 x 24 <= 187 - 33
DIALOG_TITLE_WIDTH = 255
# The story screen's caption band is 64 pixels tall and 1024 - 2 x 40 wide:
# one line of CheltenhamBT22, so a story caption is one short sentence.
STORY_BAND_WIDTH = 944

KINDS = {
    #  kind        font                 check    limit                           max chars
    "button":   ("CheltenhamBT16",   "line",  BUTTON_TEXT_WIDTH,               14),
    "title":    ("CheltenhamBT28",   "upper", DIALOG_TITLE_WIDTH,              22),
    "heading":  ("CheltenhamBT28",   "line",  300,                             24),
    "label":    ("CheltenhamBT20",   "line",  200,                             24),
    "subtitle": ("CheltenhamBT22",   "line",  380,                             40),
    "tooltip":  ("CheltenhamBT20",   "line",  560,                             60),
    "message":  ("CheltenhamBT20",   "wrap",  (DIALOG_TEXT_WIDTH, DIALOG_TEXT_LINES), 170),
    "caption":  ("CheltenhamBT28",   "line",  560,                             40),
    "counter":  ("TimesNewRoman17B", "line",  300,                             30),
    "banner":   ("PH_big",           "line",  1000,                            30),
    "notice":   ("CheltenhamBT22",   "wrap",  (480, 4),                        120),
    "story":    ("CheltenhamBT22",   "line",  STORY_BAND_WIDTH,                70),
    "credits":  ("CheltenhamBT28",   "para",  (900, 3),                        90),
    "puzzle":   ("CheltenhamBT20",   "wrap",  (700, 2),                        90),
}

# ---------------------------------------------------------------------------
# The tables.  Groups follow the screens; a key that several screens share is
# listed once, in the group of its first use (label_keys.md names every user).
# Entry: (key, kind, English, German)
# ---------------------------------------------------------------------------

GROUPS = [
    # Answer buttons shared by the dialogs of several screens
    # (message and question dialogs, quit dialog, profiles, name entry,
    # options).
    ("Common dialog buttons", [
        ("OK", "button", "OK", "OK"),
        ("CANCEL", "button", "Cancel", "Abbrechen"),
        ("YES", "button", "Yes", "Ja"),
        ("NO", "button", "No", "Nein"),
    ]),

    # Buttons shared by the scene, the puzzles, the story, the credits and
    # the free-play menu.
    ("Common navigation buttons", [
        ("MENU", "button", "Menu", "Menü"),
        ("SKIP", "button", "Skip", "Auslassen"),
        ("CONTINUE", "button", "Continue", "Weiter"),
    ]),

    # MainMenu: the five buttons, the welcome line, the game's subtitle under
    # the painted title and the play question.
    ("Main menu", [
        ("PLAY", "button", "Play", "Spielen"),
        ("FREE_PLAY", "button", "Free Play", "Freies Spiel"),
        ("OPTIONS", "button", "Options", "Optionen"),
        ("CHANGE_PROFILE", "button", "Profiles", "Profile"),
        ("EXIT_GAME", "button", "Quit", "Beenden"),
        ("WELCOME", "label", "Welcome, ", "Willkommen, "),
        ("SUBTITLE", "subtitle", "The Broken Locket", "Das zerbrochene Medaillon"),
        ("PLAY_GAME_CHOICE", "message",
         "Would you like to carry on where you left off, or begin the story anew?",
         "Möchtest du dort weitermachen, wo du aufgehört hast, oder die "
         "Geschichte neu beginnen?"),
        ("NEW_GAME", "button", "New game", "Neues Spiel"),
        ("CONTINUE_SMALL", "button", "Continue", "Fortsetzen"),
        ("SAVE_SET_ASIDE_TITLE", "title", "Saved game", "Spielstand"),
        ("SAVE_SET_ASIDE_MESSAGE", "message",
         "Your saved game could not be read. It has been kept aside (as .bak), "
         "and the inn opens afresh.",
         "Dein Spielstand war nicht lesbar. Er wurde beiseitegelegt (als .bak), "
         "und das Gasthaus öffnet von vorn."),
    ]),

    # PlayerProfilesMenu and its delete question.
    ("Player profiles", [
        ("PROFILES", "heading", "Player profiles", "Spielerprofile"),
        ("CREATE", "button", "New", "Neu"),
        ("RENAME", "button", "Rename", "Ändern"),
        ("DELETE", "button", "Delete", "Löschen"),
        ("DIALOG_DELETE_PROFILE_CAPTION", "title",
         "Delete?", "Entfernen?"),
        ("MESSAGE_DELETE_PROFILE", "message",
         "Do you really want to delete this profile? Its progress will be lost.",
         "Möchtest du dieses Profil wirklich löschen? Der Spielstand geht "
         "dabei verloren."),
    ]),

    # PlayerNameEntry.
    ("Name entry", [
        ("NEW_PLAYER", "heading", "New player", "Neuer Spieler"),
        ("NAME_INPUT_DESCRIPTION", "notice",
         "Please sign the guest book with your name.",
         "Bitte trag deinen Namen ins Gästebuch ein."),
        ("ENTER_YOUR_NAME", "label", "Enter your name", "Name eingeben"),
    ]),

    # OptionsMenu.
    ("Options", [
        ("SOUND", "label", "Sound effects", "Soundeffekte"),
        ("MUSIC", "label", "Music", "Musik"),
        ("CUSTOM_CURSOR", "label", "Custom cursor", "Eigener Zeiger"),
        ("FULL_SCREEN", "label", "Full screen", "Vollbild"),
        ("TOOLTIP_SLIDER_SOUND", "tooltip",
         "Volume of the sound effects", "Lautstärke der Soundeffekte"),
        ("TOOLTIP_SLIDER_MUSIC", "tooltip",
         "Volume of the music", "Lautstärke der Musik"),
        ("TOOLTIP_CHECKBOX_FULL_SCREEN", "tooltip",
         "Play in full screen (applied with OK)",
         "Im Vollbild spielen (wird mit OK übernommen)"),
        ("VERSION", "label", "Version ", "Version "),
    ]),

    # FreePlayMenu.
    ("Free play", [
        ("PREVIOUS", "button", "Previous", "Zurück"),
        ("NEXT", "button", "Next", "Weiter"),
        ("FREEPLAY_EMPTY", "notice",
         "Nothing to replay yet.\nThe rooms you finish will wait for you here.",
         "Noch nichts zum Wiederholen.\nFertige Räume warten später hier auf dich."),
    ]),

    # Scene names: thumbnails of the free-play menu (FreeplayMenu.xml and the
    # flow entries' name attribute).
    ("Scene names", [
        ("SCENE_TAPROOM", "label", "Taproom", "Gaststube"),
        ("SCENE_LIBRARY", "label", "Library", "Bibliothek"),
        ("SCENE_MUSIC_ROOM", "label", "Music room", "Musikzimmer"),
        ("SCENE_KITCHEN", "label", "Kitchen", "Küche"),
    ]),

    # QuitDialogScreen (title EXIT_GAME, buttons OK and CANCEL) and the
    # GlobalGamePauseScreen.
    ("Quit and pause", [
        ("MESSAGE_QUIT", "message",
         "Do you really want to leave the Lantern Inn for now? "
         "Your progress is saved.",
         "Möchtest du das Lantern Inn wirklich verlassen? "
         "Dein Fortschritt wird gespeichert."),
        ("PAUSE", "banner", "Paused", "Pause"),
    ]),

    # LarkScene: buttons, stage and completion dialogs, leave question.
    ("Hidden-object scene", [
        ("HINT", "button", "Hint", "Tipp"),
        ("COLECT_GROUP_COLLECTED_CAPTION", "title", "Well done!", "Gut gemacht!"),
        ("GAME_FIND_LOCKET_PIECE", "message",
         "Grandmother hid a piece of the silver locket in this room. "
         "Can you find it?",
         "Großmutter hat in diesem Raum ein Stück des silbernen Medaillons "
         "versteckt. Findest du es?"),
        ("LEAVE_GAME", "title", "Off so soon?", "Schon gehen?"),
        ("CONTINUE_TO_MAIN_MENU", "message",
         "Go back to the main menu? You can carry on right here later.",
         "Zurück zum Hauptmenü? Du kannst später genau hier weitermachen."),
        ("CONTINUE_TO_FREEPLAY_MENU", "message",
         "Go back to the free play menu? What you found in this room "
         "will not be kept.",
         "Zurück zum freien Spiel? Was du in diesem Raum gefunden hast, "
         "wird nicht behalten."),
        ("LABEL", "message",
         "You found everything in this room!",
         "Du hast in diesem Raum alles gefunden!"),
    ]),

    # Completion texts of the four scenes: the dialogMessage attribute of
    # their ho_scene flow entries.
    ("Scene completion messages", [
        ("SCENE_DONE_TAPROOM", "message",
         "The taproom shines again and the beer tap works. "
         "But what is hidden in the safe behind the bar?",
         "Die Gaststube glänzt wieder und der Zapfhahn läuft. "
         "Doch was verbirgt der Tresor hinter der Theke?"),
        ("SCENE_DONE_LIBRARY", "message",
         "The books are back in their places. On the reading chair "
         "lies a card in Grandmother's hand...",
         "Die Bücher stehen wieder an ihrem Platz. Auf dem Lesesessel "
         "liegt eine Karte in Großmutters Handschrift..."),
        ("SCENE_DONE_MUSIC_ROOM", "message",
         "The piano sings again! Behind the sheet music lies an old, "
         "torn photograph.",
         "Das Klavier klingt wieder! Hinter den Noten liegt ein altes, "
         "zerrissenes Foto."),
        ("SCENE_DONE_KITCHEN", "message",
         "The kitchen smells of cake again. Only the cellar door is left.",
         "In der Küche duftet es wieder nach Kuchen. Jetzt fehlt nur "
         "noch die Kellertür."),
    ]),

    # Count find lists (FIND_X_ITEMS): the name of the stage's first Collect
    # rule.  The dashboard appends the number directly, so each caption ends
    # in a blank.
    ("Find-list counters", [
        ("COUNT_ITEMS", "counter", "Things left to find: ", "Noch zu finden: "),
        ("COUNT_COINS", "counter", "Coins left: ", "Münzen übrig: "),
        ("COUNT_BOTTLE_CAPS", "counter", "Bottle caps left: ", "Kronkorken übrig: "),
        ("COUNT_KEYS", "counter", "Keys left: ", "Schlüssel übrig: "),
        ("COUNT_FEATHERS", "counter", "Feathers left: ", "Federn übrig: "),
        ("COUNT_SHELLS", "counter", "Seashells left: ", "Muscheln übrig: "),
    ]),

    # MiniGameBase: the result dialog.
    ("Puzzle results", [
        ("CONGRATULATION", "title", "Wonderful!", "Wunderbar!"),
        ("MINI_GAME_FINISHED", "message",
         "Puzzle solved! Grandmother would be proud of you.",
         "Rätsel gelöst! Großmutter wäre stolz auf dich."),
        ("WRONG_SOLUTION", "title", "Not quite!", "Nicht ganz!"),
        ("TRY_AGAIN", "message",
         "That is not it yet. Take a breath and try again.",
         "Das passt noch nicht. Atme tief durch und versuch es noch einmal."),
    ]),

    # One instruction line per puzzle screen.
    ("Puzzle instructions", [
        ("MG_SCREEN2_CAPTION", "puzzle",
         "Turn the pipes so the beer can flow, then open the tap.",
         "Dreh die Rohre, damit das Bier fließen kann, und öffne dann den Zapfhahn."),
        ("MG_SCREEN5_CAPTION", "puzzle",
         "Enter Grandmother's code on the keypad of the safe.",
         "Gib Großmutters Code am Tastenfeld des Tresors ein."),
        ("MG_SCREEN10_CAPTION", "puzzle",
         "Swap two books at a time until they stand in Grandmother's order.",
         "Tausche immer zwei Bücher, bis sie in Großmutters Ordnung stehen."),
        ("MG_SCREEN15_CAPTION", "puzzle",
         "Move the paddle with the mouse and clear every brick.",
         "Bewege den Schläger mit der Maus und räume alle Steine ab."),
        ("MG_SCREEN18_CAPTION", "puzzle",
         "Play Grandmother's little tune on the piano keys.",
         "Spiel Großmutters kleine Melodie auf den Klaviertasten."),
        ("MG_SCREEN22_CAPTION", "puzzle",
         "Put Grandmother's torn photograph back together.",
         "Setz Großmutters zerrissenes Foto wieder zusammen."),
        ("MG_SCREEN28_CAPTION", "puzzle",
         "Put every chocolate into a matching place in the box.",
         "Leg jede Praline in ein passendes Fach der Schachtel."),
        ("MG_SCREEN32_CAPTION", "puzzle",
         "Place the letters of Grandmother's motto on the card.",
         "Leg die Buchstaben von Großmutters Lebensmotto auf die Karte."),
    ]),

    # TransitionScreen: the caption attribute of the flow entries.
    ("Chapter captions", [
        ("CHAPTER_1_TAPROOM", "caption",
         "Chapter 1 - The Taproom", "Kapitel 1 - Die Gaststube"),
        ("CHAPTER_2_UPSTAIRS", "caption",
         "Chapter 2 - Upstairs", "Kapitel 2 - Im Obergeschoss"),
    ]),

    # StoryScreen, intro (5 slides): the letter, the inn at dusk, the locked
    # cellar door, the broken locket, Mira arriving.
    ("Story: intro", [
        ("STORY_INTRO_1", "story",
         "Grandmother's letter: the Lantern Inn now belongs to Mira.",
         "Großmutters Brief: Das Lantern Inn gehört jetzt Mira."),
        ("STORY_INTRO_2", "story",
         "By the sea, the old inn glows softly in the dusk.",
         "Am Meer leuchtet das alte Gasthaus sanft in der Dämmerung."),
        ("STORY_INTRO_3", "story",
         "The cellar door opens only to the whole silver locket.",
         "Die Kellertür öffnet sich nur dem ganzen Silbermedaillon."),
        ("STORY_INTRO_4", "story",
         "But the locket is broken, its pieces hidden all over the house.",
         "Doch das Medaillon ist zerbrochen, die Stücke im Haus versteckt."),
        ("STORY_INTRO_5", "story",
         "Mira sets down her suitcase. Time to follow Grandmother's trail.",
         "Mira stellt ihren Koffer ab. Zeit, Großmutters Spur zu folgen."),
    ]),

    # StoryScreen after the safe (2 slides): a locket piece in the safe.
    ("Story: the safe", [
        ("STORY_SAFE_1", "story",
         "With a soft creak the safe swings open.",
         "Mit leisem Knarren schwingt der Tresor auf."),
        ("STORY_SAFE_2", "story",
         "The first piece of the locket! The trail leads on to the library.",
         "Das erste Stück des Medaillons! Die Spur führt in die Bibliothek."),
    ]),

    # StoryScreen, ending (4 slides): the cellar opens, the family album,
    # Mira at the bar, the inn lit at night.
    ("Story: ending", [
        ("STORY_ENDING_1", "story",
         "The locket is whole again, and the cellar door swings open.",
         "Das Medaillon ist wieder ganz, und die Kellertür schwingt auf."),
        ("STORY_ENDING_2", "story",
         "Inside waits the family album, full of smiling faces.",
         "Drinnen wartet das Familienalbum voller lächelnder Gesichter."),
        ("STORY_ENDING_3", "story",
         "Mira pours the first drink behind the bar. She is home.",
         "Mira zapft hinter der Theke das erste Bier. Sie ist zu Hause."),
        ("STORY_ENDING_4", "story",
         "Tonight every lantern is lit. The Lantern Inn is open again.",
         "Heute brennt jede Laterne. Das Lantern Inn hat wieder geöffnet."),
    ]),

    # OpeningCredits: one text per credits slide, in slide order.
    ("Credits", [
        ("CREDITS_1", "credits",
         "Lantern Inn\nThe Broken Locket",
         "Lantern Inn\nDas zerbrochene Medaillon"),
        ("CREDITS_2", "credits",
         "A Quill Games production",
         "Eine Produktion von Quill Games"),
        ("CREDITS_3", "credits",
         "Story, puzzles and design\nThe Quill Games team",
         "Geschichte, Rätsel und Design\nDas Team von Quill Games"),
        ("CREDITS_4", "credits",
         "Painted rooms, music and sounds\nMade with love at Quill Games",
         "Gemalte Räume, Musik und Klänge\nMit Liebe gemacht bei Quill Games"),
        ("CREDITS_5", "credits",
         "Lettering\nThe DejaVu fonts",
         "Schrift\nDie DejaVu-Schriften"),
        ("CREDITS_6", "credits",
         "Thank you for staying at the Lantern Inn!\nThe lanterns are lit for you.",
         "Danke für deinen Besuch im Lantern Inn!\nDie Laternen brennen für dich."),
    ]),
]


# ---------------------------------------------------------------------------
# Font measuring, following the engine's text layout.
# ---------------------------------------------------------------------------

class Font:
    def __init__(self, path):
        root = ET.parse(path).getroot()
        self.line_height = int(root.find("common").get("lineHeight"))
        self.advance = {}
        for ch in root.find("chars"):
            self.advance[int(ch.get("id"))] = int(ch.get("xadvance")) - int(ch.get("xoffset"))
        self.kerning = {}
        kernings = root.find("kernings")
        if kernings is not None:
            for k in kernings:
                self.kerning[(int(k.get("first")), int(k.get("second")))] = int(k.get("amount"))

    def width(self, text):
        w, prev = 0, None
        for c in map(ord, text):
            if c in (10, 13) or c not in self.advance:
                prev = None
                continue
            w += self.advance[c]
            if prev is not None:
                w += self.kerning.get((prev, c), 0)
            prev = c
        return w


def wrap_words(font, text, max_width):
    """The engine's greedy word wrap; returns the drawn lines."""
    words = text.split(" ")
    if len(words) <= 1:
        return text.split("\n")
    lines = []
    i = 0
    while i < len(words):
        line, count, kept_len = "", 0, 0
        while font.width(line) <= max_width:
            kept_len = len(line)
            line = (line + " " if line else "") + words[i]
            i += 1
            count += 1
            if i >= len(words):
                break
        if font.width(line) > max_width and count > 1:
            line = line[:kept_len]
            i -= 1
        lines.append(line)
    return "\n".join(lines).split("\n")


def load_fonts():
    if not os.path.isdir(FONT_DIR):
        return None
    fonts = {}
    for kind, (stem, _check, _limit, _chars) in KINDS.items():
        if stem and stem not in fonts:
            path = os.path.join(FONT_DIR, stem + ".fnt")
            if not os.path.isfile(path):
                return None
            fonts[stem] = Font(path)
    return fonts


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

KEY_RE = re.compile(r"^[A-Z][A-Z0-9_]*$")
LANGS = ("English", "German")


def printable(c):
    o = ord(c)
    return c == "\n" or 0x20 <= o <= 0x7E or 0xA0 <= o <= 0xFF


def check(groups, fonts):
    errors = []
    seen = {}
    for title, entries in groups:
        for entry in entries:
            if len(entry) != 4:
                errors.append("%s: malformed entry %r" % (title, entry))
                continue
            key, kind, *texts = entry
            where = "%s (%s)" % (key, title)
            if not isinstance(key, str) or not KEY_RE.match(key):
                errors.append("%s: key is not an upper-case label key" % where)
            if key in seen:
                errors.append("%s: key appears twice (first in %s)" % (where, seen[key]))
            else:
                seen[key] = title
            if kind not in KINDS:
                errors.append("%s: unknown kind %r" % (where, kind))
                continue
            stem, how, limit, max_chars = KINDS[kind]
            for lang, text in zip(LANGS, texts):
                if not isinstance(text, str) or not text.strip():
                    errors.append("%s: no %s text" % (where, lang))
                    continue
                bad = sorted({c for c in text if not printable(c)})
                if bad:
                    errors.append("%s: %s text has characters outside the fonts: %s"
                                  % (where, lang, " ".join("U+%04X" % ord(c) for c in bad)))
                if len(text) > max_chars:
                    errors.append("%s: %s text has %d characters, at most %d for a %s"
                                  % (where, lang, len(text), max_chars, kind))
                if how in ("line", "upper") and "\n" in text:
                    errors.append("%s: %s text must stay on one line" % (where, lang))
                if how == "upper":
                    lower = sorted({c for c in text if ord(c) > 0x7F and c != c.upper()})
                    if lower or "ß" in text:
                        errors.append("%s: %s dialog title holds lower-case letters "
                                      "the dialog cannot upper-case: %s"
                                      % (where, lang, " ".join(lower or ["ß"])))
                if fonts and stem:
                    font = fonts[stem]
                    if how in ("line", "upper"):
                        shown = text.upper() if how == "upper" else text
                        w = font.width(shown)
                        if w > limit:
                            errors.append("%s: %s text is %d px wide in %s, at most %d"
                                          % (where, lang, w, stem, limit))
                    elif how in ("wrap", "para"):
                        width, max_lines = limit
                        if how == "wrap":
                            lines = wrap_words(font, text, width)
                        else:
                            lines = [l for p in text.split("\n")
                                     for l in wrap_words(font, p, width)]
                        too_wide = [l for l in lines if font.width(l) > width]
                        if len(lines) > max_lines or too_wide:
                            errors.append("%s: %s text needs %d lines at %d px in %s, at most %d"
                                          % (where, lang, len(lines), width, stem, max_lines))
            if len(texts) == 2 and all(isinstance(t, str) for t in texts):
                ends = [t.endswith(" ") for t in texts]
                if ends[0] != ends[1]:
                    errors.append("%s: only one language ends in a blank" % where)
    return errors


def check_key_doc(keys):
    """label_keys.md must name exactly the keys of the table."""
    if not os.path.isfile(KEY_DOC):
        return ["%s is missing" % KEY_DOC]
    documented = []
    with open(KEY_DOC, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"^\|\s*`([A-Z][A-Z0-9_]*)`\s*\|", line)
            if m:
                documented.append(m.group(1))
    errors = []
    doubles = sorted({k for k in documented if documented.count(k) > 1})
    if doubles:
        errors.append("label_keys.md lists twice: " + ", ".join(doubles))
    missing = [k for k in keys if k not in documented]
    if missing:
        errors.append("label_keys.md lacks: " + ", ".join(missing))
    extra = [k for k in documented if k not in keys]
    if extra:
        errors.append("label_keys.md names keys the table does not have: " + ", ".join(extra))
    return errors


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------

def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("\t", "&#9;").replace("\r", "&#13;")
            .replace("\n", "&#10;"))


def render(groups, column):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<Strings>"]
    for _title, entries in groups:
        for key, _kind, *texts in entries:
            lines.append('  <String %s="%s"/>' % (key, escape(texts[column])))
    lines.append("</Strings>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def read_back(path):
    root = ET.parse(path).getroot()
    if root.tag != "Strings":
        raise ValueError("root is <%s>" % root.tag)
    pairs = []
    for child in root:
        if len(child.attrib) != 1:
            raise ValueError("<%s> carries %d attributes" % (child.tag, len(child.attrib)))
        pairs.append(next(iter(child.attrib.items())))
    return pairs


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else DEFAULT_OUT
    fonts = load_fonts()
    errors = check(GROUPS, fonts)
    keys = [e[0] for _t, entries in GROUPS for e in entries]
    errors += check_key_doc(keys)
    if errors:
        for e in errors:
            print("labels.py: " + e, file=sys.stderr)
        print("labels.py: %d problem(s); nothing written" % len(errors), file=sys.stderr)
        return 1
    if fonts is None:
        print("labels.py: no fonts in %s, text widths not checked" % FONT_DIR)

    os.makedirs(out_dir, exist_ok=True)
    for name, column in FILES:
        path = os.path.join(out_dir, name)
        with open(path, "wb") as f:
            f.write(render(GROUPS, column))
        expected = [(e[0], e[2 + column]) for _t, entries in GROUPS for e in entries]
        got = read_back(path)
        if got != expected:
            print("labels.py: %s does not read back as written" % path, file=sys.stderr)
            return 1
        print("wrote %s (%d labels)" % (os.path.relpath(path, ROOT), len(got)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
