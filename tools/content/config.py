#!/usr/bin/python3
"""Writes the game's start-up configuration: content/config/config.xml,
content/config/GameParameters.cfg and the game flow, content/config/GameFlow.xml
(the scene index comes from scenes.py)."""

import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

CONFIG_XML = """<?xml version="1.0" encoding="UTF-8"?>
<Config version="1.1">
  <Application>
    <ScreenResolution width="1024" height="768" bitDepth="32"/>
    <WindowCaption name="Lantern Inn: The Broken Locket"/>
  </Application>
  <Savegame folder="LanternInn" filename="profiles.sav"/>
  <Credits filename="content/config/credits/slides.xml"/>
  <SupportedLanguages startingLanguage="EN">
    <Language active="EN" labels="content/config/labels/Labels.xml" flag="content/images/menus/flags/EN.png" name="English"/>
    <Language active="DE" labels="content/config/labels/LabelsDE.xml" flag="content/images/menus/flags/DE.png" name="Deutsch"/>
  </SupportedLanguages>
  <LogoScreens>
    <Screen type="ANIMATION" folder="content/animations/Logo/" filename="QuillGames.xml"/>
  </LogoScreens>
  <MouseCursors folder="content/images/cursors/">
    <Cursor id="0" imageFile="Arrow.png"/>
  </MouseCursors>
  <Volume soundVolume="75" musicVolume="60"/>
  <FullscreenMode mode="windowed"/>
</Config>
"""

PARAMETERS = """# Parameters read by the screens: key = value.
# A '#' starts a comment; a line without '=' continues the value above.

# The longest player name, in characters.
PlayerName.Length = 16

# The file extension of the mini-games' pictures, appended to their names.
Game.Images.Extension = .png

EndConfigFile
"""


def scene(number, name, folder):
    # The three file attributes are read relative to configPath.
    base = "content/config/scene/" + folder + "/"
    return ('  <Screen type="ho_scene" sceneId="%d" name="SCENE_%s" configPath="%s"\n'
            '          itemGroupConf="ItemGroups.xml" mechanicsConf="Mechanics.xml"\n'
            '          itemRendererConf="Renderers.xml" pushDialogWindow="1"'
            ' dialogMessage="SCENE_DONE_%s"/>\n'
            % (number, name, base, name))


# Mini-games join the flow as they are built; until then the flow goes from
# scene to scene without them.
BUILT_MINIGAMES = {"MG_Screen2", "MG_Screen5", "MG_Screen10", "MG_Screen15", "MG_Screen18", "MG_Screen22",
                   "MG_Screen28", "MG_Screen32"}


def minigame(screen_type, scene_id, config_file=None):
    if screen_type not in BUILT_MINIGAMES:
        return ""
    extra = ' configFile="content/config/minigames/%s"' % config_file if config_file else ""
    return '  <Screen type="%s" sceneId="%d"%s/>\n' % (screen_type, scene_id, extra)


# The order of the game (GAME.md).
GAME_FLOW = ('<?xml version="1.0" encoding="UTF-8"?>\n<GameFlow>\n'
             '  <Screen type="story" sceneId="100" pathStory="content/story/intro/"/>\n'
             '  <Screen type="TransitionScreen" caption="CHAPTER_1_TAPROOM" fadeInDuration="800"'
             ' fadeOutDuration="800" screenDuration="2500"/>\n'
             + scene(1, "TAPROOM", "Taproom")
             + minigame("MG_Screen5", 1) +
             '  <Screen type="story" sceneId="1" pathStory="content/story/safe/"/>\n'
             + scene(2, "LIBRARY", "Library")
             + minigame("MG_Screen32", 2, "screen32.xml") +
             '  <Screen type="TransitionScreen" caption="CHAPTER_2_UPSTAIRS" fadeInDuration="800"'
             ' fadeOutDuration="800" screenDuration="2500"/>\n'
             + scene(3, "MUSIC_ROOM", "MusicRoom")
             + minigame("MG_Screen22", 3, "screen22.xml")
             + scene(4, "KITCHEN", "Kitchen")
             + minigame("MG_Screen15", 4) +
             '  <Screen type="story" sceneId="100" pathStory="content/story/ending/"/>\n'
             '  <Screen type="OpeningCredits" path="content/config/credits/"'
             ' fileName="slides.xml"/>\n'
             '  <Screen type="MainMenu" attrib="finished"/>\n'
             '</GameFlow>\n')


def write(relative, text):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("wrote", relative)


def main():
    write("content/config/config.xml", CONFIG_XML)
    write("content/config/GameParameters.cfg", PARAMETERS)
    write("content/config/GameFlow.xml", GAME_FLOW)
    return 0


if __name__ == "__main__":
    sys.exit(main())
