#!/usr/bin/python3
"""Writes the game's start-up configuration: content/config/config.xml and
content/config/GameParameters.cfg."""

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
    <Language active="EN" labels="content/config/labels/Labels.xml" flag="content/images/menus/flags/EN.png"/>
    <Language active="DE" labels="content/config/labels/LabelsDE.xml" flag="content/images/menus/flags/DE.png"/>
  </SupportedLanguages>
  <LogoScreens>
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


def write(relative, text):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("wrote", relative)


def main():
    write("content/config/config.xml", CONFIG_XML)
    write("content/config/GameParameters.cfg", PARAMETERS)
    return 0


if __name__ == "__main__":
    sys.exit(main())
