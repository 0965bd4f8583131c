#!/usr/bin/python3
"""Writes the puzzle files of the mini-games into content/config/minigames/:

    screen5.xml    the safe's code: the keys to press, by row (4 = top) and column
    screen15.xml   the breakout: field walls, ball, bar and bricks
    screen18.xml   the piano: the key areas, the tune and where its marks go

The layouts match the pictures that ui_art.py, puzzle_breakout.py and
puzzle_piano.py paint: the code is the one on Grandmother's note on the safe,
the tune the one on the sheet music over the piano.
"""

import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FOLDER = "content/config/minigames/"

# The keypad, row by row from the top left: which symbol each key shows.
KEYPAD = ["1", "2", "3", "star", "4", "5", "6", "moon", "7", "8", "9", "sun", "heart", "0", "anchor", "note"]
# Grandmother's note on the safe: anchor, 1, 9, heart.
SAFE_CODE = ["anchor", "1", "9", "heart"]

# Breakout: the cabinet's screen is x 112..912, y 100..768; the bottom is open.
FIELD = (112, 100, 912, 768)
BRICK_SIZE = (88, 28)
BRICK_COLUMNS = [128 + 96 * c for c in range(8)]
BRICK_ROWS = [160, 196, 232]          # Brick1, Brick2, Brick3

# Piano: eight keys C4..C5, key i at x 192 + 80 i; the sound of a key is its
# area's name. The tune on the sheet, by key number (1 = C4 ... 8 = C5).
PIANO_KEY = (192, 470, 78, 230)       # x of key 0, y, width, height
TUNE = [1, 3, 5, 8, 6, 5, 3, 1]
MARK_SIZE = 44


def safe_xml():
    rows = ['<?xml version="1.0" encoding="UTF-8"?>', "<Minigame>"]
    for symbol in SAFE_CODE:
        index = KEYPAD.index(symbol)
        rows.append('  <Solution row="%d" column="%d"/>' % (4 - index // 4, index % 4 + 1))
    rows.append("</Minigame>")
    return "\n".join(rows) + "\n"


def breakout_xml():
    left, top, right, bottom = FIELD
    folder = "content/images/minigames/screen15/"
    rows = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<Minigame imagePath="%s" background="Bg" barSpeedInitialStep="8" barSpeedStep="4"'
            ' numberOfLives="3" simulationStep="10" dumpingFactor="1">' % folder,
            '  <Ball fileName="%sBall" positionX="512" positionY="600" velocityX="170" velocityY="-360"/>' % folder,
            '  <Bar fileName="%sBar" positionX="448" positionY="680"/>' % folder]
    brick = 0
    for row, y in enumerate(BRICK_ROWS):
        for x in BRICK_COLUMNS:
            rows.append('  <Brick id="%d" positionX="%d" positionY="%d" fileName="%sBrick%d"/>'
                        % (brick, x, y, folder, row + 1))
            brick += 1
    # Each wall's normal points into the field (left of the way from start to end).
    rows += ['  <Wall id="1" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (left, bottom, left, top),
             '  <Wall id="2" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (left, top, right, top),
             '  <Wall id="3" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (right, top, right, bottom),
             # The line below the field where the ball is lost.
             '  <Wall id="-1" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (right, bottom + 30, left, bottom + 30),
             "</Minigame>"]
    return "\n".join(rows) + "\n"


def note_head(k, key):
    """Centre of the k-th note head on the sheet (puzzle_piano.py paints them)."""
    pitch = key - 1                    # 0 = C4
    return 300 + 64 * k, 278 - (pitch - 2) * 7


def piano_xml():
    x0, y, w, h = PIANO_KEY
    rows = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<Minigame imagePath="content/images/minigames/screen18/" background="Bg" noteOver="NoteLit">']
    for i in range(8):
        rows.append('  <Slot id="%d" topLeftX="%d" topLeftY="%d" squareWidth="%d" squareHeight="%d"'
                    ' name="PIANO_NOTE_%d"/>' % (i, x0 + 80 * i, y, w, h, i + 1))
    for k, key in enumerate(TUNE):
        rows.append('  <Step id="%d" active="1" name="PIANO_NOTE_%d"/>' % (k, key))
    for k, key in enumerate(TUNE):
        cx, cy = note_head(k, key)
        rows.append('  <Note id="%d" active="1" positionX="%d" positionY="%d"/>'
                    % (k, cx - MARK_SIZE // 2, cy - MARK_SIZE // 2))
    rows.append("</Minigame>")
    return "\n".join(rows) + "\n"


def write(name, text):
    path = os.path.join(ROOT, FOLDER, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("wrote", FOLDER + name)


def main():
    write("screen5.xml", safe_xml())
    write("screen15.xml", breakout_xml())
    write("screen18.xml", piano_xml())
    return 0


if __name__ == "__main__":
    sys.exit(main())
